#!/usr/bin/env bash
# Sets up what is missing on a Debian 12 machine, builds Tarvix, and runs it or its tests.
#   ./build.sh run    build and start the program
#   ./build.sh test   build and run every test: the suite, the suite under ASan+UBSan, the fuzzer
set -euo pipefail
cd "$(dirname "$0")"

mode=${1:-run}
run_packages=(cmake ninja-build g++ pkg-config qt6-base-dev qt6-qpa-plugins libgl-dev
              fonts-dejavu-core fonts-dejavu-extra)
# The package checks build the .deb (dpkg-shlibdeps) and validate the desktop entry and metainfo;
# the report's PDF is read back with poppler's tools.
test_packages=("${run_packages[@]}" libgtest-dev libgmock-dev clang libclang-rt-14-dev
               dpkg-dev desktop-file-utils appstream shared-mime-info poppler-utils)

install_missing() {
    local missing=()
    for p in "$@"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' ||
            missing+=("$p")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    echo "Installing: ${missing[*]}"
    local sudo=""
    [ "$(id -u)" -ne 0 ] && sudo=sudo
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends \
        "${missing[@]}"
}

build() {
    cmake --preset "$1" >/dev/null
    cmake --build --preset "$1"
}

case "$mode" in
    run)
        install_missing "${run_packages[@]}"
        build default
        exec build/default/bin/tarvix
        ;;
    test)
        install_missing "${test_packages[@]}"
        # The fuzzer first, so that the test suites' summaries close the output.
        build fuzz
        corpus=build/fuzz/corpus-run
        rm -rf "$corpus" && mkdir -p "$corpus" && cp fuzz/corpus/field_reader/* "$corpus"/
        build/fuzz/bin/field_reader_fuzz -max_total_time="${TARVIX_FUZZ_SECONDS:-60}" \
            -timeout=5 -rss_limit_mb=2048 -print_final_stats=1 "$corpus"
        build default
        ctest --preset default
        build asan
        ctest --preset asan
        ;;
    *)
        echo "usage: ./build.sh run|test" >&2
        exit 2
        ;;
esac
