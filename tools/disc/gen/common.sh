# Shared settings and helpers of the disc generators (sourced, not run).
# Tools may be overridden from the environment (CMake passes the ones it found).

set -eu

ESPEAK=${ESPEAK:-espeak-ng}
SOX=${SOX:-sox}
FFMPEG=${FFMPEG:-ffmpeg}

# Speech: a calm American English voice.
VOICE=${VOICE:-en-us}
SPEECH_WPM=${SPEECH_WPM:-150}
SPEECH_PITCH=${SPEECH_PITCH:-45}

# Every recording: PCM 16-bit mono at 22050 Hz.
RATE=22050

die() {
    echo "disc: $*" >&2
    exit 1
}

# script_text FILE: the file without comment lines ("#" first), lines joined.
script_text() {
    sed -e '/^[[:space:]]*#/d' "$1" | tr '\n\r\t' '   ' | tr -s ' ' | sed -e 's/^ //' -e 's/ $//'
}

# check_spoken TEXT WHERE: refuse text the voice reads badly.
# Amounts, percentages and symbols must be written out in words.
check_spoken() {
    case $1 in
        '') die "$2: no text to speak" ;;
        *'$'* | *'%'* | *'&'* | *'('* | *')'* | *'|'*)
            die "$2: write amounts, percentages and symbols (\$ % & ( ) |) in words" ;;
    esac
}

# speak TEXT OUT.wav: synthesise, trim the voice's own edge silence,
# convert to the disc format. Not normalised (callers normalise the whole).
speak() {
    _txt=$2.txt
    printf '%s\n' "$1" > "$_txt"
    "$ESPEAK" -v "$VOICE" -s "$SPEECH_WPM" -p "$SPEECH_PITCH" -f "$_txt" -w "$2.raw.wav" \
        || die "espeak-ng failed for $2"
    "$SOX" "$2.raw.wav" -r $RATE -c 1 -b 16 "$2" \
        silence 1 0.02 0.1% reverse silence 1 0.02 0.1% reverse \
        || die "sox failed for $2"
    rm -f "$_txt" "$2.raw.wav"
}

# duration FILE.wav: seconds, as a decimal number.
duration() {
    "$SOX" --i -D "$1"
}

# in_range VALUE MIN MAX: true when MIN <= VALUE <= MAX (decimals allowed).
in_range() {
    awk -v v="$1" -v lo="$2" -v hi="$3" 'BEGIN { exit !(v + 0 >= lo + 0 && v + 0 <= hi + 0) }'
}

# fresh_dir DIR: an empty working directory.
fresh_dir() {
    rm -rf "$1"
    mkdir -p "$1"
}

# publish TMP FINAL: move a finished file into place, so that an interrupted
# run never leaves a half-written output behind.
publish() {
    mkdir -p "$(dirname "$2")"
    mv -f "$1" "$2"
}
