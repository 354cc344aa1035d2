# Sourced by the benchmarks: median reads numbers (one per line or blank-separated) and prints
# their median.
median() {
    tr -s ' ' '\n' | grep -v '^$' | sort -n |
        awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'
}
