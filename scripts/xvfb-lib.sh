# Sourced by the scripts: starts a private Xvfb when no X display is reachable, and stops it on exit.
start_xvfb_if_needed() {
  if [ -n "${DISPLAY:-}" ] && xdpyinfo >/dev/null 2>&1; then
    return 0
  fi
  local n
  for n in $(seq 90 140); do
    [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ] && continue
    # -noreset: a server whose last client leaves resets itself and turns the next one away for a moment.
    Xvfb ":$n" -screen 0 "${XVFB_SCREEN:-1024x768x24}" -nolisten tcp -noreset >/tmp/lunvale-xvfb-$n.log 2>&1 &
    XVFB_PID=$!
    export DISPLAY=":$n"
    for _ in $(seq 1 100); do
      xdpyinfo >/dev/null 2>&1 && break
      sleep 0.05
    done
    if xdpyinfo >/dev/null 2>&1; then
      trap 'kill $XVFB_PID 2>/dev/null || true' EXIT
      return 0
    fi
    kill "$XVFB_PID" 2>/dev/null || true
  done
  echo "could not start Xvfb" >&2
  return 1
}
