#!/usr/bin/env bash
# Sets up, builds and runs Zentova on Debian 12.
#   ./zentova.sh run    install what is missing, build, start the program
#   ./zentova.sh test   install what is missing, build, run every test
#                       (normal build, the ASan + UBSan build, the worker-thread
#                       tests under TSan, a short run of every fuzz target)
#   ./zentova.sh package  install what is missing, build, make the .deb in build/
set -euo pipefail
cd "$(dirname "$(readlink -f "$0")")"

PACKAGES=(
    cmake ninja-build g++ pkg-config
    qt6-base-dev qt6-svg-dev libqt6svg6 qt6-charts-dev libgl-dev
    libcli11-dev libgtest-dev libgmock-dev libbenchmark-dev libmuparser-dev libgraphviz-dev
    libgmp-dev
    fonts-noto-cjk fonts-liberation fonts-urw-base35 fonts-arphic-gbsn00lp
    xvfb xauth openbox
    qt6-translations-l10n help2man librsvg2-bin desktop-file-utils shared-mime-info appstream bash-completion dpkg-dev
    clang libclang-rt-14-dev
)

install_missing() {
    local missing=()
    for p in "${PACKAGES[@]}"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    local sudo=()
    [ "$(id -u)" -ne 0 ] && sudo=(sudo)
    echo "Installing: ${missing[*]}"
    "${sudo[@]}" apt-get update -qq
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq "${missing[@]}"
}

jobs() { nproc 2>/dev/null || echo 2; }

build() {  # build DIR [cmake options...]
    local dir=$1; shift
    cmake -S . -B "$dir" -G Ninja "$@" >/dev/null
    cmake --build "$dir" -j "$(jobs)"
}

run_tests() {  # run_tests DIR
    QT_QPA_PLATFORM=offscreen ctest --test-dir "$1" --output-on-failure -j "$(jobs)" --timeout 300
}

start_program() {
    local dir=build/release
    if [ -x "$dir/window/zentova" ]; then
        if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
            echo "No display. Run the window under Xvfb with:  xvfb-run -a $dir/window/zentova"
            echo "or use the command line:  $dir/cli/zentova-cli --help"
            exit 0
        fi
        exec "$dir/window/zentova" "$@"
    fi
    exec "$dir/cli/zentova-cli" --help
}

case "${1:-}" in
    run)
        shift
        install_missing
        build build/release -DCMAKE_BUILD_TYPE=Release
        start_program "$@"
        ;;
    test)
        install_missing
        build build/release -DCMAKE_BUILD_TYPE=Release
        run_tests build/release
        # Every test again with AddressSanitizer and UndefinedBehaviorSanitizer;
        # any report aborts the test that caused it.
        build build/asan -DCMAKE_BUILD_TYPE=Debug -DZENTOVA_SANITIZE=ON -DZENTOVA_BUILD_BENCH=OFF
        ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 \
        LSAN_OPTIONS="suppressions=$PWD/tests/lsan_suppressions.txt:print_suppressions=0" \
        UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
            run_tests build/asan
        # The tests that run worker threads, again with ThreadSanitizer: the
        # page tasks, the pages that run them, the graph layout worker, and the
        # core loops that watch for a stop (only their stop tests: the rest is
        # single-threaded).
        # Any report aborts the test that caused it.
        tsan_tests=(window_page_task_tests window_polynomial_page_tests window_series_page_tests
                    window_calculus_page_tests window_logic_tests window_graph_drawing_tests
                    polynomial_tests logic_tests)
        cmake -S . -B build/tsan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DZENTOVA_TSAN=ON \
            -DZENTOVA_BUILD_BENCH=OFF >/dev/null
        cmake --build build/tsan -j "$(jobs)" --target "${tsan_tests[@]}"
        TSAN_OPTIONS="halt_on_error=1:second_deadlock_stack=1:suppressions=$PWD/tests/tsan_suppressions.txt" \
        GTEST_FILTER='*Stop*' QT_QPA_PLATFORM=offscreen \
            ctest --test-dir build/tsan --output-on-failure --no-tests=error -j "$(jobs)" \
                --timeout 300 -R "^($(IFS='|'; echo "${tsan_tests[*]}"))\$"
        # Every fuzz target for a short while on its seeds: a reader that
        # crashes or breaks its checks on inputs near the seeds fails here.
        scripts/fuzz.sh --time "${ZENTOVA_FUZZ_SECONDS:-15}"
        ;;
    package)
        install_missing
        build build/release -DCMAKE_BUILD_TYPE=Release
        (cd build/release && cpack -B "$PWD/.." >/dev/null)
        ls build/zentova_*.deb
        ;;
    *)
        echo "usage: $0 run|test|package" >&2
        exit 2
        ;;
esac
