#!/usr/bin/env bash
# install_check.sh TREE PREFIX: cmake --install of the build tree into an
# empty PREFIX puts there exactly what a desktop game installs, and the
# desktop's own validators accept the menu entry and the metainfo.
set -u
tree=$1 prefix=$2
failed=0
fail() { echo "FAIL $*" >&2; failed=1; }

rm -rf "$prefix"
cmake --install "$tree" --prefix "$prefix" >/dev/null || { echo "FAIL cmake --install" >&2; exit 1; }
cd "$prefix"

metainfo=$(ls share/metainfo/*.metainfo.xml 2>/dev/null | head -1)
sizes="16 32 64 96 128 192 256"
expected=$( (echo bin/trelmo share/applications/trelmo.desktop share/man/man6/trelmo.6 "$metainfo"
  for s in $sizes; do echo "share/icons/hicolor/${s}x$s/apps/trelmo.png"; done) | tr ' ' '\n' | sort)
found=$(find . -type f | sed 's|^\./||' | sort)
[ "$found" = "$expected" ] || fail "installed files differ from the expected ones:
$(diff <(echo "$expected") <(echo "$found"))"
[ -x bin/trelmo ] || fail "bin/trelmo is not executable"

# The menu entry: valid, and the keys that put a game among the games,
# find it by its words and show launch feedback.
entry=share/applications/trelmo.desktop
desktop-file-validate "$entry" || fail "desktop-file-validate rejects $entry"
for line in Exec=trelmo Icon=trelmo StartupNotify=true; do
  grep -qx "$line" "$entry" || fail "$entry lacks $line"
done
grep -q '^Categories=Game;' "$entry" || fail "$entry is not in the Game category"
grep -q '^Keywords=.' "$entry" || fail "$entry has no Keywords"

# The metainfo: valid without the network, naming the menu entry, the
# release of the version block and a screenshot with its caption.
appstreamcli validate --no-net "$metainfo" >/dev/null || {
  appstreamcli validate --no-net "$metainfo" >&2
  fail "appstreamcli rejects $metainfo"
}
for wanted in '<launchable type="desktop-id">trelmo.desktop</launchable>' '<release version="1.20.32.0"' '<caption>'; do
  grep -qF "$wanted" "$metainfo" || fail "$metainfo lacks $wanted"
done

# The icons: each larger size the 32 x 32 picture, every pixel a whole
# square, never smoothed; 16 x 16 in the 32 x 32 picture's colours alone.
icon() { echo "share/icons/hicolor/${1}x$1/apps/trelmo.png"; }
colours() { convert "$1" -unique-colors -depth 8 txt:- | awk 'NR > 1 { print $3 }' | sort; }
for s in $sizes; do
  [ "$(identify -format '%wx%h' "$(icon "$s")" 2>/dev/null)" = "${s}x$s" ] || fail "$(icon "$s") is not $s x $s"
  if [ "$s" = 16 ]; then
    blended=$(comm -23 <(colours "$(icon 16)") <(colours "$(icon 32)") | wc -l)
    [ "$blended" = 0 ] || fail "$(icon 16) holds $blended colours that the 32 x 32 icon does not"
    continue
  fi
  differing=$(convert "$(icon 32)" -scale "$((s / 32 * 100))%" png:- | compare -metric AE - "$(icon "$s")" null: 2>&1)
  [ "$differing" = 0 ] || fail "$(icon "$s") is not the 32 x 32 icon scaled by whole pixels ($differing differ)"
done

# The manual, in section 6, of this version.
head -1 share/man/man6/trelmo.6 | grep -q '^\.TH TRELMO 6 .*1\.20\.32\.0' || fail "trelmo.6 is not the section 6 manual of 1.20.32.0"

exit "$failed"
