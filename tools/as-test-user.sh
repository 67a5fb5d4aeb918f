#!/usr/bin/env bash
# Runs a command as the unprivileged user "pommelot-test" (created on first use), with a
# private XDG_RUNTIME_DIR. Compositors such as sway and cage refuse to run as root, so the
# tests that need one start it, and the program, through this script.
#   tools/as-test-user.sh CMD [ARGS...]
# The runtime folder is made anew for each call and removed afterwards; its path is in
# XDG_RUNTIME_DIR for the command. Must be run as root.
set -euo pipefail
user=pommelot-test
if [ "$(id -u)" -ne 0 ]; then
  echo "as-test-user.sh: must run as root" >&2
  exit 2
fi
if ! id -u "$user" >/dev/null 2>&1; then
  useradd --create-home --shell /bin/bash --user-group "$user" 2>/dev/null || id -u "$user" >/dev/null
fi
uid=$(id -u "$user")
gid=$(id -g "$user")
home=$(getent passwd "$user" | cut -d: -f6)
runtime=$(mktemp -d /tmp/pommelot-test-runtime.XXXXXX)
chown "$uid:$gid" "$runtime"
chmod 0700 "$runtime"
cleanup() { rm -rf "$runtime"; }
trap cleanup EXIT
setpriv --reuid="$uid" --regid="$gid" --init-groups \
  env HOME="$home" USER="$user" LOGNAME="$user" XDG_RUNTIME_DIR="$runtime" "$@"
