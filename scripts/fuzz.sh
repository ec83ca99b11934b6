#!/usr/bin/env bash
# Builds the libFuzzer targets with clang (address + undefined sanitizers) into build-fuzz/ and runs
# them. Usage: scripts/fuzz.sh [seconds per target, default 60] [target name ...]
# Each target keeps its corpus in build-fuzz/corpus/<target>/; crashes land in build-fuzz/crashes/.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
secs="${1:-60}"
shift || true
"$root/scripts/install-deps.sh"
command -v clang++ >/dev/null || { echo "fuzz.sh: clang++ is needed (apt-get install clang)" >&2; exit 1; }
dpkg-query -W -f='${Status}' libclang-rt-14-dev 2>/dev/null | grep -q "install ok installed" ||
    { echo "fuzz.sh: libclang-rt-14-dev is needed (apt-get install libclang-rt-14-dev)" >&2; exit 1; }
out="$root/build-fuzz"
cmake -S "$root" -B "$out" -DSOVELI_FUZZ=ON -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCMAKE_CXX_COMPILER=clang++ >/dev/null
targets=("$@")
if [ ${#targets[@]} -eq 0 ]; then
    for f in "$root"/fuzz/*.cpp; do targets+=("fuzz_$(basename "${f%.cpp}")"); done
fi
cmake --build "$out" -j2 --target "${targets[@]}"
mkdir -p "$out/crashes"
status=0
for t in "${targets[@]}"; do
    mkdir -p "$out/corpus/$t"
    seeds="$root/fuzz/seeds/${t#fuzz_}"
    dirs=("$out/corpus/$t")
    [ -d "$seeds" ] && dirs+=("$seeds")
    echo "== $t for ${secs}s"
    QT_QPA_PLATFORM=offscreen "$out/fuzz/$t" -max_total_time="$secs" -rss_limit_mb=2048 \
        -artifact_prefix="$out/crashes/$t-" "${dirs[@]}" 2>&1 | tail -n 4 || status=1
done
exit $status
