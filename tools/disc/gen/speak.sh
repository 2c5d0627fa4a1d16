#!/bin/bash
# speak.sh SCRIPT OUT.wav MIN_SECONDS MAX_SECONDS WORKDIR
# A spoken recording (narration, field hint, farewell) from a text script.
# Fails when the recording's length is outside MIN..MAX seconds.
here=$(cd "$(dirname "$0")" && pwd)
. "$here/common.sh"

[ $# -eq 5 ] || die "usage: speak.sh SCRIPT OUT.wav MIN MAX WORKDIR"
script=$1 out=$2 min=$3 max=$4 work=$5
[ -r "$script" ] || die "cannot read $script"

text=$(script_text "$script")
check_spoken "$text" "$script"

fresh_dir "$work"
speak "$text" "$work/voice.wav"
# A breath of silence around the voice, and a steady level.
"$SOX" "$work/voice.wav" -b 16 "$work/out.wav" pad 0.2 0.4 norm -1 || die "sox failed for $out"

len=$(duration "$work/out.wav")
in_range "$len" "$min" "$max" || die "$script: spoken length ${len}s is outside ${min}..${max}s"

publish "$work/out.wav" "$out"
rm -rf "$work"
