# check_speech FILE.wav (sourced by the disc's checks): true when the speech
# is at the disc's one level (within LEVEL_TOLERANCE dB), never reaches the
# peak ceiling, and starts and ends with a moment of silence; otherwise false
# with the reason in $speech_problem.
. "$(dirname "${BASH_SOURCE[0]}")/../gen/levels.sh"

LEVEL_TOLERANCE=1
EDGE=0.12       # seconds of silence at each end
QUIET_DB=-50    # what counts as silence

check_speech() {
    local f=$1 level peak head tail
    level=$(speech_level "$f")
    peak=$(peak_level "$f")
    head=$(edge_level "$f" 0 $EDGE)
    tail=$(edge_level "$f" -$EDGE $EDGE)
    speech_problem=""
    awk -v l="$level" -v t="$TARGET_DB" -v d="$LEVEL_TOLERANCE" 'BEGIN { x = l - t; exit !(l != "" && x <= d && x >= -d) }' \
        || speech_problem="speech at ${level} dB, not ${TARGET_DB} dB"
    awk -v p="$peak" -v c="$PEAK_DB" 'BEGIN { exit !(p != "" && p <= c + 0.1) }' \
        || speech_problem="$speech_problem${speech_problem:+; }peak ${peak} dB over ${PEAK_DB} dB"
    for edge in "$head" "$tail"; do
        case $edge in -inf) continue ;; esac
        awk -v e="$edge" -v q="$QUIET_DB" 'BEGIN { exit !(e != "" && e <= q) }' \
            || speech_problem="$speech_problem${speech_problem:+; }an end is not silent (${edge} dB)"
    done
    [ -z "$speech_problem" ]
}
