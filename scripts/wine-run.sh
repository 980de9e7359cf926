#!/usr/bin/env bash
# Runs a 64-bit Windows program under Wine with the project's environment
# (CTest's cross-compiling emulator).
#
# Now and then, on a loaded machine, Wine ends a program before it has run a
# line of it: a non-zero code and not one byte of output. Such a start is
# tried once more and noted in $TAVI_WINE_RUN_LOG; a program that fails the
# same way twice fails as usual.
source "$(dirname "$0")/wine-env.sh"

out=$(mktemp)
trap 'rm -f "$out"' EXIT
for attempt in 1 2; do
  start=$(date +%s%N)
  "$WINE64" "$@" | tee "$out"
  rc=${PIPESTATUS[0]}
  if [ "$rc" -eq 0 ] || [ -s "$out" ] || [ "$attempt" -eq 2 ]; then
    break
  fi
  line="$(date -u +%FT%TZ) exit code $rc after $(( ($(date +%s%N) - start) / 1000000 )) ms without output, started again: $*"
  echo "wine-run: $line" >&2
  [ -n "${TAVI_WINE_RUN_LOG:-}" ] && echo "$line" >>"$TAVI_WINE_RUN_LOG"
done
exit "$rc"
