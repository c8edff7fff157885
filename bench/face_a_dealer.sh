#!/bin/sh
# The generator beside Debian's dealer on the same constraint (Sud 15 to 17
# HCP, 4-3-3-3, 4-4-3-2 or 5-3-3-2), in one run, rounds taken in turn so
# that both see the same load. Prints each round's tries per second and
# the ratio on one thread, then the generator alone on THREADS threads.
#
# Usage: bench/face_a_dealer.sh [BUILD_DIR] [ROUNDS] [THREADS]
set -eu
ici=$(cd "$(dirname "$0")" && pwd)
build=$(cd "${1:-$ici/../build}" && pwd)
tours=${2:-3}
threads=${3:-8}
dealer=/usr/games/dealer
[ -x "$dealer" ] || { echo "face_a_dealer: $dealer absent (Debian package dealer)" >&2; exit 1; }
cd "$ici/contraintes"
i=1
while [ "$i" -le "$tours" ]; do
    # dealer prints "Generated N hands" and "Time needed S sec".
    d=$("$dealer" -s "$i" sa_15_17.dealer | awk '/^Generated/ {n=$2} /^Time needed/ {t=$3} END {printf "%.0f", n / t}')
    g=$("$build/bench_generateur" sa_15_17 100000000 1 --limite 26 --seed "$i" 2>/dev/null |
        sed -n 's/.*tries_per_s=//p')
    echo "round $i: dealer_tries_per_s=$d generateur_tries_per_s=$g ratio=$(awk "BEGIN {printf \"%.2f\", $g / $d}")"
    i=$((i + 1))
done
"$build/bench_generateur" sa_15_17 100000000 1 --limite 27 --seed 1 2>/dev/null | sed 's/^/1 thread: /'
"$build/bench_generateur" sa_15_17 100000000 "$threads" --limite 27 --seed 1 2>/dev/null | sed "s/^/$threads threads: /"
