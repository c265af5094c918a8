#!/usr/bin/env bash
# Idempotent: makes the test printers available. Starts a CUPS scheduler when none answers
# (containers have no init system, so cupsd is started directly) and creates three queues on
# the cups-pdf driver, which writes each job as a PDF file:
#   KalderPDF      the printer the print tests print on
#   KalderTrays    the same with four paper bins (input slots Auto, Upper, Lower, Manual)
#   KalderRejects  a queue that refuses jobs, for the failure path
# The queues write into $KALDER_CUPS_PDF_DIR (default /var/spool/cups-pdf/Kalder), each
# file named with the job number first ("job_12-title.pdf"), so the tests find their job.
#   scripts/cups.sh            start the scheduler, create the queues
#   scripts/cups.sh --dir      print the folder the queues write into
set -euo pipefail

OUT_DIR=${KALDER_CUPS_PDF_DIR:-/var/spool/cups-pdf/Kalder}

if [ "${1:-}" = "--dir" ]; then
  echo "$OUT_DIR"
  exit 0
fi

sudo_if_needed() { if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi; }
export PATH="$PATH:/usr/sbin"

for tool in cupsd lpadmin lpinfo lpstat cupsenable cupsaccept cupsreject; do
  if ! command -v "$tool" >/dev/null 2>&1; then
    echo "cups.sh: $tool is missing (Debian packages cups, cups-client, printer-driver-cups-pdf)" >&2
    exit 1
  fi
done

scheduler_running() { lpstat -r 2>/dev/null | grep -q 'is running'; }

if ! scheduler_running; then
  sudo_if_needed mkdir -p /run/cups
  # Without -f cupsd detaches itself and keeps running after this script.
  sudo_if_needed cupsd
  for _ in $(seq 1 50); do
    scheduler_running && break
    sleep 0.2
  done
  if ! scheduler_running; then
    echo "cups.sh: the CUPS scheduler did not start" >&2
    exit 1
  fi
fi

# The cups-pdf driver: its PPD with options, found through the scheduler's driver list.
model=$(lpinfo -m 2>/dev/null | grep -i 'cups-pdf' | grep -iv 'noopt' | head -n1 | cut -d' ' -f1 || true)
ppd=/usr/share/ppd/cups-pdf/$(basename "${model:-CUPS-PDF_opt.ppd}")
if [ ! -f "$ppd" ]; then
  echo "cups.sh: no cups-pdf driver found (package printer-driver-cups-pdf)" >&2
  exit 1
fi

# The same driver with paper bins, which cups-pdf itself does not have.
trays_ppd=/etc/cups/kalder-trays.ppd
trays_text=$(sed -e 's/^\*ModelName: *"\(.*\)"/*ModelName: "\1 with bins"/' \
                 -e 's/^\*NickName: *"\(.*\)"/*NickName: "\1 with bins"/' "$ppd" |
  awk '/^\*OpenUI \*Resolution/ && !done {
         print "*OpenUI *InputSlot/Media Source: PickOne"
         print "*OrderDependency: 20 AnySetup *InputSlot"
         print "*DefaultInputSlot: Auto"
         print "*InputSlot Auto/Automatic Selection: \"\""
         print "*InputSlot Upper/Upper Tray: \"<</MediaPosition 0>>setpagedevice\""
         print "*InputSlot Lower/Lower Tray: \"<</MediaPosition 1>>setpagedevice\""
         print "*InputSlot Manual/Manual Feed: \"<</ManualFeed true>>setpagedevice\""
         print "*CloseUI: *InputSlot"
         print ""
         done = 1
       }
       { print }')
if [ ! -f "$trays_ppd" ] || [ "$(cat "$trays_ppd")" != "$trays_text" ]; then
  printf '%s\n' "$trays_text" | sudo_if_needed tee "$trays_ppd" >/dev/null
fi

sudo_if_needed mkdir -p "$OUT_DIR"
sudo_if_needed chmod 1777 "$OUT_DIR"

# make_queue NAME PPD MARKER: a cups-pdf queue NAME on PPD, made afresh when its installed
# PPD lacks MARKER. The device URI cups-pdf:/NAME makes cups-pdf read cups-pdf-NAME.conf
# instead of its general settings: a fixed output folder, the job number in file names.
make_queue() {
  local name=$1 queue_ppd=$2 marker=$3
  local conf=/etc/cups/cups-pdf-$name.conf
  local wanted_conf="Out $OUT_DIR
Label 1
Grp lpadmin
DecodeHexStrings 1"
  if [ ! -f "$conf" ] || [ "$(cat "$conf")" != "$wanted_conf" ]; then
    printf '%s\n' "$wanted_conf" | sudo_if_needed tee "$conf" >/dev/null
  fi
  if ! lpstat -p "$name" >/dev/null 2>&1 || ! grep -qF "$marker" "/etc/cups/ppd/$name.ppd" 2>/dev/null ||
     ! lpstat -v "$name" 2>/dev/null | grep -q "cups-pdf:/$name\$"; then
    sudo_if_needed lpadmin -p "$name" -v "cups-pdf:/$name" -P "$queue_ppd" 2>/dev/null
  fi
  sudo_if_needed cupsenable "$name"
}

make_queue KalderPDF "$ppd" "(w/ options)"
sudo_if_needed cupsaccept KalderPDF
make_queue KalderTrays "$trays_ppd" "*InputSlot Lower"
sudo_if_needed cupsaccept KalderTrays
make_queue KalderRejects "$ppd" "(w/ options)"
sudo_if_needed cupsreject KalderRejects

echo "cups.sh: queues KalderPDF, KalderTrays, KalderRejects ready, output in $OUT_DIR"
