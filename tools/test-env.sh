# The one environment in which the Windows program and its tests run, for
# dev.sh and the end-to-end cases alike (sourced, not run): which Windows
# build runs on this machine, how Wine is called, its prefix, and X servers.
#
# trelmo.exe is a 32-bit program. Some machines cannot execute 32-bit code at
# all (Debian's 32-bit Wine loader then fails with "Exec format error"); there
# the Windows tests run the same sources built for x86-64 on 64-bit Wine.
# Call wine_select once Wine is installed.

wine_select() {
  local top=$1
  if /usr/lib/wine/wine --version >/dev/null 2>&1; then
    WIN_TREE=$top/build/win32
    WIN_TOOLCHAIN=$top/cmake/mingw-i686.cmake
    WINE_LOADER=wine
    WINESERVER_CMD=wineserver
    export WINEARCH=win32
  else
    WIN_TREE=$top/build/win64
    WIN_TOOLCHAIN=$top/cmake/mingw-x86_64.cmake
    # The wine and wineserver commands prefer the 32-bit programs whenever
    # they are installed.
    WINE_LOADER=/usr/lib/wine/wine64
    WINESERVER_CMD=/usr/lib/wine/wineserver64
    export WINEARCH=win64 WINESERVER=/usr/lib/wine/wineserver64
  fi
  export WINEDEBUG=-all
  # No Mono or Gecko installers: the game needs neither.
  export WINEDLLOVERRIDES="mscoree,mshtml="
}

# The program and its tests run with code page 936, so that the GBK texts
# show as Chinese.
WINE_LOCALE=zh_CN.UTF-8
wine_run() { LC_ALL=$WINE_LOCALE "$WINE_LOADER" "$@"; }
wineserver_run() { "$WINESERVER_CMD" "$@"; }

# The fonts the game asks for (the dialogs' 宋体, the score table's stock
# font), replaced in the prefix by a font that holds Chinese: Wine has
# none of them, and what it falls back to shows no Chinese.
WINE_CHINESE_FONT="WenQuanYi Micro Hei"
WINE_REPLACED_FONTS=("宋体" "SimSun" "MS Sans Serif")

# wine_prepare_prefix DIR: a prefix made once in DIR; wineboot is the slow
# part, so callers copy a prepared one rather than make another.
wine_prepare_prefix() {
  [ -f "$1/system.reg" ] && return 0
  mkdir -p "$(dirname "$1")"
  WINEPREFIX=$1 DISPLAY= LC_ALL=$WINE_LOCALE timeout 180 "$WINE_LOADER" wineboot -i >/dev/null 2>&1 || true
  local face reg=$1.fonts.reg
  {
    printf 'Windows Registry Editor Version 5.00\r\n\r\n[HKEY_CURRENT_USER\\Software\\Wine\\Fonts\\Replacements]\r\n'
    for face in "${WINE_REPLACED_FONTS[@]}"; do printf '"%s"="%s"\r\n' "$face" "$WINE_CHINESE_FONT"; done
  } | iconv -f UTF-8 -t UTF-16 >"$reg"
  WINEPREFIX=$1 DISPLAY= LC_ALL=$WINE_LOCALE "$WINE_LOADER" regedit /S "$reg" >/dev/null 2>&1 || true
  rm -f "$reg"
  WINEPREFIX=$1 "$WINESERVER_CMD" -w >/dev/null 2>&1 || true
  [ -f "$1/system.reg" ]
}

# wine_set_log_pixels PREFIX DPI: the screen resolution, in dots per inch,
# that Wine gives the programs of PREFIX from their next start (96 when
# nothing says otherwise). Wine 8 reads LogPixels from the user's
# Control Panel\Desktop first and falls back on the machine's
# HKEY_CURRENT_CONFIG\Software\Fonts, where wineboot writes 96: both are
# set, so that neither contradicts the other. The dialog font and every
# system metric follow it. Run while no program of the prefix runs.
wine_set_log_pixels() {
  local prefix=$1 value
  value=$(printf 'dword:%08x' "$2")
  local reg=$prefix/drive_c/log-pixels.reg
  printf 'REGEDIT4\r\n\r\n[HKEY_CURRENT_USER\\Control Panel\\Desktop]\r\n"LogPixels"=%s\r\n\r\n[HKEY_CURRENT_CONFIG\\Software\\Fonts]\r\n"LogPixels"=%s\r\n' \
    "$value" "$value" >"$reg"
  WINEPREFIX=$prefix DISPLAY= LC_ALL=$WINE_LOCALE "$WINE_LOADER" regedit /S 'C:\log-pixels.reg' >/dev/null 2>&1
  rm -f "$reg"
  # The registry reaches the prefix's files when its wineserver ends.
  WINEPREFIX=$prefix "$WINESERVER_CMD" -w >/dev/null 2>&1
  grep -qx "\"LogPixels\"=$value" "$prefix/user.reg"
}

# xvfb_start [ARGS...]: an X server of our own, 1024 x 768 (or
# XVFB_SCREEN, as WIDTHxHEIGHTxDEPTH), on a free display; sets XVFB_DISPLAY
# (":N") and XVFB_PID, and returns once it answers.
xvfb_start() {
  local n=$((140 + RANDOM % 200)) i
  while [ -e "/tmp/.X$n-lock" ] || [ -e "/tmp/.X11-unix/X$n" ]; do n=$((n + 1)); done
  # -noreset: the server would otherwise reset when its last client leaves
  # (here the xdpyinfo below) and refuse whoever connects meanwhile.
  Xvfb ":$n" -screen 0 "${XVFB_SCREEN:-1024x768x24}" -nolisten tcp -noreset "$@" >/dev/null 2>&1 &
  XVFB_PID=$!
  XVFB_DISPLAY=":$n"
  for i in $(seq 50); do
    xdpyinfo -display "$XVFB_DISPLAY" >/dev/null 2>&1 && return 0
    sleep 0.2
  done
  return 1
}

xvfb_stop() {
  if [ -n "${XVFB_PID:-}" ]; then
    kill "$XVFB_PID" 2>/dev/null
    wait "$XVFB_PID" 2>/dev/null
  fi
  XVFB_PID=
  return 0
}
