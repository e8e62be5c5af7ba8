# shellcheck shell=bash
# Shared by the scripts that run the calendar on a virtual desktop of their
# own (screenshots, benchmarks): sourced from the repository root.

# build_program BUILD_DIR: configures and builds ombrelk and prints its path.
build_program() {
  cmake -S . -B "$1" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
  cmake --build "$1" -j"$(nproc)" --target ombrelk >/dev/null
  echo "$(cd "$1" && pwd)/platform/qt/ombrelk"
}

# A scratch folder, and the processes started for the desktop: they end in
# reverse order on exit, the program first and the display last.
work=$(mktemp -d)
pids=()
cleanup() {
  for ((i = ${#pids[@]} - 1; i >= 0; i--)); do
    kill "${pids[i]}" 2>/dev/null || true
    wait "${pids[i]}" 2>/dev/null || true
  done
  rm -rf "$work"
}
trap cleanup EXIT

# start_display: an Xvfb on a free display number (it tells the number on
# fd 3), exported as DISPLAY.
start_display() {
  Xvfb -displayfd 3 -screen 0 800x600x24 -nolisten tcp -noreset 3>"$work/display" 2>/dev/null &
  pids+=($!)
  for _ in $(seq 100); do [[ -s $work/display ]] && break; sleep 0.1; done
  DISPLAY=":$(head -n1 "$work/display")"
  export DISPLAY
}

# start_window_manager [JWMRC_ELEMENTS]: jwm with a tray (a dock for
# notification icons) at the bottom of the screen, plus any further elements
# of its configuration.
start_window_manager() {
  cat >"$work/jwmrc" <<JWMRC
<?xml version="1.0"?>
<JWM>
  <Tray x="0" y="-1" height="28" autohide="off"><TaskList/><Dock/></Tray>
  ${1:-}
</JWM>
JWMRC
  jwm -f "$work/jwmrc" >/dev/null 2>&1 &
  pids+=($!)
  sleep 1
}
