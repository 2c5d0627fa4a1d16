#!/bin/bash
# generators_test.sh WORKDIR
# The disc generators on small scripts: a good clip gets its module's colours
# and its slides in order; malformed scripts, badly spoken text and lengths out
# of range are refused with a message and leave no output behind (nor damage
# an earlier good one).
set -u
here=$(cd "$(dirname "$0")" && pwd)
gen=$here/../gen
work=$1
FFMPEG=${FFMPEG:-ffmpeg}
FFPROBE=${FFPROBE:-ffprobe}
SOX=${SOX:-sox}
FONT_BOLD=${FONT_BOLD:-/usr/share/fonts/truetype/liberation2/LiberationSans-Bold.ttf}
FONT_REGULAR=${FONT_REGULAR:-/usr/share/fonts/truetype/liberation2/LiberationSans-Regular.ttf}

rm -rf "$work"
mkdir -p "$work"
failures=0
fail() {
    echo "FAIL $*"
    failures=$((failures + 1))
}

video() { bash "$gen/video.sh" "$1" "$2" "$FONT_BOLD" "$FONT_REGULAR" "$work/tmp" 2> "$work/err"; }

# pixel CLIP SECONDS X Y: "r g b" of one pixel of the frame at that time.
pixel() {
    "$FFMPEG" -v error -ss "$2" -i "$1" -frames:v 1 -vf "format=rgb24,crop=1:1:$3:$4" \
        -f rawvideo -pix_fmt rgb24 - | od -An -tu1 | tr -s ' ' | sed 's/^ //'
}

# near "r g b" R G B: each channel within 40 (JPEG blurs colours a little).
near() {
    awk -v p="$1" -v x="$2" -v y="$3" -v z="$4" 'function d(p, q) { return p > q ? p - q : q - p }
        BEGIN { if (split(p, c, " ") != 3) exit 1
                exit !(d(c[1], x) <= 40 && d(c[2], y) <= 40 && d(c[3], z) <= 40) }'
}

# --- A good clip. Its name starts with 1, so it takes the maroon of the
# financial attitudes module; the script's "module:" line overrides that.
good=$work/good.txt
cat > "$good" <<'SCRIPT'
# a comment is not spoken
title: First | Things First
This short clip checks that the slides follow the narration in order.

slide: Slide one
The first key point is spoken while the first slide is on the screen.

slide: Slide two
The second key point is spoken while the second and last slide is shown.
SCRIPT
if video "$good" "$work/1_9_9.avi"; then
    len=$("$FFPROBE" -v error -show_entries format=duration -of csv=p=0 "$work/1_9_9.avi")
    # Title slide background (inside its frame, clear of the text) is maroon.
    near "$(pixel "$work/1_9_9.avi" 0.2 8 60)" 128 0 0 \
        || fail "title slide of 1_9_9.avi is not maroon: $(pixel "$work/1_9_9.avi" 0.2 8 60)"
    # The progress bar along the bottom fills up: empty on the title slide,
    # half on the first key point, full on the last.
    mid=$(awk -v l="$len" 'BEGIN { print l * 0.55 }')
    end=$(awk -v l="$len" 'BEGIN { print l - 0.3 }')
    near "$(pixel "$work/1_9_9.avi" "$mid" 40 117)" 255 210 74 \
        || fail "first key slide is not shown after the title"
    near "$(pixel "$work/1_9_9.avi" "$mid" 120 117)" 255 210 74 \
        && fail "the second key slide is already shown at ${mid}s"
    near "$(pixel "$work/1_9_9.avi" "$end" 150 117)" 255 210 74 \
        || fail "the last slide is not shown at the end"
else
    fail "a good script was refused: $(cat "$work/err")"
fi

sed 's/^title:/module: 4\ntitle:/' "$good" > "$work/green.txt"
if video "$work/green.txt" "$work/1_9_8.avi"; then
    near "$(pixel "$work/1_9_8.avi" 0.2 8 60)" 0 128 0 \
        || fail "\"module: 4\" does not give the planning module's green"
else
    fail "a script with a module line was refused: $(cat "$work/err")"
fi

# --- Scripts that must be refused: name, expected words of the message, script.
refuse() {
    local name=$1 words=$2 out=$work/$1.avi
    cat > "$work/$name.txt"
    if video "$work/$name.txt" "$out"; then
        fail "$name: accepted"
    elif ! grep -qi -- "$words" "$work/err"; then
        fail "$name: message does not say \"$words\": $(cat "$work/err")"
    fi
    [ -e "$out" ] && fail "$name: left an output behind"
}

refuse 2_0_1 "before the title" <<'SCRIPT'
Words before any slide.
title: Too Late
Words.
SCRIPT
refuse 2_0_2 "no narration" <<'SCRIPT'
title: A Title
The title is narrated.

slide: Silent
slide: Spoken
This slide has words but the one before it has none.
SCRIPT
refuse 2_0_3 "too long" <<'SCRIPT'
title: A Title
Some narration for the title slide of this clip.

slide: Unbelievablylongsingleword
Some narration for the key slide of this clip, which has a row too long.
SCRIPT
refuse 2_0_4 "in words" <<'SCRIPT'
title: A Title
It costs $100 at 5% a year.

slide: Numbers
The voice would read the dollar sign before the number.
SCRIPT
refuse 2_0_5 "outside" <<'SCRIPT'
title: Short
Too short.

slide: Brief
Over.
SCRIPT
refuse nodigit "module" < "$good"

# --- A failed run keeps the earlier good clip untouched.
cp "$work/1_9_9.avi" "$work/keep.avi" 2> /dev/null
if [ -e "$work/keep.avi" ]; then
    printf 'title: Short\nToo short.\n\nslide: Brief\nOver.\n' > "$work/short.txt"
    video "$work/short.txt" "$work/1_9_9.avi" && fail "a too-short clip was accepted"
    cmp -s "$work/keep.avi" "$work/1_9_9.avi" || fail "a failed run damaged the earlier clip"
fi

# --- Speech: the range is enforced, the format is the disc's.
printf '# hint\nEnter your age in years.\n' > "$work/hint.txt"
if bash "$gen/speak.sh" "$work/hint.txt" "$work/hint.wav" 1 15 "$work/tmp" 2> "$work/err"; then
    [ "$("$SOX" --i -r "$work/hint.wav") $("$SOX" --i -c "$work/hint.wav") $("$SOX" --i -b "$work/hint.wav")" = "22050 1 16" ] \
        || fail "hint is not 22050 Hz mono 16-bit"
else
    fail "a good hint was refused: $(cat "$work/err")"
fi
bash "$gen/speak.sh" "$work/hint.txt" "$work/long.wav" 15 40 "$work/tmp" 2> "$work/err" \
    && fail "a 2-second narration passed the 15..40 s range"
grep -q outside "$work/err" || fail "no message for a narration out of range: $(cat "$work/err")"
[ -e "$work/long.wav" ] && fail "a narration out of range was written"

# --- Program sounds: unknown names are refused; the key tap is very short.
bash "$gen/tone.sh" clack "$work/clack.wav" "$work/tmp" 2> /dev/null && fail "unknown sound accepted"
if bash "$gen/tone.sh" type "$work/type.wav" "$work/tmp" 2> "$work/err"; then
    awk -v d="$("$SOX" --i -D "$work/type.wav")" 'BEGIN { exit !(d > 0 && d < 0.06) }' \
        || fail "type.wav is not under 60 ms"
else
    fail "type.wav was refused: $(cat "$work/err")"
fi

echo "$failures problems"
[ $failures -eq 0 ]
