#!/bin/bash
# video.sh SCRIPT OUT.avi TIMES WORKDIR
# A lesson clip from its script (format: ../README.md): each beat's narration
# is spoken, the clip maker draws the scenes in step with it, and ffmpeg puts
# pictures and sound together. TIMES keeps the beats' timing for the contact
# sheets. Video: MJPEG 160x120 at 12 frames per second; sound: PCM 16-bit
# mono 22050 Hz; container: AVI. CLIPMAKER names the clip maker.
here=$(cd "$(dirname "$0")" && pwd)
. "$here/common.sh"

[ $# -eq 4 ] || die "usage: video.sh SCRIPT OUT.avi TIMES WORKDIR"
script=$1 out=$2 times=$3 work=$4
[ -r "$script" ] || die "cannot read $script"
[ -n "${CLIPMAKER:-}" ] || die "CLIPMAKER is not set"

W=160 H=120 FPS=12
MIN_SECONDS=10 MAX_SECONDS=40
LEAD_IN=0.6     # silence before the first words, while the title appears
BEAT_GAP=0.35   # pause between the beats of one shot
SHOT_GAP=0.6    # pause before the next shot
TAIL=0.9        # the last picture stays a moment after the last words

name=$(basename "$out" .avi)
fresh_dir "$work"
offscreen "$work"
"$CLIPMAKER" check "$script" "$name" "$work/beats.tsv" || exit 1

# --- Narration, one piece per beat, and each beat's timing.
mkdir -p "$work/say"
n=0
while IFS=$'\t' read -r ends text; do
    printf '%s\n' "$text" > "$work/say/$(printf '%03d' $n).txt"
    echo "$ends" > "$work/say/$(printf '%03d' $n).ends"
    n=$((n + 1))
done < "$work/beats.tsv"
speak_all "$work/say"
: > "$work/times.txt"
pieces=()
for ((i = 0; i < n; i++)); do
    b=$(printf '%03d' $i)
    lead=0 tail=$BEAT_GAP
    [ $i -eq 0 ] && lead=$LEAD_IN
    [ "$(cat "$work/say/$b.ends")" = 1 ] && tail=$SHOT_GAP
    [ $i -eq $((n - 1)) ] && tail=$TAIL
    "$SOX" "$work/say/$b.wav" "$work/say/$b.part.wav" pad "$lead" "$tail" || die "sox failed"
    echo "$lead $(duration "$work/say/$b.wav") $tail" >> "$work/times.txt"
    pieces+=("$work/say/$b.part.wav")
done
"$SOX" "${pieces[@]}" "$work/sound.wav" || die "sox failed"
total=$(duration "$work/sound.wav")
in_range "$total" $MIN_SECONDS $MAX_SECONDS \
    || die "$script: clip length ${total}s is outside ${MIN_SECONDS}..${MAX_SECONDS}s"

# --- Pictures drawn in step with the sound, straight into the encoder.
set -o pipefail
"$CLIPMAKER" render "$script" "$name" "$work/times.txt" "$work/sound.wav" \
    | "$FFMPEG" -nostdin -hide_banner -loglevel error -y -threads 1 \
        -f rawvideo -pix_fmt rgb24 -s ${W}x${H} -r $FPS -i - -i "$work/sound.wav" \
        -map 0:v -map 1:a -c:v mjpeg -q:v 3 -pix_fmt yuvj420p -r $FPS \
        -c:a pcm_s16le -ar $RATE -ac 1 -f avi "$work/clip.avi" \
    || die "drawing or encoding failed for $out"

publish "$work/times.txt" "$times"
publish "$work/clip.avi" "$out"
rm -rf "$work"
