#!/bin/sh
# A private CUPS spooler for end-to-end print tests, run entirely from one folder.
#
#   private-cupsd.sh start DIR [QUEUE...] start cupsd from DIR and add a PDF queue for each QUEUE
#                                        (default: QuirelleTest; the first is the default queue);
#                                        prints the settings clients need
#   private-cupsd.sh stop DIR            stop the cupsd started from DIR
#
# Clients reach the spooler with CUPS_SERVER=DIR/cups.sock. The queue prints through the cups-pdf
# backend, which writes into the folder printed as "pdf-dir=": the Out folder of
# /etc/cups/cups-pdf.conf for the job's user (for jobs of root on Debian 12: /root/PDF, files named
# after the job title). Needs root: cupsd itself drops to lp.
set -eu

usage() {
    echo "usage: $0 start DIR [QUEUE] | stop DIR" >&2
    exit 2
}

PPD=/usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd
CUPS_PDF_CONF=/etc/cups/cups-pdf.conf

[ $# -ge 2 ] || usage
ACTION=$1
DIR=$(cd "$2" 2>/dev/null && pwd) || { echo "$0: no folder $2" >&2; exit 1; }
shift 2
QUEUES=${*:-QuirelleTest}
SOCKET=$DIR/cups.sock
PIDFILE=$DIR/cupsd.pid

write_config() {
    mkdir -p "$DIR/spool/tmp" "$DIR/cache" "$DIR/state" "$DIR/log" "$DIR/ppd"
    cat >"$DIR/cupsd.conf" <<EOF
Listen $SOCKET
LogLevel warn
WebInterface No
Browsing No
DefaultAuthType None
<Location />
  Order allow,deny
  Allow all
</Location>
EOF
    # ServerBin and DataDir stay the system's: they hold the filters, backends and PPDs.
    cat >"$DIR/cups-files.conf" <<EOF
ServerRoot $DIR
RequestRoot $DIR/spool
TempDir $DIR/spool/tmp
CacheDir $DIR/cache
StateDir $DIR/state
AccessLog $DIR/log/access_log
ErrorLog $DIR/log/error_log
PageLog $DIR/log/page_log
User lp
Group lp
SystemGroup root
EOF
    # cupsd refuses to run as root and needs its folders writable by its group.
    chown -R root:lp "$DIR"
    chmod -R g+rwX "$DIR"
}

# The Out folder cups-pdf writes into for a job of user `root`, as its configuration says.
pdf_output_dir() {
    out=$(sed -n 's/^[[:space:]]*Out[[:space:]]\{1,\}//p' "$CUPS_PDF_CONF" 2>/dev/null | tail -n 1)
    [ -n "$out" ] || out='${HOME}/PDF'
    home=$(getent passwd root | cut -d: -f6)
    echo "$out" | sed "s|\${HOME}|$home|g; s|\${USER}|root|g"
}

wait_for_socket() {
    i=0
    while [ ! -S "$SOCKET" ]; do
        i=$((i + 1))
        if [ $i -gt 100 ] || ! kill -0 "$1" 2>/dev/null; then
            echo "$0: cupsd did not start; see $DIR/log/error_log" >&2
            return 1
        fi
        sleep 0.1
    done
}

start() {
    if [ -f "$PIDFILE" ] && kill -0 "$(cat "$PIDFILE")" 2>/dev/null; then
        echo "$0: cupsd already runs from $DIR" >&2
        exit 1
    fi
    [ -r "$PPD" ] || { echo "$0: missing $PPD (printer-driver-cups-pdf)" >&2; exit 1; }
    write_config
    cupsd -t -c "$DIR/cupsd.conf" -s "$DIR/cups-files.conf" >"$DIR/log/check.log" 2>&1 || {
        cat "$DIR/log/check.log" >&2
        exit 1
    }
    cupsd -f -c "$DIR/cupsd.conf" -s "$DIR/cups-files.conf" </dev/null >"$DIR/log/cupsd.out" 2>&1 &
    pid=$!
    echo "$pid" >"$PIDFILE"
    wait_for_socket "$pid" || { kill "$pid" 2>/dev/null || true; rm -f "$PIDFILE"; exit 1; }
    for queue in $QUEUES; do
        CUPS_SERVER=$SOCKET lpadmin -p "$queue" -E -v cups-pdf:/ -P "$PPD" -o PageSize=A4
    done
    set -- $QUEUES
    CUPS_SERVER=$SOCKET lpadmin -d "$1"
    echo "pid=$pid"
    echo "socket=$SOCKET"
    echo "queue=$1"
    echo "pdf-dir=$(pdf_output_dir)"
}

stop() {
    [ -f "$PIDFILE" ] || exit 0
    pid=$(cat "$PIDFILE")
    if kill "$pid" 2>/dev/null; then
        i=0
        while kill -0 "$pid" 2>/dev/null && [ $i -lt 50 ]; do
            i=$((i + 1))
            sleep 0.1
        done
        kill -9 "$pid" 2>/dev/null || true
    fi
    rm -f "$PIDFILE"
}

case "$ACTION" in
    start) start ;;
    stop) stop ;;
    *) usage ;;
esac
