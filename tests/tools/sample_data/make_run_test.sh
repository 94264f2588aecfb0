#!/bin/bash
# The Makefile's run target over the data folder, with the programs already built: it draws the
# sample database into a fresh clone's folder and starts analysis; once the folder holds a face
# of the user's own it starts analysis with the folder as it is, a missing Median.vis included.
set -eu
repo=$1
tool=$2
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
mkdir -p "$tmp/scripts" "$tmp/built/tools" "$tmp/built/analysis" "$tmp/Sample data"
ln -s "$repo/scripts/needs-sample-data" "$tmp/scripts/needs-sample-data"
ln -s "$tool" "$tmp/built/tools/make_sample_data"
# analysis stands in by noting each start.
printf '#!/bin/sh\necho started >> started.log\n' > "$tmp/built/analysis/analysis"
chmod +x "$tmp/built/analysis/analysis"
touch "$tmp/Sample data/.gitkeep"

run() {
    make -s -C "$tmp" -f "$repo/Makefile" -o run-build run RUN_DIR=built > /dev/null 2>&1
}
starts() {
    [ "$(wc -l < "$tmp/started.log")" -eq "$1" ]
}

# A fresh clone: the folder holds only its placeholder.
run
starts 1
[ "$(ls "$tmp/Sample data"/*.txt | wc -l)" -eq 48 ]
[ -f "$tmp/Sample data/Median.vis" ]
[ -f "$tmp/Prefs.prf" ]

# The user saves a face into the folder and removes the statistics: nothing is drawn.
printf 'Zo\xeb Testperson\r\n' > "$tmp/Sample data/Zoë Testperson.txt"
rm "$tmp/Sample data/Median.vis"
run
starts 2
[ ! -e "$tmp/Sample data/Median.vis" ]
[ "$(ls "$tmp/Sample data"/*.txt | wc -l)" -eq 49 ]

# A folder holding pictures but no face data file is drawn into.
rm "$tmp/Sample data"/*.txt
run
starts 3
[ -f "$tmp/Sample data/Median.vis" ]

# Without the folder the sample is drawn again.
rm -r "$tmp/Sample data"
run
starts 4
[ -f "$tmp/Sample data/Median.vis" ]
