#!/bin/bash
# The headless driver over the hand-worked folder: the files it leaves, byte for byte; a run that
# stops exits 1 with its message and writes nothing; a wrong command line exits 2.
set -eu
run=$1
data=$2
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
mkdir "$tmp/start" "$tmp/faces"
cp "$data"/vismaker/faces/*.txt "$tmp/faces/"
for picture in Anna0 Anna1 Anna2 Anna3 Anna4 Ben1 Ben3 Cleo0 Cleo1 Cleo3; do
    printf '\xff\xd8\xff\xd9' > "$tmp/faces/$picture.jpg"
done

"$run" "$tmp/faces" --start "$tmp/start"
for file in Upper.vis Lower.vis Median.vis; do
    cmp "$tmp/faces/$file" "$data/vis/three_faces/$file"
done
for file in PictureLog.log Singers.lst Actresses.lst Models.lst; do
    cmp "$tmp/faces/$file" "$data/vismaker/expected/$file"
done

rm "$tmp/faces/Ben3.jpg" "$tmp/faces/"*.vis
status=0
"$run" "$tmp/faces" --start "$tmp/start" 2> "$tmp/message" || status=$?
[ "$status" -eq 1 ]
grep -qx "ERROR! Ben3.jpg is missing! Vis files not created. Insert correct file and retry." \
    "$tmp/message"
[ ! -e "$tmp/faces/Median.vis" ]

status=0
"$run" 2> /dev/null || status=$?
[ "$status" -eq 2 ]
echo "vismaker_run: all checks passed"
