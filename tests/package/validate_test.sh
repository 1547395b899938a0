#!/usr/bin/env bash
# The desktop entry and the metainfo pass their validators without a remark:
# hints and infos fail too, only AppStream's pedantic notes pass.
# usage: validate_test.sh desktop|metainfo FILE
set -uo pipefail
case $1 in
  desktop) out=$(desktop-file-validate "$2" 2>&1) ;;
  metainfo) out=$(appstreamcli validate --no-net "$2" 2>&1) ;;
  *) echo "unknown kind $1" >&2; exit 2 ;;
esac
status=$?
remarks=$(grep -v -e '^P: ' -e '^$' -e '^✔ Validation was successful' <<<"$out")
[ "$status" -eq 0 ] && [ -z "$remarks" ] && exit 0
echo "$out"
exit 1
