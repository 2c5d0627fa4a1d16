# The loudness of the disc's speech (sourced): one target level for every
# recording, a ceiling for its peaks, and how both are measured with sox.

TARGET_DB=-20 # RMS of the voice, pauses left out, in dBFS
PEAK_DB=-1    # no peak above this, in dBFS

# speech_level FILE.wav: the RMS level in dB of its speech, with every pause
# longer than 0.15 s left out.
speech_level() {
    "${SOX:-sox}" "$1" -n silence 1 0.02 0.1% -1 0.15 0.1% stats 2>&1 | awk '/^RMS lev dB/ { print $4 }'
}

# peak_level FILE.wav: the highest peak in dB.
peak_level() {
    "${SOX:-sox}" "$1" -n stats 2>&1 | awk '/^Pk lev dB/ { print $4 }'
}

# edge_level FILE.wav START SECONDS: the RMS level in dB of a stretch
# (START may be negative: counted from the end).
edge_level() {
    local from=$2
    case $from in -*) from="=$("${SOX:-sox}" --i -D "$1" | awk -v s="$from" '{ print $1 + s }')" ;; esac
    "${SOX:-sox}" "$1" -n trim "$from" "$3" stats 2>&1 | awk '/^RMS lev dB/ { print $4 }'
}
