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

# In a block-form language the log is UTF-8 throughout, an accented name converted from the
# Windows-1252 it is held in; the lists keep that 8-bit name, as the analysis reads them.
printf '\xff\xd8\xff\xd9' > "$tmp/faces/Ben3.jpg"
cp "$data/vismaker/strings/VismakerStrings_ru.txt" "$tmp/start/"
printf '9\r\n' > "$tmp/start/language.txt"
cp "$data/vismaker/faces/Anna.txt" "$tmp/faces/Zoë.txt"
for view in 0 1 2 3 4; do
    printf '\xff\xd8\xff\xd9' > "$tmp/faces/Zoë$view.jpg"
done
"$run" "$tmp/faces" --start "$tmp/start"
iconv -f UTF-8 -t UTF-8 "$tmp/faces/PictureLog.log" > /dev/null
LC_ALL=C grep -q $'^01234         Zo\xc3\xab\r$' "$tmp/faces/PictureLog.log"
LC_ALL=C grep -q $'^Zo\xeb.txt\r$' "$tmp/faces/Singers.lst"
rm "$tmp/start/language.txt" "$tmp/faces/Zoë"*

# A statistics file that cannot be written is named, with the reason.
rm "$tmp/faces/"*.vis
mkdir "$tmp/faces/Median.vis"
status=0
"$run" "$tmp/faces" --start "$tmp/start" 2> "$tmp/message" || status=$?
[ "$status" -eq 1 ]
grep -qxF "ERROR! The statistics files could not be written: $tmp/faces/Median.vis: Is a directory" \
    "$tmp/message"
[ ! -e "$tmp/faces/Upper.vis" ]

status=0
"$run" 2> /dev/null || status=$?
[ "$status" -eq 2 ]
echo "vismaker_run: all checks passed"
