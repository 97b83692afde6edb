# Sourced by the benchmark scripts once $build holds the build folder: the scratch folder with the
# application folder $app installed into it, the processes to end on exit, and the program's build.
source "$(dirname "${BASH_SOURCE[0]}")/../scripts/desktop.sh"

work=$(mktemp -d)
app="$work/PressLane"
pids=()
cleanup() {
    for p in "${pids[@]}"; do kill "$p" 2>/dev/null; done
    rm -rf "$work"
}
trap cleanup EXIT
# The program may come from another build (BENCH_PROGRAM_BUILD, e.g. an older revision's), measured
# against the same peer and servers of BUILD_FOLDER.
program_build="$(cd "${BENCH_PROGRAM_BUILD:-$build}" && pwd)"
cmake --install "$program_build" --prefix "$app" >/dev/null || { echo "install failed"; exit 1; }
