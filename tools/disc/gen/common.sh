# Shared settings and helpers of the disc generators (sourced, not run).
# Tools may be overridden from the environment (CMake passes the ones it found).

set -eu

ESPEAK=${ESPEAK:-espeak-ng}
FESTIVAL=${FESTIVAL:-festival}
SOX=${SOX:-sox}
FFMPEG=${FFMPEG:-ffmpeg}
gen_dir=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)

# The voice of the course: Festival with the HTS voice cmu_us_slt_arctic_hts
# (voice.scm). Without it, espeak-ng's en-us voice stands in.
FESTIVAL_VOICE_DIR=${FESTIVAL_VOICE_DIR:-/usr/share/festival/voices/us/cmu_us_slt_arctic_hts}
if [ -z "${VOICE_ENGINE:-}" ]; then
    if command -v "$FESTIVAL" > /dev/null 2>&1 && [ -d "$FESTIVAL_VOICE_DIR" ]; then
        VOICE_ENGINE=festival
    else
        VOICE_ENGINE=espeak
        echo "disc: warning: festival and festvox-us-slt-hts are missing; recording with espeak-ng" >&2
    fi
fi
ESPEAK_VOICE=en-us ESPEAK_WPM=150 ESPEAK_PITCH=45

# Every recording: PCM 16-bit mono at 22050 Hz, its speech at one loudness
# and its peaks below a ceiling (levels.sh).
RATE=22050
. "$gen_dir/levels.sh"

die() {
    echo "disc: $*" >&2
    exit 1
}

# script_text FILE: the file without comment lines ("#" first), lines joined.
script_text() {
    sed -e '/^[[:space:]]*#/d' "$1" | tr '\n\r\t' '   ' | tr -s ' ' | sed -e 's/^ //' -e 's/ $//'
}

# check_spoken TEXT WHERE: refuse text the voice reads badly.
# Amounts, numbers, percentages and symbols must be written out in words.
check_spoken() {
    case $1 in
        '') die "$2: no text to speak" ;;
        *[0-9'$%&()|']*)
            die "$2: write amounts, numbers, percentages and symbols (\$ % & ( ) |) in words" ;;
    esac
}

# scheme_string TEXT: TEXT as a Scheme string literal.
scheme_string() {
    printf '"%s"' "$(printf '%s' "$1" | sed -e 's/\\/\\\\/g' -e 's/"/\\"/g')"
}

# speak_all DIR: speaks every DIR/*.txt into DIR/*.wav (the name kept): the
# voice's own edge silence trimmed, in the disc's format, at the target level.
speak_all() {
    local dir=$1 f
    case $VOICE_ENGINE in
        festival)
            for f in "$dir"/*.txt; do
                printf '(record %s %s)\n' "$(scheme_string "$(cat "$f")")" "$(scheme_string "${f%.txt}.raw.wav")"
            done > "$dir/say.scm"
            "$FESTIVAL" -b "$gen_dir/voice.scm" "$dir/say.scm" > "$dir/festival.log" 2>&1 \
                || die "festival failed: $(cat "$dir/festival.log")"
            ;;
        espeak)
            for f in "$dir"/*.txt; do
                "$ESPEAK" -v "$ESPEAK_VOICE" -s "$ESPEAK_WPM" -p "$ESPEAK_PITCH" -f "$f" -w "${f%.txt}.raw.wav" \
                    || die "espeak-ng failed for $f"
            done
            ;;
        *) die "unknown voice engine $VOICE_ENGINE" ;;
    esac
    for f in "$dir"/*.txt; do
        [ -s "${f%.txt}.raw.wav" ] || die "the voice said nothing for $f: $(cat "$dir/festival.log" 2> /dev/null)"
        level "${f%.txt}.raw.wav" "${f%.txt}.wav"
    done
}

# level IN.wav OUT.wav: trimmed, converted to the disc format, and brought to
# the target level; a voice whose peaks would pass the ceiling there stops
# short of it instead (speech rarely peaks more than 17 dB over its level).
level() {
    local trimmed=$2.trim.wav rms peak gain
    "$SOX" "$1" -r $RATE -c 1 -b 16 "$trimmed" \
        silence 1 0.02 0.1% reverse silence 1 0.02 0.1% reverse || die "sox failed for $1"
    rms=$(speech_level "$trimmed")
    peak=$(peak_level "$trimmed")
    [ -n "$rms" ] && [ "$rms" != -inf ] || die "no speech in $1"
    gain=$(awk -v t="$TARGET_DB" -v r="$rms" -v c="$PEAK_DB" -v p="$peak" \
        'BEGIN { g = t - r; if (p + g > c) g = c - p; print g }')
    "$SOX" "$trimmed" "$2" gain "$gain" || die "sox failed for $1"
    rm -f "$trimmed" "$1"
}

# offscreen WORKDIR: lets the clip maker draw without a display (Qt wants a
# private runtime folder).
offscreen() {
    export QT_QPA_PLATFORM=offscreen
    if [ -z "${XDG_RUNTIME_DIR:-}" ]; then
        mkdir -p -m 700 "$1/runtime"
        export XDG_RUNTIME_DIR=$1/runtime
    fi
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
