#!/usr/bin/env bash
# Sets up, builds and runs every test: unit and widget tests on Qt's offscreen platform, end-to-end
# tests on virtual X displays of their own.
#   scripts/test.sh              the normal build, in build/
#   scripts/test.sh --sanitize   a build with AddressSanitizer and UndefinedBehaviorSanitizer, in
#                                build-asan/
set -euo pipefail
cd "$(dirname "$0")/.."

build_dir=build
cmake_args=()
if [[ "${1:-}" == "--sanitize" ]]; then
    build_dir=build-asan
    cmake_args=(-DSUNVEIL_SANITIZE=ON)
    export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=1:abort_on_error=1}
    export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}
    export LSAN_OPTIONS=${LSAN_OPTIONS:-suppressions=$PWD/scripts/lsan.supp:print_suppressions=0}
fi

scripts/setup.sh --test
scripts/build.sh "$build_dir" "${cmake_args[@]}"

# Qt wants a private runtime folder; a fresh machine or a CI run may have none.
if [[ -z "${XDG_RUNTIME_DIR:-}" || ! -d "${XDG_RUNTIME_DIR}" ]]; then
    XDG_RUNTIME_DIR=$(mktemp -d /tmp/sunveil-runtime.XXXXXX)
    chmod 700 "$XDG_RUNTIME_DIR"
    export XDG_RUNTIME_DIR
fi

ctest --test-dir "$build_dir" --output-on-failure -j2
