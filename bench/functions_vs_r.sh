#!/usr/bin/env bash
# Per-call time of each library function against R's equivalent on the same
# arguments, as one table. R (r-base-core) is needed here only, never by the
# tests.
#   bench/functions_vs_r.sh [BUILD_DIR] [FILTER]
# FILTER keeps the rows whose call text contains it (e.g. Normal).
set -euo pipefail
cd "$(dirname "$0")/.."
BUILD_DIR=${1:-build}
FILTER=${2:-}
command -v Rscript >/dev/null || { echo "Rscript not found: apt-get install r-base-core" >&2; exit 2; }
cmake --build "$BUILD_DIR" --target quantiva-vs-r >/dev/null

ours=$(mktemp)
trap 'rm -f "$ours" "$ours.R" "$ours.r"' EXIT
"$BUILD_DIR/bench/quantiva-vs-r" | awk -F'\t' -v f="$FILTER" 'index($1, f)' >"$ours"

# R times each expression on a vector of the same argument, growing the
# vector until one evaluation takes 50 ms, best of three.
cat >"$ours.R" <<'RSCRIPT'
rows <- read.delim(commandArgs(TRUE)[1], header = FALSE, quote = "",
                   col.names = c("call", "r", "x", "ns"), colClasses = "character")
timeit <- function(f, x) {
  n <- 1000
  repeat {
    X <- rep(x, n)
    t <- system.time(suppressWarnings(f(X)))[["elapsed"]]
    if (t >= 0.05 || n >= 1e7) break
    n <- n * 10
  }
  for (i in 1:2) t <- min(t, system.time(suppressWarnings(f(X)))[["elapsed"]])
  t / n * 1e9
}
for (i in seq_len(nrow(rows))) {
  f <- eval(parse(text = paste("function(X)", rows$r[i])))
  cat(sprintf("%.1f\n", timeit(f, as.numeric(rows$x[i]))))
}
RSCRIPT
Rscript "$ours.R" "$ours" >"$ours.r"

printf '%-44s %-34s %10s %10s %7s  %s\n' "call" "R" "ours ns" "R ns" "ratio" "within 2x"
paste "$ours" "$ours.r" | awk -F'\t' '{
  ratio = ($4 == "raises" || $5 == 0) ? "-" : sprintf("%.2f", $4 / $5)
  ok = (ratio != "-" && ratio <= 2) ? "yes" : "NO"
  printf "%-44s %-34s %10s %10s %7s  %s\n", $1, $2, $4, $5, ratio, ok
}'
