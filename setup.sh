#!/usr/bin/env bash
# Sets up Fiscova on Debian 12 and then starts it or tests it.
#
#   ./setup.sh run               install what is missing, build, start the program
#   ./setup.sh test              install what is missing, build, run every test
#   ./setup.sh test --sanitize   the same in a separate build with AddressSanitizer
#                                and UndefinedBehaviorSanitizer
#   ./setup.sh bench             install what is missing, build optimised, run the benchmarks
#   ./setup.sh soak [--sanitize] the long reliability runs: 10,000 saves killed, 10,000
#                                damaged saved-work files, a random walk of 100,000 events
#   ./setup.sh fuzz [runs]       build the fuzz targets with clang and libFuzzer and run each
#                                for `runs` executions (1000000 unless given)
#
# Each step is skipped when it is already done, so running it again is quick.
set -euo pipefail

here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
mode="${1:-run}"
variant="${2:-}"

packages=(
    g++ cmake ninja-build pkg-config
    qt6-base-dev qt6-base-dev-tools qt6-multimedia-dev libqt6multimedia6 libqt6multimediawidgets6
    gstreamer1.0-plugins-base gstreamer1.0-plugins-good gstreamer1.0-tools
    fonts-liberation2 fonts-dejavu-core fonts-urw-base35
    festival festvox-us-slt-hts espeak-ng sox ffmpeg
    libgtest-dev libbenchmark-dev xvfb xauth xdotool desktop-file-utils appstream
)

install_missing() {
    local missing=()
    for p in "${packages[@]}"; do
        if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
            missing+=("$p")
        fi
    done
    [ ${#missing[@]} -eq 0 ] && return
    echo "Installing: ${missing[*]}"
    local sudo=()
    if [ "$(id -u)" -ne 0 ]; then
        if command -v sudo >/dev/null; then
            sudo=(sudo)
        else
            echo "These packages are missing and installing them needs root: ${missing[*]}" >&2
            exit 1
        fi
    fi
    "${sudo[@]}" apt-get update
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y --no-install-recommends "${missing[@]}"
}

build() {
    local dir="$1"
    shift
    if [ ! -f "$dir/build.ninja" ]; then
        cmake -G Ninja -S "$here" -B "$dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@"
    fi
    cmake --build "$dir"
}

# Tells the program where its content disc is, as the installer of a
# Windows program writes the registry.
register_disc() {
    local disc="$1"
    local config="${XDG_CONFIG_HOME:-$HOME/.config}/ZEM"
    mkdir -p "$config"
    printf 'Windows Registry Editor Version 5.00\n\n[HKEY_LOCAL_MACHINE\\SOFTWARE\\ZEM\\Fiscova\\cd]\n@="%s"\n' \
        "$disc" >"$config/Fiscova.reg"
}

# Only fuzzing needs clang and its libFuzzer runtime.
[ "$mode" = fuzz ] && packages+=(clang libclang-rt-14-dev)

install_missing
case "$mode" in
run)
    build "$here/build"
    register_disc "$here/build/disc"
    exec "$here/build/program/fiscova"
    ;;
test | soak)
    if [ "$variant" = "--sanitize" ]; then
        dir="$here/build-sanitize"
        build "$dir" -DFISCOVA_SANITIZE=ON
        # Full stacks, so that memory kept by system libraries is told apart.
        export ASAN_OPTIONS="detect_leaks=1:abort_on_error=1:fast_unwind_on_malloc=0"
        export LSAN_OPTIONS="suppressions=$here/tests/support/lsan.supp:print_suppressions=0"
        export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
    else
        dir="$here/build"
        build "$dir"
    fi
    cd "$dir"
    if [ "$mode" = soak ]; then
        tests/fiscova_save_kill 10000
        export QT_QPA_PLATFORM=offscreen
        FISCOVA_HOSTILE_FILES=10000 tests/fiscova_reliability_tests --gtest_filter='HostileSavedWork.*'
        FISCOVA_WALK_EVENTS=100000 tests/fiscova_reliability_tests --gtest_filter='RandomWalk.*'
        exit 0
    fi
    retry=()
    # Under the sanitizers the leak checker's own tracer now and then dies
    # at the exit of a process that still winds down media threads; such a
    # test is run again, up to three times, before it counts as failed.
    [ "$variant" = "--sanitize" ] && retry=(--repeat until-pass:3)
    xvfb-run -a -s "-screen 0 1024x768x24" ctest --output-on-failure -j2 "${retry[@]}"
    ;;
bench)
    build "$here/build-bench" -DCMAKE_BUILD_TYPE=Release -DFISCOVA_BENCH=ON -DFISCOVA_TESTS=OFF
    "$here/build-bench/bench/fiscova_microbench"
    "$here/build-bench/bench/fiscova_programbench"
    ;;
fuzz)
    dir="$here/build-fuzz"
    build "$dir" -DFISCOVA_FUZZ=ON -DCMAKE_CXX_COMPILER=clang++
    export ASAN_OPTIONS="abort_on_error=1:detect_leaks=0"
    export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
    # Each target starts from the committed seeds and its own corpus of
    # earlier runs; whatever crashes, hangs or trips a sanitizer is kept in
    # build-fuzz/findings/<target>/ (add it to tests/fuzz/corpus/ once fixed).
    for program in "$dir"/tests/fuzz/fuzz_*; do
        target="${program##*/fuzz_}"
        mkdir -p "$dir/corpus/$target" "$dir/findings/$target"
        "$program" -runs="${variant:-1000000}" -timeout=5 -print_final_stats=1 \
            -artifact_prefix="$dir/findings/$target/" \
            "$dir/corpus/$target" "$here/tests/fuzz/corpus/$target"
    done
    ;;
*)
    echo "usage: $0 run | test [--sanitize] | soak [--sanitize] | bench | fuzz [runs]" >&2
    exit 2
    ;;
esac
