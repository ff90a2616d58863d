#!/usr/bin/env bash
# Runs a command beside a private CUPS server that has one cups-pdf queue,
# "Etiquetas_PDF_<pid>" (in ETIQUETAS_CUPS_QUEUE).
# The server lives in a temporary folder, listens only on its own socket, and is stopped by its
# process id when the command ends. The command sees CUPS_SERVER, ETIQUETAS_CUPS_PDF_OUT (the
# folder where the queue's PDF files arrive) and ETIQUETAS_CUPSD_PID (the server's process id, for
# tests that make it stop answering).
set -euo pipefail

if [ "$(id -u)" -ne 0 ]; then
  echo "with-cupsd.sh: needs root (cups-pdf writes as root)" >&2
  exit 77
fi
for tool in cupsd lpadmin; do
  command -v "$tool" >/dev/null || [ -x "/usr/sbin/$tool" ] || { echo "with-cupsd.sh: $tool missing" >&2; exit 77; }
done

dir=$(mktemp -d /tmp/etiquetas-cups.XXXXXX)
server="$dir/server"
mkdir -p "$server/ppd" "$dir/spool/tmp" "$dir/cache" "$dir/state" "$dir/log" "$dir/out"
chmod 755 "$dir" "$dir/out"
socket="$dir/cups.sock"

cat >"$server/cupsd.conf" <<CONF
Listen $socket
LogLevel warn
WebInterface No
Browsing No
DefaultAuthType None
<Location />
  Order allow,deny
  Allow all
</Location>
<Location /admin>
  Order allow,deny
  Allow all
</Location>
<Policy default>
  <Limit All>
    Order deny,allow
  </Limit>
</Policy>
CONF
cat >"$server/cups-files.conf" <<CONF
ServerRoot $server
RequestRoot $dir/spool
TempDir $dir/spool/tmp
CacheDir $dir/cache
StateDir $dir/state
ErrorLog $dir/log/error_log
AccessLog $dir/log/access_log
PageLog $dir/log/page_log
ServerBin /usr/lib/cups
DataDir /usr/share/cups
FileDevice Yes
Sandboxing Relaxed
User lp
Group lp
SystemGroup root
CONF
cat >"$server/cups-pdf.conf" <<CONF
Out $dir/out
AnonDirName $dir/out
Spool $dir/spool/cups-pdf
Grp root
UserUMask 0022
Log $dir/log
CONF
mkdir -p "$dir/spool/cups-pdf"
# cups-pdf reads its settings from /etc/cups only: a file for this queue alone, removed at the end.
queue="Etiquetas_PDF_$$"
queueconf="/etc/cups/cups-pdf-$queue.conf"
cp "$server/cups-pdf.conf" "$queueconf"

/usr/sbin/cupsd -f -c "$server/cupsd.conf" -s "$server/cups-files.conf" &
pid=$!
stop() {
  kill "$pid" 2>/dev/null || true
  wait "$pid" 2>/dev/null || true
  rm -rf "$dir" "$queueconf"
}
trap stop EXIT

export CUPS_SERVER="$socket"
for _ in $(seq 1 100); do
  [ -S "$socket" ] && lpstat -r >/dev/null 2>&1 && break
  sleep 0.1
done
/usr/sbin/lpadmin -p "$queue" -E -v "cups-pdf:/$queue" -P /usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd 2>/dev/null
export ETIQUETAS_CUPS_PDF_OUT="$dir/out" ETIQUETAS_CUPS_QUEUE="$queue" ETIQUETAS_CUPSD_PID="$pid"
"$@"
