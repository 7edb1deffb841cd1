#!/usr/bin/env bash
# Installs what the builds and tests need on Debian 12, as root, without
# questions. Quick when everything is already there.
#   setup.sh          everything: the builds, Wine and every test
#   setup.sh native   only what building and playing the Linux program needs
#   setup.sh web      only what the web tree needs: Emscripten, node, and
#                     Chromium and npm for the page's tests
set -euo pipefail
case "${1:-}" in
  ''|native|web) ;;
  *) echo "usage: $0 [native|web]" >&2; exit 2 ;;
esac

# dpkg-dev: cpack -G DEB reads the program's dependencies with dpkg-shlibdeps.
native_packages=(
  cmake make g++ pkg-config libgtk-3-dev libpulse-dev fonts-wqy-microhei xvfb x11-utils dpkg-dev
)
# Debian's Emscripten brings its libraries prebuilt, in a cache it never
# writes to: it fetches nothing. Its dependencies bring node and acorn.
# The page's tests run in Debian's Chromium, driven by puppeteer-core from
# the npm registry (tests/web/package-lock.json), which downloads no browser.
web_packages=(cmake make emscripten chromium)
# A node from elsewhere (NodeSource's) brings its own npm and conflicts with
# Debian's.
command -v npm >/dev/null || web_packages+=(npm)
if [ "${1:-}" = native ]; then
  packages=("${native_packages[@]}")
elif [ "${1:-}" = web ]; then
  packages=("${web_packages[@]}")
else
  packages=(
    "${native_packages[@]}" "${web_packages[@]}"
    googletest libbenchmark-dev clang libclang-rt-14-dev llvm
    g++-mingw-w64-i686-posix binutils-mingw-w64-i686
    g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64
    wine wine32:i386 wine64
    xvfb xdotool x11-utils imagemagick locales
    openbox trayer libxfixes-dev
    pulseaudio pulseaudio-utils
    appstream desktop-file-utils
  )
fi

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done

if [ "${#missing[@]}" -gt 0 ]; then
  if [ "$(id -u)" -ne 0 ]; then
    echo "setup: missing packages (${missing[*]}); run as root to install them" >&2
    exit 1
  fi
  export DEBIAN_FRONTEND=noninteractive
  if [ -z "${1:-}" ]; then
    dpkg --print-foreign-architectures | grep -qx i386 || dpkg --add-architecture i386
  fi
  apt-get update -q
  apt-get install -y -q --no-install-recommends "${missing[@]}"
fi

[ -n "${1:-}" ] && exit 0

# Wine must see code page 936 for the GBK texts; the end-to-end cases also
# run the program under code pages 1252 and 932.
for wanted in zh_CN en_US ja_JP; do
  locale -a 2>/dev/null | grep -qi "^$wanted\.utf-\?8$" && continue
  if [ "$(id -u)" -ne 0 ]; then
    echo "setup: locale $wanted.UTF-8 missing; run as root" >&2
    exit 1
  fi
  sed -i "s/^# *\($wanted.UTF-8 UTF-8\)/\1/" /etc/locale.gen
  grep -q "^$wanted.UTF-8 UTF-8" /etc/locale.gen || echo "$wanted.UTF-8 UTF-8" >> /etc/locale.gen
  generate=1
done
if [ -n "${generate:-}" ]; then locale-gen >/dev/null; fi

# The posix thread model is the one whose libstdc++ links statically cleanly.
# (The x86-64 compilers serve machines that run no 32-bit code: see
# tools/test-env.sh.)
for tool in i686-w64-mingw32-g++ i686-w64-mingw32-gcc x86_64-w64-mingw32-g++ x86_64-w64-mingw32-gcc; do
  alt=$(update-alternatives --query "$tool" 2>/dev/null | awk '/^Value:/{print $2}')
  case "$alt" in *-posix) ;; *) update-alternatives --set "$tool" "/usr/bin/$tool-posix" >/dev/null 2>&1 || true ;; esac
done
