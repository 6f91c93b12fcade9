#!/usr/bin/env bash
# Runs a test program under Wine as an unprivileged user with a Wine prefix of its own:
# root ignores the read-only attribute, an ordinary user does not.
#   run_unprivileged.sh PREFIX_DIR TEST_EXE [ARGS...]
set -euo pipefail
prefix="$1"; shift
if [ "$(id -u)" -ne 0 ]; then
  exec wine "$@"
fi
uid=65534
if [ ! -f "$prefix/.ready" ]; then
  rm -rf "$prefix"
  mkdir -p "$prefix/home"
  chown -R "$uid:$uid" "$prefix"
  setpriv --reuid=$uid --regid=$uid --clear-groups \
    env HOME="$prefix/home" WINEPREFIX="$prefix/wine" wineboot -i >/dev/null 2>&1 </dev/null
  touch "$prefix/.ready"
fi
exec setpriv --reuid=$uid --regid=$uid --clear-groups \
  env HOME="$prefix/home" WINEPREFIX="$prefix/wine" wine "$@"
