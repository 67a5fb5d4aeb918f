#!/usr/bin/env bash
# Runs bench_lock under Xvfb (X11 keyboard grab) and under headless sway (Wayland shortcut
# inhibitor), as root; sway runs as the unprivileged test user.
#   bench/run-lock-bench.sh build/bench/bench_lock [rounds]
set -euo pipefail
bench=$(readlink -f "$1")
rounds=${2:-100}
tools=$(dirname "$(readlink -f "$0")")/../tools

echo "== X11 (Xvfb)"
XDG_RUNTIME_DIR=$(mktemp -d) "$tools/xvfb-run-test.sh" "$bench" "$rounds"

echo "== Wayland (headless sway)"
stage=$(mktemp -d /tmp/pommelot-bench.XXXXXX)
trap 'rm -rf "$stage"' EXIT
cp "$bench" "$stage/bench_lock"
chmod -R a+rwX "$stage"
cat > "$stage/run.sh" <<EOS
#!/usr/bin/env bash
set -u
unset DISPLAY WAYLAND_DISPLAY QT_QPA_PLATFORM
printf 'default_border none\n' > $stage/sway.config
WLR_BACKENDS=headless WLR_LIBINPUT_NO_DEVICES=1 WLR_RENDERER=pixman sway -c $stage/sway.config >/dev/null 2>&1 &
sway=\$!
for _ in \$(seq 100); do
  ls "\$XDG_RUNTIME_DIR"/sway-ipc.*.sock >/dev/null 2>&1 && break
  sleep 0.1
done
export WAYLAND_DISPLAY=\$(ls "\$XDG_RUNTIME_DIR" | grep -E '^wayland-[0-9]+\$' | head -n1)
export SWAYSOCK=\$(ls "\$XDG_RUNTIME_DIR"/sway-ipc.*.sock | head -n1)
$stage/bench_lock $rounds
rc=\$?
kill \$sway
exit \$rc
EOS
chmod +x "$stage/run.sh"
"$tools/as-test-user.sh" "$stage/run.sh"
