#!/usr/bin/env bash
# quantiva-cli against R writing the same 1,000,000-row normal table to
# /dev/null, in one run: wall time and peak resident memory of each, from
# /usr/bin/time. Usage: bench/cli_vs_r.sh [path/to/quantiva-cli] [repeats]
set -euo pipefail

cd "$(dirname "$0")/.."
CLI=${1:-build/cli/quantiva-cli}
REPEATS=${2:-3}
R_TABLE='x <- -5 + (0:999999) * 1e-5; writeLines(sprintf("%.4f\t\t%.4f\t\t%.4f", x, dnorm(x), pnorm(x)), "/dev/null")'

[ -x "$CLI" ] || { echo "build quantiva-cli first (cmake --build build --target quantiva-cli)" >&2; exit 2; }
command -v Rscript >/dev/null || { echo "Rscript not found (Debian: r-base-core)" >&2; exit 2; }

measure() {
  local label=$1
  shift
  for _ in $(seq "$REPEATS"); do
    /usr/bin/time -f "$label	%e s wall	%U s user	%S s sys	%M KB peak" "$@" >/dev/null
  done
}

measure "quantiva-cli text" "$CLI" normal --range -5 5 1000000
measure "quantiva-cli csv " "$CLI" normal --range -5 5 1000000 --csv
measure "R sprintf        " Rscript -e "$R_TABLE"
