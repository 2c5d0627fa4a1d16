#!/bin/bash
# check_disc.sh MANIFEST DISC_DIR PROGRAM_DIR
# Checks every generated recording against what the program and its media
# component expect: the file is there, has the right format, a length within
# the allowed range, its speech at the disc's one loudness without clipping
# and with silent ends, and (when gst-launch-1.0 is available) GStreamer's
# avidemux and jpegdec play each clip to the end.
set -u
manifest=$1 disc=$2 program=$3
FFPROBE=${FFPROBE:-ffprobe}
FFMPEG=${FFMPEG:-ffmpeg}
GST_LAUNCH=${GST_LAUNCH:-gst-launch-1.0}
. "$(dirname "$0")/speech_checks.sh"
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

failures=0
fail() {
    echo "FAIL $*"
    failures=$((failures + 1))
}

# probe FILE ENTRIES: ffprobe fields as key=value lines.
probe() {
    "$FFPROBE" -v error -show_entries "$2" -of default=noprint_wrappers=1 "$1"
}

within() { awk -v v="$1" -v lo="$2" -v hi="$3" 'BEGIN { exit !(v + 0 >= lo + 0 && v + 0 <= hi + 0) }'; }

# check_wav FILE MIN MAX: PCM 16-bit WAV; mono 22050 Hz; length in range.
check_wav() {
    local f=$1 info len
    info=$(probe "$f" format=format_name,duration:stream=codec_name,channels,sample_rate) \
        || { fail "$f: not readable"; return; }
    case $info in *format_name=wav*) ;; *) fail "$f: not a WAV file" ;; esac
    case $info in *codec_name=pcm_s16le*) ;; *) fail "$f: not PCM 16-bit" ;; esac
    case $info in *channels=1*) ;; *) fail "$f: not mono" ;; esac
    case $info in *sample_rate=22050*) ;; *) fail "$f: not 22050 Hz" ;; esac
    len=$(printf '%s\n' "$info" | sed -n 's/^duration=//p')
    within "$len" "$2" "$3" || fail "$f: length $len s outside $2..$3 s"
}

# check_spoken FILE MIN MAX: a WAV of speech, at the disc's level.
check_spoken() {
    check_wav "$@"
    check_speech "$1" || fail "$1: $speech_problem"
}

# check_avi FILE: MJPEG 160x120 at 10..15 fps with PCM 16-bit sound, in AVI,
# 10..40 s long, sound and picture of the same length.
check_avi() {
    local f=$1 info v a fps len vlen alen
    info=$(probe "$f" format=format_name,duration) || { fail "$f: not readable"; return; }
    case $info in *format_name=avi*) ;; *) fail "$f: not an AVI file" ;; esac
    len=$(printf '%s\n' "$info" | sed -n 's/^duration=//p')
    within "$len" 10 40 || fail "$f: length $len s outside 10..40 s"

    v=$(probe "$f" stream=codec_type,codec_name,width,height | tr '\n' ' ')
    case $v in *codec_name=mjpeg*codec_type=video*width=160*height=120*) ;;
        *) fail "$f: no MJPEG 160x120 picture ($v)" ;; esac
    case $v in *codec_name=pcm_s16le*codec_type=audio*) ;;
        *) fail "$f: no PCM 16-bit sound" ;; esac
    fps=$("$FFPROBE" -v error -select_streams v:0 -show_entries stream=r_frame_rate -of csv=p=0 "$f")
    within "$(awk -v r="$fps" 'BEGIN { split(r, p, "/"); print (p[2] ? p[1] / p[2] : 0) }')" 10 15 \
        || fail "$f: frame rate $fps outside 10..15"

    # Picture and sound end together (within a frame or two).
    vlen=$("$FFPROBE" -v error -select_streams v:0 -count_packets \
        -show_entries stream=nb_read_packets,r_frame_rate -of csv=p=0 "$f" \
        | awk -F, '{ split($1, r, "/"); print $2 * r[2] / r[1] }')
    alen=$("$FFPROBE" -v error -select_streams a:0 -show_entries stream=sample_rate,nb_frames \
        -of default=noprint_wrappers=1 "$f" \
        | awk -F= '/^sample_rate=/ { r = $2 } /^nb_frames=/ { n = $2 } END { print (r ? n / r : 0) }')
    awk -v a="$vlen" -v b="$alen" 'BEGIN { d = a - b; if (d < 0) d = -d; exit !(d <= 0.2) }' \
        || fail "$f: picture ${vlen}s and sound ${alen}s differ"

    "$FFMPEG" -nostdin -v error -y -i "$f" -vn -c:a pcm_s16le "$scratch/sound.wav" \
        && { check_speech "$scratch/sound.wav" || fail "$f: $speech_problem"; }

    if [ -n "$gst" ]; then
        "$gst" -q filesrc location="$f" ! avidemux name=d \
            d.video_0 ! queue ! jpegdec ! fakesink sync=false \
            d.audio_0 ! queue ! fakesink sync=false > /dev/null 2>&1 \
            || fail "$f: GStreamer (avidemux, jpegdec) cannot play it"
    fi
}

gst=""
if command -v "$GST_LAUNCH" > /dev/null 2>&1; then
    gst=$(command -v "$GST_LAUNCH")
else
    echo "note: gst-launch-1.0 not found; clips are checked with ffprobe only"
fi

[ -s "$manifest" ] || { echo "FAIL no manifest $manifest"; exit 1; }
count=0
while read -r kind path; do
    case $path in locsounds/*) f=$program/$path ;; *) f=$disc/$path ;; esac
    count=$((count + 1))
    if [ ! -s "$f" ]; then
        fail "$f: missing"
        continue
    fi
    case $kind in
        marker)    grep -q Fiscova "$f" || fail "$f: does not name the Fiscova content disc" ;;
        narration) check_spoken "$f" 15 40 ;;
        hint)      check_spoken "$f" 1.5 15 ;;
        farewell)  check_spoken "$f" 3 20 ;;
        video)     check_avi "$f" ;;
        type)      check_wav "$f" 0.005 0.06 ;;
        click|click4|click5) check_wav "$f" 0.01 0.25 ;;
        buzz)      check_wav "$f" 0.1 1 ;;
        spl_mus1)  check_wav "$f" 3 5 ;;
        *)         fail "$f: unknown kind $kind in the manifest" ;;
    esac
done < "$manifest"

# Nothing on the disc that the program does not name (left over from a
# renamed or removed script).
for f in "$disc"/video/* "$disc"/sounds/*; do
    [ -e "$f" ] || continue
    rel=${f#"$disc"/}
    grep -q " $rel\$" "$manifest" || fail "$f: not named by the program"
done

echo "$count files checked, $failures problems"
[ $failures -eq 0 ]
