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
printf '%s\n' "$text" > "$work/voice.txt"
speak_all "$work"
# A breath of silence around the voice.
"$SOX" "$work/voice.wav" "$work/out.wav" pad 0.2 0.4 || die "sox failed for $out"

len=$(duration "$work/out.wav")
in_range "$len" "$min" "$max" || die "$script: spoken length ${len}s is outside ${min}..${max}s"

publish "$work/out.wav" "$out"
rm -rf "$work"
