#!/usr/bin/env bash
# Installs the Debian packages the build and the tests need (idempotent).
set -euo pipefail

packages=(
  g++-mingw-w64-i686-posix g++-mingw-w64-x86-64-posix mingw-w64-tools
  wine wine64 xvfb xauth libz-mingw-w64-dev libstb-dev googletest
  cmake ninja-build nsis dpkg-dev zip unzip locales fonts-wine
  fonts-wqy-microhei xcompmgr xdotool imagemagick python3
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done

need_src=0
grep -rqs '^Types:.*deb-src' /etc/apt/sources.list.d/ || grep -qs '^deb-src' /etc/apt/sources.list || need_src=1
if [ "$need_src" = 1 ]; then
  # Source packages (JsonCpp, zlib's minizip) come from Debian's source index.
  if [ -f /etc/apt/sources.list.d/debian.sources ]; then
    sed -i 's/^Types: deb$/Types: deb deb-src/' /etc/apt/sources.list.d/debian.sources
  else
    echo "deb-src http://deb.debian.org/debian bookworm main" > /etc/apt/sources.list.d/project-src.list
  fi
fi

if [ ${#missing[@]} -gt 0 ] || [ "$need_src" = 1 ] || [ ! -d /var/lib/apt/lists ] || [ -z "$(ls /var/lib/apt/lists 2>/dev/null | grep -i source)" ]; then
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  if [ ${#missing[@]} -gt 0 ]; then
    apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
  fi
fi

# Simplified Chinese locale so Wine's ANSI code page is 936 (GBK).
if ! locale -a 2>/dev/null | grep -qi '^zh_CN.utf8$'; then
  localedef -i zh_CN -f UTF-8 zh_CN.UTF-8
fi
