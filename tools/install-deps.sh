#!/usr/bin/env bash
# Installs the Debian 12 packages that building, running and testing need.
# Only what is missing is installed; on a machine that has everything this is quick.
set -euo pipefail

packages=(
  # build
  cmake g++ make pkgconf ccache
  qt6-base-dev qt6-base-dev-tools qt6-svg-dev qt6-qpa-plugins libqt6svg6 libgl-dev
  libsdl2-dev libpulse-dev libsndfile1-dev libxcb1-dev libxcb-keysyms1-dev libxcb-xtest0-dev
  libespeak-ng-dev
  # the interface's translations, and Qt's own for its standard dialogs
  qt6-tools-dev qt6-l10n-tools qt6-translations-l10n
  # keyboard lock: X11 server keys and screen saver, Wayland protocols, D-Bus inhibitors
  libx11-dev libxcb-screensaver0-dev qt6-base-private-dev qt6-wayland qt6-wayland-dev
  qt6-wayland-dev-tools wayland-protocols libwayland-dev
  # runtime
  fonts-liberation espeak-ng espeak-ng-data sox
  # tests
  xvfb xauth xdotool x11-utils x11-xserver-utils imagemagick clang libclang-rt-14-dev
  desktop-file-utils appstream
  # keyboard-lock tests: window manager, compositor, virtual keyboard, keymap dump, private bus
  openbox sway wtype x11-xkb-utils dbus
  # keyboard-lock tests under GNOME's and KDE's compositors (headless)
  mutter kwin-wayland plasma-wayland-protocols jq
  # the Debian package: its build, its checks, one copy at a time, the play session
  debhelper dpkg-dev lintian dbus-daemon cage
  # the package built and installed in fresh Debian roots
  debootstrap
  # the PulseAudio output's test and bench_audio run a sound server of their own
  pulseaudio
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing missing packages: ${missing[*]}"
  SUDO=""
  [ "$(id -u)" -eq 0 ] || SUDO="sudo"
  export DEBIAN_FRONTEND=noninteractive
  $SUDO apt-get update -qq
  $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
