#!/usr/bin/env bash
# Installs, only when missing, every Debian package the build, the tests and
# the program need. Safe to run as root with no terminal.
set -euo pipefail

packages=(
  cmake g++ make pkg-config
  libgtest-dev libbenchmark-dev
  pcre2-utils  # pcre2grep, the search benchmark's yardstick
  zlib1g-dev libdeflate-dev libpng-dev libpcre2-dev libxml2-dev libsqlite3-dev
  libfreetype-dev libfontconfig-dev libx11-dev libxext-dev libxtst-dev libxrandr-dev libxfixes-dev
  fonts-wqy-microhei fonts-dejavu-core xvfb ccache
  xdg-utils libcairo2-dev poppler-utils libcups2-dev cups-daemon
  clang  # the fuzz build and scripts/clang_check.sh
  python3  # the fuzz build's launcher that gives literals their GBK bytes
  wamerican  # the spell checker's default dictionary
  bindfs  # a FUSE mount for the leftover cleaner's test
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done

if ((${#missing[@]})); then
  echo "install-deps: installing ${missing[*]}"
  sudo_cmd=()
  if [[ $(id -u) -ne 0 ]]; then sudo_cmd=(sudo); fi
  export DEBIAN_FRONTEND=noninteractive
  "${sudo_cmd[@]}" apt-get update -qq
  "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
