# A private CUPS server with PDF queues, for the printer tests: TEST-PDF (the default) and
# TEST-PDF2 print; TEST-REFUSE refuses every job; TEST-HOLD accepts jobs and holds them, stopped. Only started where the
# tests run as root on a machine with no CUPS server of its own (CI's machine); elsewhere
# the printer tests use whatever queues the machine has, or none.
TEST_CUPSD_PID=""

start_test_printer() {
  [ "$(id -u)" -eq 0 ] || return 0
  [ -x /usr/sbin/cupsd ] || return 0
  lpstat -r 2>/dev/null | grep -q 'is running' && return 0
  /usr/sbin/cupsd -f &
  TEST_CUPSD_PID=$!
  local tries=0
  until lpstat -r 2>/dev/null | grep -q 'is running'; do
    tries=$((tries + 1))
    if [ "$tries" -gt 100 ]; then echo "cupsd did not start" >&2; return 0; fi
    sleep 0.1
  done
  mkdir -p /tmp/cups-pdf-out
  sed -i 's|^#\?Out .*|Out /tmp/cups-pdf-out|' /etc/cups/cups-pdf.conf
  lpadmin -p TEST-PDF -E -v cups-pdf:/ -P /usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd
  lpadmin -p TEST-PDF2 -E -v cups-pdf:/ -P /usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd
  lpadmin -p TEST-REFUSE -E -v cups-pdf:/ -P /usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd
  cupsreject -r "test queue refusing every job" TEST-REFUSE
  lpadmin -p TEST-HOLD -E -v cups-pdf:/ -P /usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd
  cupsdisable -r "test queue holding every job" TEST-HOLD
  lpadmin -d TEST-PDF
  export NENCHO_TEST_CUPS=1
}

stop_test_printer() {
  if [ -n "$TEST_CUPSD_PID" ]; then
    kill "$TEST_CUPSD_PID" 2>/dev/null || true
    wait "$TEST_CUPSD_PID" 2>/dev/null || true
  fi
}
