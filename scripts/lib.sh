# Shared by scripts/run, scripts/test and scripts/bench: installs what is missing,
# builds, and prepares Wine and a display. Source it; it changes nothing else.
set -euo pipefail

ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
BUILD="${PELKOR_BUILD_DIR:-$ROOT/build}"
# fonts-wine: the symbols Wine draws its caption buttons with.
PACKAGES=(cmake make g++-mingw-w64-x86-64-posix googletest wine wine64 xvfb xauth x11-utils
          fonts-wine fonts-ipafont-gothic locales imagemagick xdotool)
PACKAGES+=(g++-mingw-w64-i686-posix)

# PELKOR_ARCH=i686 builds the 32-bit exe, in a folder of its own beside the 64-bit one.
ARCH="${PELKOR_ARCH:-x86_64}"
case "$ARCH" in
  x86_64) ;;
  i686) BUILD="$BUILD-i686" ;;
  *) printf '== PELKOR_ARCH is x86_64 or i686, not %s\n' "$ARCH" >&2; exit 2 ;;
esac

log() { printf '== %s\n' "$*" >&2; }

ensure_packages() {
  local missing=()
  for p in "${PACKAGES[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  log "installing ${missing[*]}"
  local sudo=""
  [ "$(id -u)" -eq 0 ] || sudo="sudo"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
}

# Debian's 32-bit Wine loader. Once it is there, Debian's wine command starts every
# program with it, 64-bit ones too, so a Wine prefix then needs its 32-bit half.
WINE32_LOADER=/usr/lib/wine/wine
# yes when this machine can run the 32-bit build's programs under Wine (ensure_wine32).
WINE32=no

# 32-bit Wine, for the 32-bit build. It is installed only where 32-bit x86 programs run
# at all: on a machine whose kernel runs none (some virtual machines), it could not start,
# and would take every Wine program down with it.
ensure_wine32() {
  if "$WINE32_LOADER" --version >/dev/null 2>&1; then WINE32=yes; return 0; fi
  if [ -e "$WINE32_LOADER" ]; then
    log "$WINE32_LOADER is installed but cannot run: every wine command fails here; remove wine32:i386"
    exit 1
  fi
  local sudo="" apt=(apt-get -o DPkg::Lock::Timeout=600)
  [ "$(id -u)" -eq 0 ] || sudo="sudo"
  # Debian lists i386 packages only once the architecture is added and the lists read anew.
  dpkg --print-foreign-architectures | grep -qx i386 || $sudo dpkg --add-architecture i386
  local listed=no
  if ! dpkg-query -W -f='${Status}' libc6:i386 2>/dev/null | grep -q 'install ok installed'; then
    log "installing libc6:i386, to see whether this machine runs 32-bit programs"
    $sudo "${apt[@]}" update -qq
    listed=yes
    DEBIAN_FRONTEND=noninteractive $sudo "${apt[@]}" install -y -qq --no-install-recommends libc6:i386 >/dev/null
  fi
  if ! /lib/ld-linux.so.2 --version >/dev/null 2>&1; then
    log "this machine runs no 32-bit x86 programs, so no 32-bit Wine: wine32:i386 is left out"
    return 0
  fi
  log "installing wine32:i386"
  [ "$listed" = yes ] || $sudo "${apt[@]}" update -qq
  DEBIAN_FRONTEND=noninteractive $sudo "${apt[@]}" install -y -qq --no-install-recommends wine32:i386 >/dev/null
  WINE32=yes
}

# For scripts/run and scripts/bench, which start the build's programs.
require_runnable() {
  [ "$ARCH" = x86_64 ] && return 0
  ensure_wine32
  [ "$WINE32" = yes ] && return 0
  log "the 32-bit build cannot be started on this machine (no 32-bit Wine)"
  exit 1
}

# Wine takes the ANSI code page from the locale: ja_JP.UTF-8 gives code page 932.
ensure_locale() {
  if ! locale -a 2>/dev/null | grep -qiE '^ja_JP\.utf-?8$'; then
    local dir="$BUILD/locale"
    if [ ! -d "$dir/ja_JP.UTF-8" ]; then
      log "compiling the ja_JP.UTF-8 locale into $dir"
      mkdir -p "$dir"
      localedef -i ja_JP -f UTF-8 "$dir/ja_JP.UTF-8" 2>/dev/null || true
    fi
    export LOCPATH="$dir"
  fi
  # bash itself cannot switch to a locale it was not started with; only its children need it.
  { export LC_ALL=ja_JP.UTF-8; } 2>/dev/null
}

build() {
  log "building $ARCH in $BUILD"
  LC_ALL=C cmake -S "$ROOT" -B "$BUILD" -DCMAKE_TOOLCHAIN_FILE="$ROOT/cmake/mingw-w64-$ARCH.cmake" "$@" >/dev/null
  LC_ALL=C cmake --build "$BUILD" -j"$(nproc)" -- --no-print-directory >/dev/null
}

# PELKOR_PLAIN_WINE=1: a prefix as a player has it after wineboot, with no virtual desktop
# and no font mapping, beside the project's own.
wine_env() {
  if [ -n "${PELKOR_PLAIN_WINE:-}" ]; then
    export WINEPREFIX="$BUILD/wineprefix-plain"
  else
    export WINEPREFIX="$BUILD/wineprefix"
  fi
  export WINEARCH=win64
  export WINEDEBUG=-all
  export WINEDLLOVERRIDES="mscoree,mshtml="
}

XVFB_PID=""
start_display() {
  local n=90
  while [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ]; do n=$((n + 1)); done
  Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
  XVFB_PID=$!
  export DISPLAY=":$n"
  for _ in $(seq 50); do [ -e "/tmp/.X11-unix/X$n" ] && return 0; sleep 0.1; done
  log "Xvfb did not start"; return 1
}

# The project's own prefix: what the tests and screenshots rely on.
tune_prefix() {
  # One virtual desktop, so windows get Wine's own frames with no window manager.
  wine reg add 'HKCU\Software\Wine\Explorer' /v Desktop /d Default /f >/dev/null 2>&1 </dev/null
  wine reg add 'HKCU\Software\Wine\Explorer\Desktops' /v Default /d 1024x768 /f >/dev/null 2>&1 </dev/null
  # Japanese faces the program asks for, mapped to the IPA fonts Debian ships.
  local face
  for face in 'ＭＳ Ｐゴシック' 'MS PGothic' 'MS UI Gothic'; do
    wine reg add 'HKCU\Software\Wine\Fonts\Replacements' /v "$face" /d IPAPGothic /f >/dev/null 2>&1 </dev/null
  done
  wine reg add 'HKCU\Software\Wine\Fonts\Replacements' /v 'ＭＳ ゴシック' /d IPAGothic /f >/dev/null 2>&1 </dev/null
  # Wine's own faces (Marlett draws the caption buttons): Debian's Wine 8 looks for them
  # under a path it cannot resolve, so they go where every Windows font lies.
  cp /usr/share/wine/fonts/*.ttf "$WINEPREFIX/drive_c/windows/Fonts/" 2>/dev/null || true
}

stop_all() {
  if [ -n "${WINEPREFIX:-}" ]; then wineserver -k >/dev/null 2>&1 || true; fi
  if [ -n "$XVFB_PID" ]; then kill "$XVFB_PID" 2>/dev/null || true; wait "$XVFB_PID" 2>/dev/null || true; fi
}

# The first Wine process starts Wine's services, which inherit its output: start them
# here with output to /dev/null so that no test runner waits on their pipes.
warm_wine() {
  wine_env
  local dpi="${PELKOR_DPI:-96}"
  # A prefix made before 32-bit Wine was installed has no 32-bit half, and every wine
  # command in it fails ("could not load kernel32.dll"): make it anew.
  if [ -x "$WINE32_LOADER" ] && [ -d "$WINEPREFIX/drive_c/windows" ] &&
     [ ! -e "$WINEPREFIX/drive_c/windows/syswow64/kernel32.dll" ]; then
    log "the Wine prefix $WINEPREFIX has no 32-bit half: making it anew"
    wineserver -k >/dev/null 2>&1 || true
    rm -rf "$WINEPREFIX"
  fi
  mkdir -p "$WINEPREFIX"
  # One persistent server for the whole session, started before any Wine program so that
  # it is the one they all use.
  wineserver -p >/dev/null 2>&1 </dev/null || true  # one may be running already
  if [ ! -f "$WINEPREFIX/.pelkor-ready" ]; then
    log "preparing the Wine prefix $WINEPREFIX"
    wineboot -i >/dev/null 2>&1 </dev/null || true
    [ -n "${PELKOR_PLAIN_WINE:-}" ] || tune_prefix
    touch "$WINEPREFIX/.pelkor-ready"
    # Preparing a prefix leaves a second copy of Wine's service manager running; with two
    # of them, the test programs late in a first run each took some 20 s to end. Start afresh.
    wineserver -k >/dev/null 2>&1 </dev/null || true
    wineserver -w >/dev/null 2>&1 </dev/null || true
    wineserver -p >/dev/null 2>&1 </dev/null
  fi
  # A drive whose root is a scratch folder, for the tests of a program at a drive root.
  mkdir -p "$BUILD/scratch-drive"
  ln -sfn "$BUILD/scratch-drive" "$WINEPREFIX/dosdevices/r:"
  export PELKOR_SCRATCH_DRIVE=R:
  wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$dpi" /f >/dev/null 2>&1 </dev/null
  wine cmd /c exit >/dev/null 2>&1 </dev/null || true
}
