#!/bin/bash
# make_sample_data from outside: its exit codes, the usage on the right stream, its plain-word
# refusals, and that no folder is ever made under an option's name.
set -eu
tool=$1
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
cd "$tmp"

# Runs the tool with the given arguments and checks its exit code.
expect() {
    local code=$1
    shift
    local status=0
    "$tool" "$@" > out 2> err || status=$?
    if [ "$status" -ne "$code" ]; then
        echo "make_sample_data $*: exit $status, expected $code" >&2
        cat err >&2
        exit 1
    fi
}

# Only the files the checks themselves write are there: nothing was drawn or made.
nothing_made() {
    local made
    made=$(ls -A | tr '\n' ' ')
    if [ "$made" != "err out " ]; then
        echo "made: $made" >&2
        exit 1
    fi
}

for help in --help -h; do
    expect 0 "$help"
    grep -q "^usage: make_sample_data <folder>" out
    [ ! -s err ]
    expect 0 out-folder "$help"
    nothing_made
done

for wrong in "-x out" "" "out --prefs" "out --prefs --help-me" "out other" "out --prefs a --prefs b"; do
    # shellcheck disable=SC2086
    expect 2 $wrong
    grep -q "^usage: make_sample_data <folder>" err
    [ ! -s out ]
    nothing_made
done

# A face of the user's own: refused by name in UTF-8 (held as Windows-1252 on disk), with what to
# do and no error number, and nothing drawn beside it.
mkdir mine
printf 'Zo\xeb Testperson\r\n' > "mine/Zo$(printf '\xeb') Testperson.txt"
expect 1 mine
grep -qx "make_sample_data: mine/Zoë Testperson.txt is not a face of the sample database; choose an empty or new folder" err
if grep -qiE "error [0-9]|invalid procedure" err; then
    exit 1
fi
[ "$(ls mine | wc -l)" -eq 1 ]

# A folder that cannot be made is named with the system's reason.
echo text > plain
expect 1 plain/faces
grep -qx "make_sample_data: the folder plain/faces could not be made (Not a directory); choose another folder" err

# Drawn into a folder with a blank in its name, and drawn again over its own faces; a starting
# Prefs.prf is written only once.
expect 0 "Sample data" --prefs Prefs.prf
[ "$(ls "Sample data"/*.txt | wc -l)" -eq 48 ]
[ -f "Sample data/Median.vis" ]
echo kept > Prefs.prf
expect 0 --prefs Prefs.prf "Sample data"
[ "$(cat Prefs.prf)" = kept ]
