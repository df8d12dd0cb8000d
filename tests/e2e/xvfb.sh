# Sourced by the e2e tests: a private X server on a free display number.
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
