# Shared by scripts/run, scripts/test and scripts/bench: installs what is missing,
# builds, and prepares Wine and a display. Source it.
#
# Beyond the build folder (build/ or PELKOR_BUILD_DIR, with -i686 for the 32-bit build: the
# build itself, its Wine prefixes, the ja_JP and en_US locales compiled with localedef where
# the system lacks them, a scratch drive), it changes this machine, as root (through sudo
# when not root):
# - installs Debian packages with apt-get (PACKAGES below, and gcc for the emulation fix),
#   reading apt's package lists anew first;
# - for the 32-bit build (scripts/test does one): adds the i386 architecture to dpkg and
#   installs libc6:i386 and wine32:i386;
# - where the kernel runs no 32-bit code: mounts binfmt_misc on /proc/sys/fs/binfmt_misc,
#   installs qemu-user-static and registers its qemu-i386-static as the handler of i386
#   ELF files (the registration lasts until the next boot);
# - removes apt pin files (/etc/apt/preferences, /etc/apt/preferences.d/*) that keep
#   wine32:i386 off the machine, where 32-bit programs run.
# While a script runs, it has its own Xvfb display and a Wine server, stopped at its end.
set -euo pipefail

ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
BUILD="${PELKOR_BUILD_DIR:-$ROOT/build}"
# fonts-wine: the symbols Wine draws its caption buttons with; zip: the release package.
PACKAGES=(cmake make g++-mingw-w64-x86-64-posix googletest wine wine64 xvfb xauth x11-utils
          fonts-wine fonts-ipafont-gothic locales imagemagick xdotool zip)
PACKAGES+=(g++-mingw-w64-i686-posix)

# PELKOR_ARCH=i686 builds the 32-bit exe, in a folder of its own beside the 64-bit one.
ARCH="${PELKOR_ARCH:-x86_64}"
case "$ARCH" in
  x86_64) ;;
  i686) BUILD="$BUILD-i686" ;;
  *) printf '== PELKOR_ARCH is x86_64 or i686, not %s\n' "$ARCH" >&2; exit 2 ;;
esac

log() { printf '== %s\n' "$*" >&2; }

as_root() { if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi; }
apt_install() {
  as_root env DEBIAN_FRONTEND=noninteractive apt-get -o DPkg::Lock::Timeout=600 install -y -qq \
    --no-install-recommends "$@" >/dev/null
}

ensure_packages() {
  local missing=()
  for p in "${PACKAGES[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  log "installing ${missing[*]}"
  as_root apt-get -o DPkg::Lock::Timeout=600 update -qq
  apt_install "${missing[@]}"
}

# Debian's Wine loaders. Once 32-bit Wine is installed, Debian's wine command starts the
# 32-bit one first, even for 64-bit programs: the scripts call the loader they need.
WINE32_LOADER=/usr/lib/wine/wine
WINE64_LOADER=/usr/lib/wine/wine64
# The loader for the build's own programs (wine_env sets it), and for Wine's own tools,
# which are 64-bit in the 64-bit prefixes the scripts make.
WINE=wine
WINE_TOOL=wine
# yes when this machine can run the 32-bit build's programs under Wine (ensure_wine32);
# WINE32_HOW says how, or why not.
WINE32=no
WINE32_HOW=""
# yes when 32-bit x86 programs run here only under qemu-user's emulator.
EMULATED32=no

runs_i386() { /lib/ld-linux.so.2 --version >/dev/null 2>&1; }

BINFMT=/proc/sys/fs/binfmt_misc
# The i386 ELF header, as qemu's own binfmt table gives it: 32-bit, little-endian,
# executables and shared objects of machine 3.
I386_MAGIC='\x7fELF\x01\x01\x01\x00\x00\x00\x00\x00\x00\x00\x00\x00\x02\x00\x03\x00'
I386_MASK='\xff\xff\xff\xff\xff\xfe\xfe\x00\xff\xff\xff\xff\xff\xff\xff\xff\xfe\xff\xff\xff'

# Where the kernel runs no 32-bit code, i386 programs can still run under qemu-user's
# emulator. Debian's qemu-user-static registers no i386 handler on amd64, since it
# expects native support: one is registered here, with F so that the kernel opens the
# emulator once and it serves in any mount namespace. Fails with WINE32_HOW set.
enable_i386_emulation() {
  if [ ! -e "$BINFMT/register" ] && ! as_root mount -t binfmt_misc binfmt_misc "$BINFMT" 2>/dev/null; then
    WINE32_HOW="binfmt_misc cannot be mounted here"
    return 1
  fi
  if [ ! -x /usr/bin/qemu-i386-static ]; then
    log "installing qemu-user-static, to run 32-bit programs under emulation"
    apt_install qemu-user-static || { WINE32_HOW="qemu-user-static could not be installed"; return 1; }
  fi
  if [ ! -e "$BINFMT/qemu-i386" ]; then
    log "registering qemu-i386-static with binfmt_misc for i386 programs"
    printf '%s' ":qemu-i386:M::$I386_MAGIC:$I386_MASK:/usr/bin/qemu-i386-static:F" |
      as_root tee "$BINFMT/register" >/dev/null 2>&1 ||
      { WINE32_HOW="the i386 handler could not be registered with binfmt_misc"; return 1; }
  fi
  [ "$(head -1 "$BINFMT/qemu-i386")" = enabled ] || echo 1 | as_root tee "$BINFMT/qemu-i386" >/dev/null
  runs_i386 || { WINE32_HOW="i386 programs do not start even under qemu-user"; return 1; }
}

# An apt pin that kept wine32:i386 off a machine where it could not run: where 32-bit
# programs run, it only stands in the way.
remove_wine32_pin() {
  local file
  for file in /etc/apt/preferences /etc/apt/preferences.d/*; do
    [ -f "$file" ] && grep -qiE '^Package:.*\bwine32\b' "$file" && grep -qE '^Pin-Priority: *-' "$file" || continue
    log "removing $file, an apt pin against wine32:i386: 32-bit programs run here"
    as_root rm -f "$file"
  done
}

# The emulated start's own costs cut where they lie (scripts/emulation): built for the
# 32-bit processes and, as an empty stand-in, for the 64-bit ones, since both inherit
# LD_PRELOAD ("$LIB" picks the right one).
EMULATION_LIB=""
build_emulation_fix() {
  local dir="$BUILD/emulation" src="$ROOT/scripts/emulation/mmap_noreplace.c"
  local lib32="$dir/lib/i386-linux-gnu/libpelkor_mmap.so" lib64="$dir/lib/x86_64-linux-gnu/libpelkor_mmap.so"
  if [ ! -e "$lib32" ] || [ "$src" -nt "$lib32" ] || [ ! -e "$lib64" ]; then
    command -v gcc >/dev/null || apt_install gcc
    mkdir -p "$(dirname "$lib32")" "$(dirname "$lib64")"
    gcc -m32 -O2 -fPIC -ffreestanding -fno-stack-protector -c "$src" -o "$dir/mmap_noreplace.o"
    ld -m elf_i386 -shared -o "$lib32" "$dir/mmap_noreplace.o"
    : | gcc -x c -fPIC -shared -nostdlib -o "$lib64" -
  fi
  EMULATION_LIB="$dir/\$LIB/libpelkor_mmap.so"
}

# 32-bit Wine, for the 32-bit build: natively where the kernel runs 32-bit code, else
# under qemu-user emulation where that can be set up; else none, and WINE32_HOW says why.
ensure_wine32() {
  WINE32=no
  # Debian lists i386 packages only once the architecture is added and the lists read anew.
  if ! dpkg --print-foreign-architectures | grep -qx i386; then
    as_root dpkg --add-architecture i386
    as_root apt-get -o DPkg::Lock::Timeout=600 update -qq
  fi
  if ! dpkg-query -W -f='${Status}' libc6:i386 2>/dev/null | grep -q 'install ok installed'; then
    log "installing libc6:i386, to see whether this machine runs 32-bit programs"
    apt_install libc6:i386 || { as_root apt-get -o DPkg::Lock::Timeout=600 update -qq; apt_install libc6:i386; }
  fi
  if [ -e "$BINFMT/qemu-i386" ] && runs_i386; then
    EMULATED32=yes
  elif runs_i386; then
    EMULATED32=no
  elif enable_i386_emulation; then
    EMULATED32=yes
  else
    log "no 32-bit Wine: this kernel runs no 32-bit x86 code, and $WINE32_HOW"
    return 0
  fi
  remove_wine32_pin
  if [ ! -x "$WINE32_LOADER" ]; then
    log "installing wine32:i386"
    apt_install wine32:i386
  fi
  if [ "$EMULATED32" = yes ]; then
    build_emulation_fix
    WINE32_HOW="under qemu-user emulation (binfmt_misc handler qemu-i386)"
  else
    WINE32_HOW="natively"
  fi
  if ! LD_PRELOAD="$EMULATION_LIB" "$WINE32_LOADER" --version >/dev/null 2>&1; then
    WINE32_HOW="$WINE32_LOADER does not start"
    log "no 32-bit Wine: $WINE32_HOW"
    return 0
  fi
  WINE32=yes
  log "32-bit programs run $WINE32_HOW"
}

# For scripts/run and scripts/bench, which start the build's programs.
require_runnable() {
  [ "$ARCH" = x86_64 ] && return 0
  ensure_wine32
  [ "$WINE32" = yes ] && return 0
  log "the 32-bit build cannot be started on this machine (no 32-bit Wine)"
  exit 1
}

# Wine takes the ANSI code page and the display language from the locale: ja_JP.UTF-8 gives
# code page 932 and the Japanese window. PELKOR_LOCALE=en_US.UTF-8 shows the English one; the
# tests need both locales.
ensure_locale() {
  local have; have=$(locale -a 2>/dev/null)
  if ! grep -qiE '^ja_JP\.utf-?8$' <<<"$have" || ! grep -qiE '^en_US\.utf-?8$' <<<"$have"; then
    # LOCPATH hides the system's locales, so both are compiled here.
    local dir="$BUILD/locale" name code errors
    for name in ja_JP en_US; do
      [ -e "$dir/$name.UTF-8/LC_CTYPE" ] && continue
      log "compiling the $name.UTF-8 locale into $dir"
      mkdir -p "$dir"
      # localedef exits 1 when it only warned and wrote the locale all the same.
      code=0
      errors=$(localedef -i "$name" -f UTF-8 "$dir/$name.UTF-8" 2>&1) || code=$?
      if [ "$code" -gt 1 ] || [ ! -e "$dir/$name.UTF-8/LC_CTYPE" ]; then
        rm -rf "${dir:?}/$name.UTF-8"
        log "the $name.UTF-8 locale could not be compiled (localedef exited $code: ${errors:-no message})"
        log "install the Debian package locales, which holds its definition: apt-get install locales"
        exit 1
      fi
    done
    export LOCPATH="$dir"
  fi
  # bash itself cannot switch to a locale it was not started with; only its children need it.
  { export LC_ALL="${PELKOR_LOCALE:-ja_JP.UTF-8}"; } 2>/dev/null
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
  if [ "$ARCH" = i686 ]; then WINE="$WINE32_LOADER"; else WINE="$WINE64_LOADER"; fi
  [ -x "$WINE" ] || WINE=wine
  WINE_TOOL="$WINE64_LOADER"
  [ -x "$WINE_TOOL" ] || WINE_TOOL=wine
  # Emulated 32-bit Wine: a 64-bit prefix starts it too, for its 32-bit half.
  if [ -x "$WINE32_LOADER" ] && [ -e "$BINFMT/qemu-i386" ]; then
    build_emulation_fix
    case " ${LD_PRELOAD:-} " in
      *" $EMULATION_LIB "*) ;;
      *) export LD_PRELOAD="$EMULATION_LIB${LD_PRELOAD:+ $LD_PRELOAD}" ;;
    esac
  fi
}

XVFB_PID=""
# Xvfb picks a free display itself and writes its number once it accepts clients, so two
# runs started together never take the same one.
start_display() {
  local fifo n=""
  fifo=$(mktemp -u "${TMPDIR:-/tmp}/pelkor-display.XXXXXX")
  mkfifo "$fifo"
  Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$fifo" >/dev/null 2>&1 &
  XVFB_PID=$!
  # The read ends at the number's line, or at end of file if Xvfb died first.
  read -r -t 20 n <"$fifo" || true
  rm -f "$fifo"
  if [ -z "$n" ] || ! kill -0 "$XVFB_PID" 2>/dev/null; then
    log "Xvfb did not start"
    return 1
  fi
  export DISPLAY=":$n"
}

# reg_add KEY VALUE DATA: one registry value in the prefix; fails with a message.
reg_add() {
  "$WINE_TOOL" reg add "$1" /v "$2" /d "$3" /f >/dev/null 2>&1 </dev/null && return 0
  log "could not set $1\\$2 in the Wine prefix $WINEPREFIX"
  return 1
}

# The project's own prefix: what the tests and screenshots rely on. Fails with a message.
tune_prefix() {
  # One virtual desktop, so windows get Wine's own frames with no window manager.
  reg_add 'HKCU\Software\Wine\Explorer' Desktop Default || return 1
  reg_add 'HKCU\Software\Wine\Explorer\Desktops' Default 1024x768 || return 1
  # Japanese faces the program asks for, mapped to the IPA fonts Debian ships.
  local face
  for face in 'ＭＳ Ｐゴシック' 'MS PGothic' 'MS UI Gothic'; do
    reg_add 'HKCU\Software\Wine\Fonts\Replacements' "$face" IPAPGothic || return 1
  done
  reg_add 'HKCU\Software\Wine\Fonts\Replacements' 'ＭＳ ゴシック' IPAGothic || return 1
  # Wine's own faces (Marlett draws the caption buttons): Debian's Wine 8 looks for them
  # under a path it cannot resolve, so they go where every Windows font lies.
  cp /usr/share/wine/fonts/*.ttf "$WINEPREFIX/drive_c/windows/Fonts/" ||
    { log "could not copy Wine's own fonts (package fonts-wine) into $WINEPREFIX"; return 1; }
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
    # Marked ready only once made and tuned: a run that fails here makes it again next time.
    local boot_log="$BUILD/wineboot.log" code=0
    "$WINE_TOOL" wineboot -i >"$boot_log" 2>&1 </dev/null || code=$?
    # The registry reaches its files only when the server saves it: the system DLLs show
    # that wineboot made the prefix.
    if [ "$code" -ne 0 ] || [ ! -f "$WINEPREFIX/drive_c/windows/system32/kernel32.dll" ]; then
      log "wineboot could not make the Wine prefix $WINEPREFIX (exit code $code); its output: $boot_log"
      exit 1
    fi
    if [ -z "${PELKOR_PLAIN_WINE:-}" ] && ! tune_prefix; then
      log "the Wine prefix $WINEPREFIX is not marked ready: the next run prepares it again"
      exit 1
    fi
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
  "$WINE_TOOL" reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$dpi" /f >/dev/null 2>&1 </dev/null
  "$WINE_TOOL" cmd /c exit >/dev/null 2>&1 </dev/null || true
}
