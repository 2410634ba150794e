#!/usr/bin/env bash
# Start-up of tarvix-calc against a trivial C++ program that prints one line: the whole process,
# loader included, as a script that calls it once per part waits for it. Runs the two in turn
# (A B A B ...) so a drifting machine moves both alike, and prints the median wall time of each
# and the median of the pair-by-pair ratios.
#   bench/cli_startup.sh [BUILD_DIR] [RUNS]      (defaults build/default and 41)
# Uses only bash 5, coreutils, awk and the C++ compiler ($CXX, else c++).
set -euo pipefail

build=${1:-build/default}
runs=${2:-41}
calc="$build/bin/tarvix-calc"
[ -x "$calc" ] || { echo "no $calc: build first" >&2; exit 1; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
printf '#include <iostream>\nint main() { std::cout << "volume=9.425\\n"; }\n' > "$work/trivial.cpp"
"${CXX:-c++}" -O2 -o "$work/trivial" "$work/trivial.cpp"

# Fifty parts of five kinds, with steps and units of their own.
parts=('round 1 12' '"round tubew" 2 .25 12 | cavity' 'pipe --row 28 --units feet 2.5 | qty+'
       '"rectangular tube" --quantity 4 2 3 .125 .25 .125 48' 'round --material "oak, red" 2 12')
for i in $(seq 0 49); do echo "${parts[$((i % 5))]}"; done > "$work/parts.txt"

# Microseconds of one run of the command, its output thrown away, in $took. Bash's own clock:
# no extra process is started around the one measured.
run() {
    local start=${EPOCHREALTIME/./} end
    "$@" > /dev/null
    end=${EPOCHREALTIME/./}
    took=$((end - start))
}

median() { sort -n | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }

compare() {
    local name=$1 limit=$2
    shift 2
    local a b
    : > "$work/a" && : > "$work/b" && : > "$work/ratio"
    "$@" > /dev/null && "$work/trivial" > /dev/null  # warm-up, not counted
    for _ in $(seq "$runs"); do
        run "$@" && a=$took
        run "$work/trivial" && b=$took
        echo "$a" >> "$work/a"
        echo "$b" >> "$work/b"
        awk -v a="$a" -v b="$b" 'BEGIN { printf "%.4f\n", a / b }' >> "$work/ratio"
    done
    printf '%-22s median %6s us, trivial %6s us, ratio median %s (aim: at most %s)\n' "$name" \
        "$(median < "$work/a")" "$(median < "$work/b")" "$(median < "$work/ratio")" "$limit"
}

compare "weigh round 1 12" 1.5 "$calc" weigh round 1 12
compare "assembly of 50 parts" 2 "$calc" assembly "$work/parts.txt"
