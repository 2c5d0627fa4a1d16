#!/bin/bash
# generators_test.sh WORKDIR
# The disc generators on small scripts: a good clip gets its module's colours,
# its frames run in order and its timing file matches its beats; malformed
# scripts, badly spoken text and lengths out of range are refused with a
# message and leave no output behind (nor damage an earlier good one); speech
# comes out at the one loudness with quiet ends; without the course's voice
# the recording is still made, with a warning.
set -u
here=$(cd "$(dirname "$0")" && pwd)
gen=$here/../gen
work=$1
FFMPEG=${FFMPEG:-ffmpeg}
FFPROBE=${FFPROBE:-ffprobe}
SOX=${SOX:-sox}
. "$here/speech_checks.sh"

rm -rf "$work"
mkdir -p "$work"
failures=0
fail() {
    echo "FAIL $*"
    failures=$((failures + 1))
}

video() { bash "$gen/video.sh" "$1" "$2" "$work/$(basename "$2" .avi).times" "$work/tmp" 2> "$work/err"; }

# pixel CLIP SECONDS X Y: "r g b" of one pixel of the frame at that time.
pixel() {
    "$FFMPEG" -nostdin -v error -ss "$2" -i "$1" -frames:v 1 -vf "format=rgb24,crop=1:1:$3:$4" \
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
This short clip checks that the shots follow the narration in order.

show: coins heights=2,4,6
words: Shot one
The first shot is on the screen while this is spoken.

show: piggy coins=3
words: Shot two
The second shot follows, with words of its own.
words: Beat two
And a second beat of the same shot ends the clip.
SCRIPT
if video "$good" "$work/1_9_9.avi"; then
    len=$("$FFPROBE" -v error -show_entries format=duration -of csv=p=0 "$work/1_9_9.avi")
    # The band of words along the bottom is the module's dark maroon.
    near "$(pixel "$work/1_9_9.avi" 1 3 115)" 70 14 22 \
        || fail "the band of 1_9_9.avi is not maroon: $(pixel "$work/1_9_9.avi" 1 3 115)"
    # The gold line along the bottom grows with the clip: frames run in order.
    mid=$(awk -v l="$len" 'BEGIN { print l * 0.5 }')
    near "$(pixel "$work/1_9_9.avi" "$mid" 60 119)" 224 169 59 \
        || fail "the progress line has not reached 60 px halfway"
    near "$(pixel "$work/1_9_9.avi" "$mid" 100 119)" 224 169 59 \
        && fail "the progress line is already at 100 px halfway"
    # One timing line per beat, the clip as long as their sum.
    [ "$(wc -l < "$work/1_9_9.times")" -eq 4 ] || fail "1_9_9.times has not 4 beats: $(cat "$work/1_9_9.times")"
    sum=$(awk '{ s += $1 + $2 + $3 } END { print s }' "$work/1_9_9.times")
    awk -v a="$sum" -v b="$len" 'BEGIN { d = a - b; exit !(d < 0.2 && d > -0.2) }' \
        || fail "the beats last ${sum}s, the clip ${len}s"
    # The clip's sound is at the one level, with quiet ends.
    "$FFMPEG" -nostdin -v error -i "$work/1_9_9.avi" -vn -c:a pcm_s16le "$work/1_9_9.wav"
    check_speech "$work/1_9_9.wav" || fail "1_9_9.avi: $speech_problem"
else
    fail "a good script was refused: $(cat "$work/err")"
fi

sed 's/^title:/module: 4\ntitle:/' "$good" > "$work/green.txt"
if video "$work/green.txt" "$work/1_9_8.avi"; then
    near "$(pixel "$work/1_9_8.avi" 1 3 115)" 12 64 28 \
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
Words before any shot.
title: Too Late
Words.
SCRIPT
refuse 2_0_2 "no narration" <<'SCRIPT'
title: A Title
The title is narrated.

show: coins
words: Silent
words: Spoken
This beat has narration but the one before it has none.
SCRIPT
refuse 2_0_3 "too long" <<'SCRIPT'
title: A Title
Some narration for the title of this clip.

show: coins
words: Unbelievablylongsinglewordthatcannotfit
Some narration for a shot whose words are far too long for the screen.
SCRIPT
refuse 2_0_4 "in words" <<'SCRIPT'
title: A Title
It costs $100 at 5% a year.

show: coins
words: Numbers
The voice would read the dollar sign before the number.
SCRIPT
refuse 2_0_5 "outside" <<'SCRIPT'
title: Short
Too short.

show: coins
words: Brief
Over.
SCRIPT
refuse 2_0_6 "no scene" <<'SCRIPT'
title: A Title
Some narration for the title of this clip, long enough to pass.

show: fireworks
words: Bang
A scene that does not exist is named in this shot.
SCRIPT
refuse 2_0_7 "takes no" <<'SCRIPT'
title: A Title
Some narration for the title of this clip, long enough to pass.

show: coins colour=red
words: Red coins
The coins scene has no colour setting, so this is a typing error.
SCRIPT
refuse nodigit "module" < "$good"

# --- A failed run keeps the earlier good clip untouched.
cp "$work/1_9_9.avi" "$work/keep.avi" 2> /dev/null
if [ -e "$work/keep.avi" ]; then
    printf 'title: Short\nToo short.\n\nshow: coins\nwords: Brief\nOver.\n' > "$work/short.txt"
    bash "$gen/video.sh" "$work/short.txt" "$work/1_9_9.avi" "$work/short.times" "$work/tmp" 2> /dev/null \
        && fail "a too-short clip was accepted"
    cmp -s "$work/keep.avi" "$work/1_9_9.avi" || fail "a failed run damaged the earlier clip"
fi

# --- Speech: the range is enforced, the format is the disc's, the level the one target.
printf '# hint\nEnter your age in years.\n' > "$work/hint.txt"
if bash "$gen/speak.sh" "$work/hint.txt" "$work/hint.wav" 1 15 "$work/tmp" 2> "$work/err"; then
    [ "$("$SOX" --i -r "$work/hint.wav") $("$SOX" --i -c "$work/hint.wav") $("$SOX" --i -b "$work/hint.wav")" = "22050 1 16" ] \
        || fail "hint is not 22050 Hz mono 16-bit"
    check_speech "$work/hint.wav" || fail "hint.wav: $speech_problem"
else
    fail "a good hint was refused: $(cat "$work/err")"
fi
bash "$gen/speak.sh" "$work/hint.txt" "$work/long.wav" 15 40 "$work/tmp" 2> "$work/err" \
    && fail "a 2-second narration passed the 15..40 s range"
grep -q outside "$work/err" || fail "no message for a narration out of range: $(cat "$work/err")"
[ -e "$work/long.wav" ] && fail "a narration out of range was written"

# A quiet recording and an overloaded one come out at the same level, unclipped.
if [ -s "$work/hint.wav" ]; then
    "$SOX" "$work/hint.wav" "$work/quiet.raw.wav" vol 0.05
    "$SOX" "$work/hint.wav" "$work/loud.raw.wav" gain 12 2> /dev/null
    (. "$gen/common.sh" && level "$work/quiet.raw.wav" "$work/quiet.wav" && level "$work/loud.raw.wav" "$work/loud.wav") \
        2> "$work/err" || fail "levelling failed: $(cat "$work/err")"
    "$SOX" "$work/quiet.wav" "$work/quiet.pad.wav" pad 0.2 0.2
    "$SOX" "$work/loud.wav" "$work/loud.pad.wav" pad 0.2 0.2
    check_speech "$work/quiet.pad.wav" || fail "a quiet recording: $speech_problem"
    check_speech "$work/loud.pad.wav" || fail "an overloaded recording: $speech_problem"
fi

# Without the course's voice the recording is made with espeak-ng, and a warning says so.
if (unset VOICE_ENGINE; FESTIVAL=/nonexistent/festival bash "$gen/speak.sh" "$work/hint.txt" "$work/fallback.wav" 1 15 \
    "$work/tmp") 2> "$work/err"; then
    grep -q "warning" "$work/err" || fail "no warning when the voice is missing: $(cat "$work/err")"
    [ -s "$work/fallback.wav" ] || fail "no recording without the course's voice"
else
    fail "a missing voice stopped the recording: $(cat "$work/err")"
fi

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
