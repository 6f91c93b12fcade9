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
#   installs libc6:i386 and wine32:i386 (where the mirror's i386 list of security updates
#   lags behind, the i386 libraries it needs are fetched from the mirror's pool at the amd64
#   version, and the amd64 ones upgraded to match);
# - where the kernel runs no 32-bit code: mounts binfmt_misc on /proc/sys/fs/binfmt_misc,
#   installs qemu-user-static and registers its qemu-i386-static as the handler of i386
#   ELF files (the registration lasts until the next boot);
# - removes apt pin files (/etc/apt/preferences, /etc/apt/preferences.d/*) that keep
#   wine32:i386 off the machine, where 32-bit programs run;
# - for Wine 10 (PELKOR_WINE=10, and scripts/test's third pass): installs mmdebstrap and
#   bubblewrap, and makes, once, a Debian 13 root file system holding Debian's Wine 10 in
#   /var/cache/pelkor/wine10-trixie (PELKOR_WINE10_ROOT): some 210 MB downloaded, 1.1 GB on
#   disk, 3 to 6 minutes; its Wine prefixes lie in the build folder beside Wine 8's.
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

# apt's package lists read anew. A mirror in the middle of a sync can fail one list for a
# while; after three tries the run goes on with the lists apt has, and an install that
# then finds no package still fails loudly.
apt_update() {
  local try
  for try in 1 2 3; do
    as_root apt-get -o DPkg::Lock::Timeout=600 update -qq && return 0
    [ "$try" -lt 3 ] && { log "apt-get update failed (try $try of 3); again in 20 s"; sleep 20; }
  done
  log "apt-get update could not read every package list; going on with the lists apt has"
}

# ensure_packages [PACKAGE...]: those, or PACKAGES, installed where missing.
ensure_packages() {
  local missing=() p
  [ $# -gt 0 ] || set -- "${PACKAGES[@]}"
  for p in "$@"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  log "installing ${missing[*]}"
  apt_update
  apt_install "${missing[@]}"
}

# Debian's Wine loaders. Once 32-bit Wine is installed, Debian's wine command starts the
# 32-bit one first, even for 64-bit programs: the scripts call the loader they need.
WINE32_LOADER=/usr/lib/wine/wine

# PELKOR_WINE=8 (Debian 12's, this machine's own) or 10 (Debian 13's, run from a root file
# system of its own by scripts/wine10): the Wine the build's programs run under. Unset, it
# is 8, and scripts/test runs the x86-64 suite under both. The 32-bit build has Wine 8 only.
# Each Wine has prefixes of its own: one never upgrades the other's.
WINE_VERSION="${PELKOR_WINE:-8}"
export PELKOR_WINE10_ROOT="${PELKOR_WINE10_ROOT:-/var/cache/pelkor/wine10-trixie}"
WINE10_WRAPPER="$ROOT/scripts/wine10"
# WINE_SYSTEM: the root file system the Wine in use comes from, empty for this machine's.
case "$WINE_VERSION" in
  8)
    WINE64_LOADER=/usr/lib/wine/wine64
    WINESERVER=/usr/lib/wine/wineserver
    # The 32-bit loader that a 64-bit prefix starts for its 32-bit half, where installed.
    WINE_HALF32="$WINE32_LOADER"
    WINE_SYSTEM=""
    WINE_PREFIX_SUFFIX="" ;;
  10)
    if [ "$ARCH" != x86_64 ]; then log "the $ARCH build runs under Wine 8 only (PELKOR_WINE=8)"; exit 2; fi
    WINE64_LOADER="$WINE10_WRAPPER/wine64"
    WINESERVER="$WINE10_WRAPPER/wineserver"
    WINE_HALF32=""
    WINE_SYSTEM="$PELKOR_WINE10_ROOT"
    WINE_PREFIX_SUFFIX=-wine10 ;;
  *) log "PELKOR_WINE is 8 or 10, not $WINE_VERSION"; exit 2 ;;
esac
# The loader for the build's own programs, the tests' among them (wine_env sets WINE to it
# where installed), and for Wine's own tools, which are 64-bit in the 64-bit prefixes the
# scripts make.
PROGRAM_LOADER="$WINE64_LOADER"
[ "$ARCH" = x86_64 ] || PROGRAM_LOADER="$WINE32_LOADER"
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

# wine32:i386 installed. Where a mirror's i386 list of security updates lags behind its
# amd64 one, apt offers i386 libraries older than the amd64 ones, finds no set with both at
# one version and gives up: those i386 packages are then fetched from the same pool at the
# amd64 version and installed with Wine.
install_wine32() {
  apt_install wine32:i386 && return 0
  log "apt found no matching i386 libraries for wine32:i386; fetching those whose list lags behind"
  ensure_packages curl
  local dir p name i386 amd64 base file
  dir=$(mktemp -d)
  for p in $(apt-cache depends --recurse --no-recommends --no-suggests --no-conflicts --no-breaks \
               --no-replaces --no-enhances wine32:i386 2>/dev/null | grep -v '^ ' | grep ':i386$' | sort -u); do
    name=${p%:i386}
    i386=$(apt-cache policy "$p" | awk '/Candidate:/ { print $2 }')
    amd64=$(apt-cache policy "$name:amd64" | awk '/Candidate:/ { print $2 }')
    [ -n "$amd64" ] && [ "$amd64" != "(none)" ] && [ "$amd64" != "$i386" ] || continue
    # The archive the amd64 candidate comes from: the line after its version in the table.
    base=$(apt-cache policy "$name:amd64" | awk -v v="$amd64" \
      'f { print $2; exit } /Version table:/ { t = 1; next } t && ($1 == v || ($1 == "***" && $2 == v)) { f = 1 }')
    file=$(apt-cache show "$name:amd64=$amd64" | awk '/^Filename:/ { print $2; exit }')
    log "fetching $name:i386 $amd64"
    curl -fsS -o "$dir/$(basename "${file%_amd64.deb}_i386.deb")" "$base/${file%_amd64.deb}_i386.deb" ||
      { log "could not fetch $name:i386 $amd64 from $base"; exit 1; }
  done
  compgen -G "$dir/*.deb" >/dev/null || { log "wine32:i386 cannot be installed, and no list lags behind"; exit 1; }
  apt_install wine32:i386 "$dir"/*.deb
  rm -rf "$dir"
}

# 32-bit Wine, for the 32-bit build: natively where the kernel runs 32-bit code, else
# under qemu-user emulation where that can be set up; else none, and WINE32_HOW says why.
ensure_wine32() {
  WINE32=no
  # Debian lists i386 packages only once the architecture is added and the lists read anew.
  if ! dpkg --print-foreign-architectures | grep -qx i386; then
    as_root dpkg --add-architecture i386
    apt_update
  fi
  if ! dpkg-query -W -f='${Status}' libc6:i386 2>/dev/null | grep -q 'install ok installed'; then
    log "installing libc6:i386, to see whether this machine runs 32-bit programs"
    apt_install libc6:i386 || { apt_update; apt_install libc6:i386; }
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
    install_wine32
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

# The Wine in use as the scripts' summaries name it, such as "Wine 10.0 (Debian 13)".
wine_name() {
  local version
  version=$("$WINE64_LOADER" --version 2>/dev/null) || version=unknown
  version=${version#wine-}
  printf 'Wine %s (Debian %s)' "${version%% *}" "$(cut -d. -f1 "$WINE_SYSTEM/etc/debian_version")"
}

# Debian 13's packages for the Wine 10 root, with no recommends: Wine, its own faces, the
# Japanese faces, and the locales the tests need, generated inside (Wine there never sees
# this machine's LOCPATH).
WINE10_PACKAGES=wine64,fonts-wine,fonts-ipafont-gothic,locales
WINE10_LOCALES='en_US.UTF-8 UTF-8\nja_JP.UTF-8 UTF-8\n'

# wine10_failed STEP: ends the run, saying what failed and how to do without Wine 10.
wine10_failed() {
  log "Wine 10 is not available: $1"
  log "to run under this machine's Wine 8 alone: PELKOR_WINE=8 scripts/$(basename "$0")"
  exit 1
}

# The Wine 10 root, made with mmdebstrap where it is missing. It is made in a folder beside
# and renamed only once complete and starting Wine, so an interrupted making is done anew.
ensure_wine10() {
  local root="$PELKOR_WINE10_ROOT" tmp="$PELKOR_WINE10_ROOT.tmp" mmlog="$PELKOR_WINE10_ROOT.log" out
  ensure_packages bubblewrap || wine10_failed "the package bubblewrap could not be installed"
  if [ ! -d "$root" ]; then
    ensure_packages mmdebstrap || wine10_failed "the package mmdebstrap could not be installed"
    as_root rm -rf "$tmp"
    as_root mkdir -p "$(dirname "$root")"
    log "making the Wine 10 root $root with mmdebstrap (some 210 MB to download; its log: $mmlog)"
    # No mirror given, and nothing on its input: mmdebstrap takes Debian's own.
    as_root mmdebstrap --mode=root --variant=essential --aptopt='APT::Install-Recommends "false"' \
      --dpkgopt='path-exclude=/usr/share/doc/*' --dpkgopt='path-exclude=/usr/share/man/*' \
      --include="$WINE10_PACKAGES" \
      --customize-hook="printf '$WINE10_LOCALES' >\"\$1/etc/locale.gen\" && chroot \"\$1\" locale-gen" \
      trixie "$tmp" </dev/null >"$mmlog" 2>&1 ||
      wine10_failed "mmdebstrap could not make the root in $tmp (Debian 13 from Debian's mirror; its log: $mmlog)"
    as_root chmod 755 "$tmp"
    out=$(PELKOR_WINE10_ROOT="$tmp" "$WINE10_WRAPPER/wine64" --version 2>&1 </dev/null) ||
      wine10_failed "Wine 10 does not start in the new root $tmp: $out"
    as_root mv "$tmp" "$root"
    log "the Wine 10 root is made: $(du -sh "$root" | cut -f1) in $root"
  fi
  out=$("$WINE10_WRAPPER/wine64" --version 2>&1 </dev/null) ||
    wine10_failed "Wine 10 does not start from $root (a folder removed is made anew): $out"
}

# What the Wine in use needs beyond this machine's packages.
ensure_wine() {
  [ "$WINE_VERSION" = 8 ] || ensure_wine10
}

# For scripts/run and scripts/bench, which start the build's programs.
require_runnable() {
  ensure_wine
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

# The build's tests run under the Wine in use: configuring anew for the other Wine
# recompiles nothing. A warning in Pelkor's own code fails the build: the scripts share
# one build folder, so run and bench build with -Werror too rather than recompile all.
build() {
  log "building $ARCH in $BUILD"
  [ -x "$PROGRAM_LOADER" ] && set -- "$@" -DPELKOR_WINE="$PROGRAM_LOADER"
  LC_ALL=C cmake -S "$ROOT" -B "$BUILD" -DCMAKE_TOOLCHAIN_FILE="$ROOT/cmake/mingw-w64-$ARCH.cmake" \
    -DPELKOR_WERROR=ON "$@" >/dev/null
  LC_ALL=C cmake --build "$BUILD" -j"$(nproc)" -- --no-print-directory >/dev/null
}

# PELKOR_PLAIN_WINE=1: a prefix as a player has it after wineboot, with no virtual desktop
# and no font mapping, beside the project's own.
wine_env() {
  if [ -n "${PELKOR_PLAIN_WINE:-}" ]; then
    export WINEPREFIX="$BUILD/wineprefix-plain$WINE_PREFIX_SUFFIX"
  else
    export WINEPREFIX="$BUILD/wineprefix$WINE_PREFIX_SUFFIX"
  fi
  # Wine 10 sees the build folder even where it lies outside the clone.
  export PELKOR_WINE10_BIND="$BUILD"
  export WINEARCH=win64
  export WINEDEBUG=-all
  export WINEDLLOVERRIDES="mscoree,mshtml="
  WINE="$PROGRAM_LOADER"
  [ -x "$WINE" ] || WINE=wine
  WINE_TOOL="$WINE64_LOADER"
  [ -x "$WINE_TOOL" ] || WINE_TOOL=wine
  # Emulated 32-bit Wine: a 64-bit prefix starts it too, for its 32-bit half.
  if [ -x "$WINE_HALF32" ] && [ -e "$BINFMT/qemu-i386" ]; then
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
  cp "$WINE_SYSTEM"/usr/share/wine/fonts/*.ttf "$WINEPREFIX/drive_c/windows/Fonts/" ||
    { log "could not copy Wine's own fonts (package fonts-wine) into $WINEPREFIX"; return 1; }
}

stop_all() {
  if [ -n "${WINEPREFIX:-}" ]; then "$WINESERVER" -k >/dev/null 2>&1 || true; fi
  if [ -n "$XVFB_PID" ]; then kill "$XVFB_PID" 2>/dev/null || true; wait "$XVFB_PID" 2>/dev/null || true; fi
}

# The Wine server and every Wine program ended, and one persistent server started anew.
restart_wineserver() {
  "$WINESERVER" -k >/dev/null 2>&1 </dev/null || true
  "$WINESERVER" -w >/dev/null 2>&1 </dev/null || true
  "$WINESERVER" -p >/dev/null 2>&1 </dev/null
}

# The first Wine process starts Wine's services, which inherit its output: start them
# here with output to /dev/null so that no test runner waits on their pipes.
warm_wine() {
  wine_env
  local dpi="${PELKOR_DPI:-96}"
  # A prefix made before 32-bit Wine was installed has no 32-bit half, and every wine
  # command in it fails ("could not load kernel32.dll"): make it anew.
  if [ -x "$WINE_HALF32" ] && [ -d "$WINEPREFIX/drive_c/windows" ] &&
     [ ! -e "$WINEPREFIX/drive_c/windows/syswow64/kernel32.dll" ]; then
    log "the Wine prefix $WINEPREFIX has no 32-bit half: making it anew"
    "$WINESERVER" -k >/dev/null 2>&1 || true
    rm -rf "$WINEPREFIX"
  fi
  mkdir -p "$WINEPREFIX"
  # One persistent server for the whole session, started before any Wine program so that
  # it is the one they all use.
  "$WINESERVER" -p >/dev/null 2>&1 </dev/null || true  # one may be running already
  if [ ! -f "$WINEPREFIX/.pelkor-ready" ]; then
    log "preparing the Wine prefix $WINEPREFIX"
    # Marked ready only once made and tuned: a run that fails here makes it again next time.
    local boot_log="$BUILD/wineboot$WINE_PREFIX_SUFFIX.log" code=0
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
    restart_wineserver
  fi
  # A drive whose root is a scratch folder, for the tests of a program at a drive root.
  mkdir -p "$BUILD/scratch-drive"
  ln -sfn "$BUILD/scratch-drive" "$WINEPREFIX/dosdevices/r:"
  export PELKOR_SCRATCH_DRIVE=R:
  # Wine 10 takes the scale when its desktop starts, which the first Wine program does: a
  # new one is set with the server restarted, else the next window is drawn at the old one.
  if [ "$(cat "$WINEPREFIX/.pelkor-dpi" 2>/dev/null)" != "$dpi" ]; then
    "$WINE_TOOL" reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$dpi" /f >/dev/null 2>&1 </dev/null
    restart_wineserver
    echo "$dpi" >"$WINEPREFIX/.pelkor-dpi"
  fi
  "$WINE_TOOL" cmd /c exit >/dev/null 2>&1 </dev/null || true
}
