#!/bin/bash
# tone.sh NAME OUT.wav WORKDIR
# The program's interface sounds, synthesised: click, click4, click5, buzz,
# type and the splash melody spl_mus1. PCM 16-bit mono 22050 Hz.
here=$(cd "$(dirname "$0")" && pwd)
. "$here/common.sh"

[ $# -eq 3 ] || die "usage: tone.sh NAME OUT.wav WORKDIR"
name=$1 out=$2 work=$3
fresh_dir "$work"

# note OUT SECONDS KIND FREQ...: one note (several frequencies make a chord),
# mixed to mono with a quick attack and a gentle decay. Synthesised at
# 44100 Hz (the plucked-string voice needs it) and resampled at the end.
note() {
    _out=$1 _len=$2 _kind=$3
    shift 3
    _gen=""
    for _f in "$@"; do _gen="$_gen $_kind $_f"; done
    # shellcheck disable=SC2086
    "$SOX" -r 44100 -c $# -n -c 1 -b 16 "$_out" synth "$_len" $_gen remix - gain -n -3 \
        fade q 0.003 "$_len" "$(awk -v l="$_len" 'BEGIN { printf "%.3f", l * 0.8 }')" \
        || die "sox failed for $name"
}

f="$work/out.wav"
case $name in
    click)      # a light, high tick for the calculator keys
        note "$work/a.wav" 0.03 sine 2093 3136
        "$SOX" "$work/a.wav" "$f" gain -n -6 ;;
    click4)     # a rising two-note blip for a menu choice
        note "$work/a.wav" 0.04 sine 1318.5
        note "$work/b.wav" 0.06 sine 1760
        "$SOX" "$work/a.wav" "$work/b.wav" "$f" gain -n -5 ;;
    click5)     # a soft wooden knock for the main view's buttons
        note "$work/a.wav" 0.07 pluck 784
        "$SOX" "$work/a.wav" "$f" lowpass 3000 gain -n -4 ;;
    buzz)       # a short low rasp: this key was refused
        note "$work/a.wav" 0.28 square 110 117
        "$SOX" "$work/a.wav" "$f" lowpass 1500 tremolo 30 40 gain -n -4 ;;
    type)       # a very short key tap
        "$SOX" -r 44100 -c 1 -n -b 16 "$work/a.wav" synth 0.025 whitenoise \
            band 2500 1500 fade q 0.001 0.025 0.02 || die "sox failed"
        note "$work/b.wav" 0.025 sine 1200
        "$SOX" -m "$work/a.wav" "$work/b.wav" "$f" gain -n -6 ;;
    spl_mus1)   # the splash melody: a rising phrase in C major ending on a chord
        i=0
        for n in "0.22 523.25" "0.22 659.26" "0.22 783.99" "0.44 1046.5" \
                 "0.22 987.77" "0.22 783.99" "0.44 880" "0.22 698.46" "0.22 587.33"; do
            set -- $n
            note "$work/n$i.wav" "$1" pluck "$2"
            i=$((i + 1))
        done
        note "$work/n$i.wav" 1.3 pluck 523.25 659.26 783.99 1046.5
        "$SOX" $(for k in $(seq 0 $i); do echo "$work/n$k.wav"; done) "$work/phrase.wav" \
            || die "sox failed"
        "$SOX" "$work/phrase.wav" "$work/tail.wav" pad 0 1 || die "sox failed"
        "$SOX" -V1 "$work/tail.wav" "$f" gain -6 lowpass 5000 reverb 35 50 60 \
            trim 0 4.4 fade t 0 4.4 0.6 gain -n -3 || die "sox failed" ;;
    *)
        die "no sound named $name" ;;
esac

"$SOX" "$f" -r $RATE -c 1 -b 16 "$work/final.wav" || die "sox failed for $name"
publish "$work/final.wav" "$out"
rm -rf "$work"
