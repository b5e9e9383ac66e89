# A private X display with a window manager, for the tests of where windows stand: Xvfb with a
# 1600 × 1200 screen on a free display number, and openbox, which frames and places windows as a
# desktop does. Named to the tests in NENCHO_TEST_DISPLAY; every other test stays offscreen.
TEST_XVFB_PID=""
TEST_WM_PID=""
TEST_DISPLAY_DIR=""

# Waits until the file is there and not empty, or the process has ended or 10 s have passed; then
# tells why, with the process's log.
await_start() {
  local file=$1 pid=$2 name=$3 log=$4 tries=0
  until [ -s "$file" ]; do
    tries=$((tries + 1))
    if [ "$tries" -gt 100 ] || ! kill -0 "$pid" 2>/dev/null; then
      echo "$name did not start:" >&2
      cat "$log" >&2
      return 1
    fi
    sleep 0.1
  done
}

start_test_display() {
  if ! command -v Xvfb >/dev/null || ! command -v openbox >/dev/null; then
    echo "Xvfb and openbox are needed for the window tests: bash scripts/setup.sh test" >&2
    return 1
  fi
  TEST_DISPLAY_DIR=$(mktemp -d)
  # Xvfb writes the number of the display it took once it accepts clients.
  Xvfb -displayfd 3 -screen 0 1600x1200x24 -nolisten tcp 3>"$TEST_DISPLAY_DIR/number" \
    >"$TEST_DISPLAY_DIR/xvfb.log" 2>&1 &
  TEST_XVFB_PID=$!
  await_start "$TEST_DISPLAY_DIR/number" "$TEST_XVFB_PID" Xvfb "$TEST_DISPLAY_DIR/xvfb.log" || return 1
  local display=":$(head -n 1 "$TEST_DISPLAY_DIR/number")"
  # openbox runs its start-up command once it manages the screen.
  DISPLAY="$display" XDG_CONFIG_HOME="$TEST_DISPLAY_DIR" XDG_CACHE_HOME="$TEST_DISPLAY_DIR" \
    openbox --startup "sh -c 'echo managed >$TEST_DISPLAY_DIR/managed'" >"$TEST_DISPLAY_DIR/openbox.log" 2>&1 &
  TEST_WM_PID=$!
  await_start "$TEST_DISPLAY_DIR/managed" "$TEST_WM_PID" openbox "$TEST_DISPLAY_DIR/openbox.log" || return 1
  export NENCHO_TEST_DISPLAY="$display"
}

stop_test_display() {
  local pid
  for pid in "$TEST_WM_PID" "$TEST_XVFB_PID"; do
    if [ -n "$pid" ]; then
      kill "$pid" 2>/dev/null || true
      wait "$pid" 2>/dev/null || true
    fi
  done
  TEST_WM_PID=""
  TEST_XVFB_PID=""
  if [ -n "$TEST_DISPLAY_DIR" ]; then rm -rf "$TEST_DISPLAY_DIR"; fi
  TEST_DISPLAY_DIR=""
}
