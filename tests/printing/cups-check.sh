#!/usr/bin/env bash
# Prints the net-worth report through a real CUPS: a private scheduler with a
# PDF queue as its default printer. Passes when the job went through the
# queue, the queue wrote its PDF, and the document the program sent holds
# the report's title and figures.
#   tests/printing/cups-check.sh <build folder>
# Needs cups, printer-driver-cups-pdf and poppler-utils (the CI installs them).
set -euo pipefail

build="$(cd "$1" && pwd)"
work="$(mktemp -d)"
cupsd_pid=""
finish() {
    if [ -n "$cupsd_pid" ]; then
        kill "$cupsd_pid" 2>/dev/null || true
        wait "$cupsd_pid" 2>/dev/null || true
    fi
    rm -rf "$work"
}
trap finish EXIT

mkdir -p "$work/root" "$work/spool" "$work/cache" "$work/state" "$work/log"
cat >"$work/root/cupsd.conf" <<CONF
Listen $work/cups.sock
LogLevel info
WebInterface No
PreserveJobFiles Yes

<Location />
  Order allow,deny
  Allow all
</Location>
CONF
cat >"$work/root/cups-files.conf" <<CONF
ServerRoot $work/root
RequestRoot $work/spool
CacheDir $work/cache
StateDir $work/state
ServerBin /usr/lib/cups
DataDir /usr/share/cups
ErrorLog $work/log/error_log
AccessLog $work/log/access_log
PageLog $work/log/page_log
User lp
Group lp
SystemGroup root
CONF
chmod 755 "$work"
/usr/sbin/cupsd -t -c "$work/root/cupsd.conf" -s "$work/root/cups-files.conf"
/usr/sbin/cupsd -f -c "$work/root/cupsd.conf" -s "$work/root/cups-files.conf" &
cupsd_pid=$!
export CUPS_SERVER="$work/cups.sock"
for _ in $(seq 50); do lpstat -r >/dev/null 2>&1 && break; sleep 0.2; done
lpstat -r

lpadmin -p FiscovaPDF -E -v cups-pdf:/ -P /usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd 2>/dev/null
lpadmin -d FiscovaPDF
# The queue's PDFs land in the home folder of the job's owner.
out="$(getent passwd "$(id -un)" | cut -d: -f6)/PDF"
mkdir -p "$out"
touch "$work/started"

QT_QPA_PLATFORM=offscreen "$build/tests/fiscova_print_check"

for _ in $(seq 100); do
    [ -z "$(lpstat -o 2>/dev/null)" ] && break
    sleep 0.2
done
lpstat -W completed -o FiscovaPDF | grep -q FiscovaPDF || { echo "no job went through the queue"; exit 1; }
pdf="$(find "$out" -name '*.pdf' -newer "$work/started" | head -1)"
[ -n "$pdf" ] || { echo "the queue wrote no PDF"; exit 1; }
# The queue's own PDF is drawn anew by its filters; the document the
# program sent is kept in the spool, and holds the report's text.
spooled="$(ls "$work/spool"/d*-001 2>/dev/null | head -1)"
[ -n "$spooled" ] || { echo "the spool kept no document"; exit 1; }
text="$(pdftotext "$spooled" -)"
for expected in "Your Net Worth" '$220,900' '$166,780' '$54,120' '$185,000'; do
    grep -qF -- "$expected" <<<"$text" || { echo "the printed report lacks $expected"; exit 1; }
done
rm -f "$pdf"
echo "printing check: the net-worth report went through CUPS and holds its figures"
