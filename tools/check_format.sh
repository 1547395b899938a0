#!/usr/bin/env bash
# Checks that every C++ file under version control is laid out as
# .clang-format says. Lists the files that are not and exits 1; the fix is
#   git ls-files '*.cpp' '*.h' | xargs clang-format -i
set -euo pipefail
cd "$(dirname "$0")/.."
CLANG_FORMAT=${CLANG_FORMAT:-clang-format}

unformatted=()
while IFS= read -r file; do
  "$CLANG_FORMAT" --dry-run --Werror "$file" >/dev/null 2>&1 || unformatted+=("$file")
done < <(git ls-files '*.cpp' '*.h')

if [ ${#unformatted[@]} -gt 0 ]; then
  echo "Not formatted by $CLANG_FORMAT (${#unformatted[@]} files):" >&2
  printf '  %s\n' "${unformatted[@]}" >&2
  exit 1
fi
