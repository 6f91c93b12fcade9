#!/usr/bin/env bash
# Runs a test program under Wine as an unprivileged user with a Wine prefix of its own:
# root ignores the read-only attribute, an ordinary user does not.
#   run_unprivileged.sh WINE PREFIX_DIR TEST_EXE [ARGS...]
# WINE is the Wine loader for the test program's processor; the wineserver beside it, where
# there is one, is its server. Each Wine version gets a prefix of its own under PREFIX_DIR,
# so that none upgrades another's.
# The other user's Wine gets a display of its own and is shut down afterwards, so that
# nothing of it stays on the tests' display or outlives the test.
set -euo pipefail
wine="$1"; prefix="$2"; shift 2
if [ "$(id -u)" -ne 0 ]; then
  exec "$wine" "$@"
fi
prefix="$prefix/$("$wine" --version | cut -d' ' -f1)"
wineserver="$(dirname "$wine")/wineserver"
[ -x "$wineserver" ] || wineserver=wineserver
uid=65534
as_user() {
  setpriv --reuid=$uid --regid=$uid --clear-groups \
    env HOME="$prefix/home" WINEPREFIX="$prefix/wine" DISPLAY="$display" "$@"
}

n=150
while [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ]; do n=$((n + 1)); done
display=":$n"
Xvfb "$display" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 </dev/null &
xvfb=$!
cleanup() {
  as_user "$wineserver" -k >/dev/null 2>&1 || true
  kill "$xvfb" 2>/dev/null || true
  wait "$xvfb" 2>/dev/null || true
}
trap cleanup EXIT
for _ in $(seq 50); do [ -e "/tmp/.X11-unix/X$n" ] && break; sleep 0.1; done

# A prefix made before Debian's 32-bit Wine was installed has no 32-bit half, and every
# wine command in it then fails ("could not load kernel32.dll"): it is made anew.
if [ ! -f "$prefix/.ready" ] ||
   { [ -x "$(dirname "$wine")/wine" ] && [ ! -e "$prefix/wine/drive_c/windows/syswow64/kernel32.dll" ]; }; then
  rm -rf "$prefix"
  mkdir -p "$prefix/home"
  chown -R "$uid:$uid" "$prefix"
  as_user "$wine" wineboot -i >/dev/null 2>&1 </dev/null
  touch "$prefix/.ready"
fi
# Its Wine services start here, away from the test runner's output.
as_user "$wine" cmd /c exit >/dev/null 2>&1 </dev/null || true
as_user "$wine" "$@"
