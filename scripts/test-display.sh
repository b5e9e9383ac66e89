# A private X display with a window manager, for the tests of where windows stand: Xvfb with a
# 1600 × 1200 screen on a free display number, and openbox, which frames and places windows as a
# desktop does. Named to the tests in NENCHO_TEST_DISPLAY; every other test stays offscreen.
TEST_XVFB_PID=""
TEST_WM_PID=""
TEST_DISPLAY_DIR=""

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
  local tries=0
  until [ -s "$TEST_DISPLAY_DIR/number" ]; do
    tries=$((tries + 1))
    if [ "$tries" -gt 100 ] || ! kill -0 "$TEST_XVFB_PID" 2>/dev/null; then
      echo "Xvfb did not start:" >&2
      cat "$TEST_DISPLAY_DIR/xvfb.log" >&2
      return 1
    fi
    sleep 0.1
  done
  local display=":$(head -n 1 "$TEST_DISPLAY_DIR/number")"
  # openbox runs its start-up command once it manages the screen.
  DISPLAY="$display" XDG_CONFIG_HOME="$TEST_DISPLAY_DIR" XDG_CACHE_HOME="$TEST_DISPLAY_DIR" \
    openbox --startup "touch $TEST_DISPLAY_DIR/managed" >"$TEST_DISPLAY_DIR/openbox.log" 2>&1 &
  TEST_WM_PID=$!
  tries=0
  until [ -e "$TEST_DISPLAY_DIR/managed" ]; do
    tries=$((tries + 1))
    if [ "$tries" -gt 100 ] || ! kill -0 "$TEST_WM_PID" 2>/dev/null; then
      echo "openbox did not start:" >&2
      cat "$TEST_DISPLAY_DIR/openbox.log" >&2
      return 1
    fi
    sleep 0.1
  done
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
