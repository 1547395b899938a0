#!/usr/bin/env bash
# The man pages: groff finds nothing to warn about, and every option that
# quantiva-cli --help lists is described in quantiva-cli(1).
# usage: man_test.sh MAN_DIR QUANTIVA_CLI
set -euo pipefail
man_dir=$1 cli=$2
status=0

for page in "$man_dir"/*.1; do
  warnings=$(MANWIDTH=80 man --warnings -l "$page" 2>&1 >/dev/null)
  if [ -n "$warnings" ]; then
    echo "$(basename "$page"): $warnings"
    status=1
  fi
done

for option in $("$cli" --help | grep -o -- '--[a-z]\+' | sort -u); do
  if ! grep -q -- "^\.B[IR]\? ${option//-/\\\\-}\b" "$man_dir/quantiva-cli.1"; then
    echo "quantiva-cli(1) does not describe $option"
    status=1
  fi
done
exit $status
