# Sourced by the e2e tests: a private X server on a free display number,
# and the program started on it with a fresh $HOME.
start_xvfb() {
  local dir=$1
  Xvfb -displayfd 9 -screen 0 1024x768x24 -nolisten tcp 9>"$dir/display" >/dev/null 2>&1 &
  xvfb_pid=$!
  for _ in $(seq 100); do
    [ -s "$dir/display" ] && break
    sleep 0.05
  done
  [ -s "$dir/display" ] || { echo "FAIL: Xvfb did not start"; exit 1; }
  export DISPLAY=":$(head -n 1 "$dir/display")"
}

stop_xvfb() {
  [ -n "${xvfb_pid:-}" ] && kill "$xvfb_pid" 2>/dev/null || true
  xvfb_pid=
}

# Starts the program (with any further arguments given) with its own $HOME
# inside `dir` (and no desktop folders of the caller's), output in dir/out.txt,
# and waits until its window is mapped and shows its first frame (the screen
# is no longer one flat colour): clicks sent before that may be lost. Sets
# app_pid and wid.
start_app() {
  local app=$1 dir=$2
  shift 2
  mkdir -p "$dir/home"
  HOME="$dir/home" SDL_AUDIODRIVER=dummy env -u XDG_DOCUMENTS_DIR -u XDG_CONFIG_HOME "$app" "$@" >"$dir/out.txt" 2>&1 &
  app_pid=$!
  wid=$(timeout 10 xdotool search --sync --onlyvisible --name '^GLOSSAMO$' | head -n 1)
  [ -n "$wid" ] || return 1
  local spread
  for _ in $(seq 150); do
    spread=$(import -window root -format '%[fx:standard_deviation]' info: 2>/dev/null || echo 0)
    if awk -v s="$spread" 'BEGIN { exit !(s > 0.01) }'; then
      # The window may have been made again when the renderer was chosen.
      wid=$(xdotool search --onlyvisible --name '^GLOSSAMO$' | tail -n 1)
      [ -n "$wid" ]
      return
    fi
    sleep 0.2
  done
  return 1
}

# Waits up to 15 s (a loaded machine can be slow to let it end) for the
# program to end and checks its exit code is 0.
expect_clean_exit() {
  local dir=$1
  for _ in $(seq 150); do
    kill -0 "$app_pid" 2>/dev/null || break
    sleep 0.1
  done
  if kill -0 "$app_pid" 2>/dev/null; then
    echo "FAIL: still running 15 s after it was asked to close"; exit 1
  fi
  set +e
  wait "$app_pid"
  local code=$?
  set -e
  app_pid=
  [ "$code" -eq 0 ] || { echo "FAIL: exit code $code"; cat "$dir/out.txt"; exit 1; }
}

# The usual arguments of a test: the program, then the folder for its
# screenshots (build/shots unless given). Sets app and shots.
e2e_arguments() {
  app=$1
  shots=${2:-$(dirname "$app")/../shots}
  mkdir -p "$shots"
}

# The common start of a test that plays the program: a work folder removed
# at the end (with the program, the X server and any picture dialog still
# open), a private X server, and its screen size for `click`.
begin_e2e() {
  work=$(mktemp -d)
  trap end_e2e EXIT
  start_xvfb "$work"
  read -r screen_w screen_h < <(xwininfo -root | awk '/Width:/{w=$2} /Height:/{h=$2} END{print w, h}')
}

end_e2e() {
  # Only the dialog our program opened: other tests may have theirs open.
  [ -n "${app_pid:-}" ] && pkill -P "$app_pid" -f 'zenity --file-selection' 2>/dev/null || true
  if [ -n "${app_pid:-}" ] && kill "$app_pid" 2>/dev/null; then
    # The program writes the player's files as it closes: their folder is
    # removed once it has gone (a slow build takes a few seconds).
    for _ in $(seq 150); do kill -0 "$app_pid" 2>/dev/null || break; sleep 0.1; done
  fi
  stop_xvfb
  rm -rf "$work"
}

# Clicks at a point of the program's 800 x 600 surface, shown stretched over
# the screen, then waits (0.4 s unless told).
click() {
  xdotool mousemove $(( $1 * screen_w / 800 )) $(( $2 * screen_h / 600 ))
  sleep 0.15
  xdotool click 1
  sleep "${3:-0.4}"
}
