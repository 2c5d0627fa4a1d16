#!/bin/bash
# sheet.sh SCRIPT CLIP.avi TIMES OUT.png WORKDIR
# The contact sheet of a clip: a frame every two seconds, taken from the clip
# on the disc, beside its words and narration (drawn by CLIPMAKER).
here=$(cd "$(dirname "$0")" && pwd)
. "$here/common.sh"

[ $# -eq 5 ] || die "usage: sheet.sh SCRIPT CLIP.avi TIMES OUT.png WORKDIR"
script=$1 clip=$2 times=$3 out=$4 work=$5
[ -r "$clip" ] || die "cannot read $clip (build the disc first)"
[ -r "$times" ] || die "cannot read $times (build the disc first)"

fresh_dir "$work"
offscreen "$work"
# Frames 0, 24, 48 ...: one every two seconds at 12 frames per second.
"$FFMPEG" -nostdin -v error -i "$clip" -vf "select=not(mod(n\,24))" -vsync vfr -start_number 0 \
    "$work/%03d.png" || die "ffmpeg cannot read $clip"
"$CLIPMAKER" sheet "$script" "$(basename "$clip" .avi)" "$times" "$work" "$work/sheet.png" || exit 1
publish "$work/sheet.png" "$out"
rm -rf "$work"
