#!/bin/bash
# video.sh SCRIPT OUT.avi FONT_BOLD FONT_REGULAR WORKDIR
# A short lesson clip: a title slide and key-point slides in the module's
# colours, each shown while its part of the narration is spoken.
# Video: MJPEG 160x120 at 12 frames per second; sound: PCM 16-bit mono 22050 Hz;
# container: AVI. Script format: see ../README.md.
here=$(cd "$(dirname "$0")" && pwd)
. "$here/common.sh"

[ $# -eq 5 ] || die "usage: video.sh SCRIPT OUT.avi FONT_BOLD FONT_REGULAR WORKDIR"
script=$1 out=$2 font_bold=$3 font_regular=$4 work=$5
[ -r "$script" ] || die "cannot read $script"
[ -r "$font_bold" ] || die "cannot read font $font_bold"
[ -r "$font_regular" ] || die "cannot read font $font_regular"

W=160 H=120 FPS=12
MIN_SECONDS=10 MAX_SECONDS=40
LEAD_IN=0.6     # silence before the first words, while the title appears
GAP=0.5         # pause between slides
TAIL=0.9        # the last slide stays a moment after the last words

fresh_dir "$work"
ln -s "$font_bold" "$work/bold.ttf"
ln -s "$font_regular" "$work/regular.ttf"

# --- Parse: one directory entry per slide: NNN.lines (slide text, one line
# per row) and NNN.say (its narration). Slide 000 is the title slide.
awk -v dir="$work" -v src="$script" '
    function fail(msg) { print "disc: " src ":" NR ": " msg > "/dev/stderr"; bad = 1; exit 1 }
    function trim(s) { gsub(/^[ \t\r]+|[ \t\r]+$/, "", s); return s }
    function start(kind, rest,   n, parts, i, f) {
        if (kind == "title" && count > 0) fail("the title must come first")
        if (kind == "slide" && count == 0) fail("a slide before the title")
        if (count > 0 && !said) fail("slide " count - 1 " has no narration")
        cur = sprintf("%s/%03d", dir, count++)
        said = 0
        n = split(rest, parts, /\|/)
        if (n > 4) fail("more than four rows on one slide")
        f = cur ".lines"
        for (i = 1; i <= n; i++) {
            parts[i] = trim(parts[i])
            if (parts[i] == "") fail("an empty row")
            print parts[i] > f
        }
        close(f)
    }
    /^[ \t]*#/ { next }
    /^module:/ { m = trim(substr($0, 8)); if (m !~ /^[1-4]$/) fail("module must be 1 to 4"); print m > (dir "/module"); next }
    /^title:/ { start("title", substr($0, 7)); next }
    /^slide:/ { start("slide", substr($0, 7)); next }
    {
        line = trim($0)
        if (line == "") next
        if (count == 0) fail("text before the title")
        printf "%s ", line > (cur ".say")
        said = 1
    }
    END {
        if (bad) exit 1
        if (count == 0) fail("no title")
        if (!said) fail("slide " count - 1 " has no narration")
        if (count < 2) fail("a title and at least one key-point slide are needed")
    }
' "$script" || die "$script: not a valid clip script"

# --- Module: from the script, else from the first digit of the clip's name.
if [ -f "$work/module" ]; then
    module=$(cat "$work/module")
else
    module=$(basename "$out" | cut -c1)
fi
case $module in
    1) bg=800000 dark=4a0000 name="FINANCIAL ATTITUDES" ;;
    2) bg=000080 dark=00004a name="MONEY MANAGEMENT" ;;
    3) bg=808000 dark=4a4a00 name="CREDIT" ;;
    4) bg=008000 dark=004a00 name="PLANNING FOR THE FUTURE" ;;
    *) die "$script: no module for $(basename "$out") (add a \"module:\" line)" ;;
esac
accent=ffd24a

# --- Slide sizes. Rows are sized to fit 160 pixels: the width of a row is
# estimated from the Liberation Sans Bold advance widths of its characters.
fit_size() { # fit_size LINESFILE CAP -> largest size <= CAP that fits, or nothing
    awk -v cap="$2" -v room=144 -v q="'" '
        function width(s,   i, c, w) {
            w = 0
            for (i = 1; i <= length(s); i++) {
                c = substr(s, i, 1)
                if (c ~ /[MW]/) w += 0.89
                else if (c ~ /[mw]/) w += 0.86
                else if (c ~ /[A-Z]/) w += 0.72
                else if (c ~ /[ijl]/) w += 0.28
                else if (c ~ /[ftI!., :;-]/ || c == q) w += 0.33
                else if (c ~ /[r]/) w += 0.39
                else w += 0.58
            }
            return w
        }
        { w = width($0); if (w > widest) widest = w; rows++ }
        END {
            for (size = cap; size >= 12; size--)
                if (widest * size <= room && rows * size * 1.2 <= 84) { print size; exit }
        }' "$1"
}

slides=$(cd "$work" && ls ./*.lines | sed 's|^\./||; s|\.lines$||')
for s in $slides; do
    cap=18; [ "$s" = 000 ] && cap=20
    size=$(fit_size "$work/$s.lines" $cap)
    [ -n "$size" ] || die "$script (slide $s): a row is too long for the screen; shorten or split it"
    echo "$size" > "$work/$s.size"
done

# --- Narration, one piece per slide, and the slide lengths in frames.
last=$(printf '%s\n' $slides | tail -n 1)
pieces=""
for s in $slides; do
    text=$(cat "$work/$s.say")
    check_spoken "$text" "$script (slide $s)"
    speak "$text" "$work/$s.voice.wav"
    before=0 after=$GAP
    [ "$s" = 000 ] && before=$LEAD_IN
    [ "$s" = "$last" ] && after=$TAIL
    "$SOX" "$work/$s.voice.wav" "$work/$s.part.wav" pad "$before" "$after" || die "sox failed"
    pieces="$pieces $work/$s.part.wav"
done
# shellcheck disable=SC2086
"$SOX" $pieces "$work/joined.wav" || die "sox failed"
"$SOX" "$work/joined.wav" -b 16 "$work/sound.wav" norm -1 || die "sox failed"
total=$(duration "$work/sound.wav")
in_range "$total" $MIN_SECONDS $MAX_SECONDS \
    || die "$script: clip length ${total}s is outside ${MIN_SECONDS}..${MAX_SECONDS}s"

# Frame counts from the running total, so rounding never drifts.
frames=$(for s in $slides; do duration "$work/$s.part.wav"; done | awk -v fps=$FPS '
    { t += $1; end = int(t * fps + 0.5); print end - prev; prev = end }')

# --- Slides, joined in order, each as long as its narration.
count=$(printf '%s\n' $slides | wc -l)
filters=""
labels=""
i=0
set -- $frames
for s in $slides; do
    n=$1; shift
    size=$(cat "$work/$s.size")
    rows=$(wc -l < "$work/$s.lines")
    step=$(( size * 6 / 5 + 1 ))
    # Text block centred in the area between the bands.
    if [ "$s" = 000 ]; then top=18 bottom=104; else top=18 bottom=112; fi
    block=$(( rows * step ))
    first=$(( (top + bottom - block) / 2 ))
    f="color=c=0x$bg:s=${W}x${H}:r=$FPS:d=$(awk -v n="$n" -v r=$FPS 'BEGIN { printf "%.6f", n / r }')"
    f="$f,drawbox=x=0:y=0:w=$W:h=15:color=0x$dark:t=fill"
    f="$f,drawtext=fontfile=regular.ttf:text='$name':fontsize=9:fontcolor=0xe8e8e8:x=(w-text_w)/2:y=11-ascent"
    if [ "$s" = 000 ]; then
        # Title slide: a thin frame, the title, an accent rule, the course name.
        f="$f,drawbox=x=3:y=18:w=154:h=84:color=0xffffff@0.7:t=1"
        f="$f,drawbox=x=0:y=105:w=$W:h=15:color=0x$dark:t=fill"
        f="$f,drawtext=fontfile=bold.ttf:text='Fiscova':fontsize=10:fontcolor=0x$accent:x=(w-text_w)/2:y=116-ascent"
        rule=$(( first + (rows - 1) * step + size + size / 3 + 3 ))
        [ $rule -gt 99 ] && rule=99
        f="$f,drawbox=x=60:y=$rule:w=40:h=2:color=0x$accent:t=fill"
    else
        # Key-point slide: a shaded panel with a square accent, a progress bar.
        f="$f,drawbox=x=4:y=19:w=152:h=92:color=0xffffff@0.13:t=fill"
        f="$f,drawbox=x=4:y=19:w=152:h=92:color=0xffffff@0.45:t=1"
        f="$f,drawbox=x=4:y=19:w=6:h=6:color=0x$accent:t=fill"
        f="$f,drawbox=x=0:y=115:w=$W:h=5:color=0x$dark:t=fill"
        f="$f,drawbox=x=0:y=115:w=$(( W * 10#$s / (count - 1) )):h=5:color=0x$accent:t=fill"
    fi
    r=0
    while IFS= read -r row; do
        printf '%s' "$row" > "$work/$s.row$r.txt"
        base=$(( first + r * step + size ))
        f="$f,drawtext=fontfile=bold.ttf:textfile=$s.row$r.txt:expansion=none:fontsize=$size"
        f="$f:fontcolor=white:shadowcolor=black@0.6:shadowx=1:shadowy=1:x=(w-text_w)/2:y=$base-ascent"
        r=$(( r + 1 ))
    done < "$work/$s.lines"
    filters="$filters$f[v$i];"
    labels="$labels[v$i]"
    i=$(( i + 1 ))
done
filters="$filters${labels}concat=n=$i:v=1:a=0[v]"

(cd "$work" && "$FFMPEG" -nostdin -hide_banner -loglevel error -y -threads 1 \
    -i sound.wav -filter_complex "$filters" -filter_complex_threads 1 \
    -map '[v]' -map 0:a -c:v mjpeg -q:v 3 -pix_fmt yuvj420p -r $FPS \
    -c:a pcm_s16le -ar $RATE -ac 1 -f avi clip.avi) || die "ffmpeg failed for $out"

publish "$work/clip.avi" "$out"
rm -rf "$work"
