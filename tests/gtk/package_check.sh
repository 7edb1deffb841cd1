#!/usr/bin/env bash
# package_check.sh TREE OUT: cpack -G DEB makes trelmo_<version>_<arch>.deb
# in OUT holding the installed files under /usr, with its dependencies.
#   package_check.sh --round-trip OUT: apt-get installs that package and
#   removes it cleanly. As root only, and only where trelmo is not installed
#   and the package needs nothing that is not: the machine is left as it was
#   found (exit 77, skipped, otherwise).
set -u
failed=0
fail() { echo "FAIL $*" >&2; failed=1; }
installed() { dpkg-query -W -f='${Status}' trelmo 2>/dev/null | grep -q 'install ok installed'; }
apt() { DEBIAN_FRONTEND=noninteractive apt-get -o DPkg::Lock::Timeout=300 -y -q "$@" </dev/null; }

if [ "$1" = --round-trip ]; then
  deb=$(ls "$2"/trelmo_*.deb 2>/dev/null | head -1)
  [ -n "$deb" ] || { echo "FAIL no package in $2" >&2; exit 1; }
  if [ "$(id -u)" -ne 0 ] || installed; then
    echo "skipped: needs root and a machine without trelmo"
    exit 77
  fi
  # What apt would install beside trelmo itself.
  others=$(apt-get -s install "$deb" </dev/null 2>/dev/null | awk '/^Inst / && $2 != "trelmo" { print $2 }')
  if [ -n "$others" ]; then
    echo "skipped: installing would also bring $others"
    exit 77
  fi
  trap 'installed && apt remove trelmo >/dev/null 2>&1' EXIT
  apt install "$deb" >/dev/null || fail "apt-get install $deb"
  installed || fail "trelmo is not installed after apt-get install"
  files=$(dpkg-query -L trelmo 2>/dev/null | while read -r f; do [ -f "$f" ] && echo "$f"; done)
  for f in /usr/bin/trelmo /usr/share/applications/trelmo.desktop /usr/share/man/man6/trelmo.6; do
    [ -f "$f" ] || fail "$f is missing after the install"
  done
  apt remove trelmo >/dev/null || fail "apt-get remove trelmo"
  state=$(dpkg-query -W -f='${db:Status-Abbrev}' trelmo 2>/dev/null)
  case "$state" in "" | un*) ;; *) fail "trelmo is left in state '$state' after apt-get remove" ;; esac
  for f in $files; do [ ! -e "$f" ] || fail "$f is left after apt-get remove"; done
  exit "$failed"
fi

tree=$1 out=$2
rm -rf "$out"
cpack -G DEB --config "$tree/CPackConfig.cmake" -B "$out" >/dev/null || { echo "FAIL cpack -G DEB" >&2; exit 1; }
deb=$(ls "$out"/trelmo_1.20.32.0_*.deb 2>/dev/null | head -1)
[ -n "$deb" ] || { echo "FAIL no trelmo_1.20.32.0_*.deb in $out" >&2; exit 1; }

[ "$(dpkg-deb -f "$deb" Package)" = trelmo ] || fail "the package is not named trelmo"
[ "$(dpkg-deb -f "$deb" Section)" = games ] || fail "the package is not in the games section"
depends=$(dpkg-deb -f "$deb" Depends)
for library in libgtk-3-0 libpulse0 libc6; do
  echo "$depends" | grep -q "$library" || fail "Depends lacks $library: $depends"
done

# Its files: those of an installation under /usr, and nothing else.
contents=$(dpkg-deb -c "$deb" | awk '$1 !~ /^d/ { print $6 }' | sed 's|^\./||' | sort)
expected=$(cd "$out" && rm -rf tree && cmake --install "$tree" --prefix "$out/tree/usr" >/dev/null &&
  cd tree && find . -type f | sed 's|^\./||' | sort)
[ -n "$expected" ] && [ "$contents" = "$expected" ] || fail "the package's files differ from an installation's:
$(diff <(echo "$expected") <(echo "$contents"))"
exit "$failed"
