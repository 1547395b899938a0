#!/usr/bin/env bash
# Quantiva's developer commands on Debian 12:
#   ./dev.sh run             install what is missing, build, start the program
#   ./dev.sh test            install what is missing, build, run every test
#   ./dev.sh test-sanitized  every test suite again as a Debug build under
#                            AddressSanitizer and UBSan (in build-asan)
#   ./dev.sh check-format    whether the C++ files follow .clang-format
# All are idempotent: with everything installed and built they only check.
# QUANTIVA_WERROR=ON turns compiler warnings into errors (CI does).
set -euo pipefail

cd "$(dirname "$0")"
BUILD_DIR=${BUILD_DIR:-build}
ASAN_BUILD_DIR=${ASAN_BUILD_DIR:-build-asan}
WERROR=${QUANTIVA_WERROR:-OFF}
PACKAGES=(cmake g++ libgtest-dev libbenchmark-dev qt6-base-dev qt6-charts-dev qt6-svg-dev libqt6opengl6-dev
          libqt6svg6 fonts-dejavu-core
          desktop-file-utils appstream dpkg-dev man-db groff-base file)

as_root() {
  if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi
}

install_missing() {
  local missing=()
  for pkg in "${PACKAGES[@]}"; do
    dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q "ok installed" || missing+=("$pkg")
  done
  if [ ${#missing[@]} -gt 0 ]; then
    echo "Installing: ${missing[*]}"
    as_root apt-get update
    as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y "${missing[@]}"
  fi
}

build() {
  cmake -S . -B "$BUILD_DIR" -DCMAKE_BUILD_TYPE=Release -DQUANTIVA_WERROR="$WERROR" >/dev/null
  cmake --build "$BUILD_DIR" -j "$(nproc)"
}

build_sanitized() {
  cmake -S . -B "$ASAN_BUILD_DIR" -DCMAKE_BUILD_TYPE=Debug -DQUANTIVA_SANITIZE=ON \
    -DQUANTIVA_WERROR="$WERROR" -DQUANTIVA_BENCH=OFF -DQUANTIVA_PACKAGE_TESTS=OFF >/dev/null
  cmake --build "$ASAN_BUILD_DIR" -j "$(nproc)"
}

case "${1:-}" in
  run)
    install_missing
    build
    exec "$BUILD_DIR/ui/quantiva"
    ;;
  test)
    install_missing
    build
    ctest --test-dir "$BUILD_DIR" --output-on-failure -j "$(nproc)"
    ;;
  test-sanitized)
    install_missing
    build_sanitized
    ctest --test-dir "$ASAN_BUILD_DIR" --output-on-failure -j "$(nproc)"
    ;;
  check-format)
    PACKAGES=(clang-format git)
    install_missing
    tools/check_format.sh
    ;;
  *)
    echo "usage: $0 run|test|test-sanitized|check-format" >&2
    exit 2
    ;;
esac
