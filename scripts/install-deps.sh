#!/usr/bin/env bash
# Installs the Debian packages that building, running and testing Velinor need.
# Does nothing when every package is already present. Needs root (or sudo) only when something is missing.
# With the argument "fuzz" it also installs clang and its libFuzzer runtime (make fuzz).
set -euo pipefail

packages=(
  build-essential cmake pkg-config
  qt6-base-dev qt6-base-dev-tools libqt6opengl6-dev libgl-dev
  qt6-qpa-plugins qt6-image-formats-plugins
  libqscintilla2-qt6-dev
  qt6-webengine-dev
  xvfb xauth xdotool imagemagick x11-utils openbox
  dbus-daemon  # a private session bus for the screenshot portal test
  # The eyedropper on a real Wayland desktop: a headless compositor, the screenshot portal with its
  # wlr and gtk back ends, PipeWire, Qt's Wayland platform, typing and screen reading for the test.
  sway swaybg xdg-desktop-portal xdg-desktop-portal-wlr xdg-desktop-portal-gtk pipewire
  qt6-wayland libwayland-dev wtype grim
  chromium     # reads the gallery's markup in a test
  fonts-dejavu-core fonts-liberation2
  qt6-translations-l10n breeze-icon-theme-rcc libqt6svg6
  appstream desktop-file-utils
  dpkg-dev file lintian  # make deb: dpkg-shlibdeps, the file types CPack asks for, the package's check
)
if [[ "${1:-}" == fuzz ]]; then
  packages+=(clang libclang-rt-14-dev)
fi

missing=()
for p in "${packages[@]}"; do
  status=$(dpkg-query -W -f='${Status}' "$p" 2>/dev/null || true)
  [[ "$status" == "install ok installed" ]] || missing+=("$p")
done

[[ ${#missing[@]} -eq 0 ]] && exit 0

echo "Installing missing packages: ${missing[*]}"
sudo_cmd=()
if [[ $(id -u) -ne 0 ]]; then
  sudo_cmd=(sudo)
fi
export DEBIAN_FRONTEND=noninteractive
"${sudo_cmd[@]}" apt-get update -q
"${sudo_cmd[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"
