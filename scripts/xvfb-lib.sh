# SPDX-License-Identifier: MIT
# Sourced by the scripts: starts a private Xvfb (scripts/xvfb-start) when no X display is reachable, and
# stops it on exit. XVFB_SCREEN sets its screen (default 1024x768x24).
start_xvfb_if_needed() {
  if [ -n "${DISPLAY:-}" ] && xdpyinfo >/dev/null 2>&1; then
    return 0
  fi
  start_private_xvfb -screen 0 "${XVFB_SCREEN:-1024x768x24}" || return 1
  trap 'kill $XVFB_PID 2>/dev/null || true' EXIT
}

# start_private_xvfb SCREEN-ARGS...: sets DISPLAY and XVFB_PID; the caller stops the server.
start_private_xvfb() {
  local here n=
  here=$(dirname "${BASH_SOURCE[0]}")
  exec {xvfb_fd}< <(exec "$here/xvfb-start" "$@" 2>"/tmp/lunvale-xvfb-$$.log")
  XVFB_PID=$!
  read -r -t 20 -u "$xvfb_fd" n || true
  if [ -z "$n" ]; then
    kill "$XVFB_PID" 2>/dev/null || true
    echo "could not start Xvfb:" >&2
    cat "/tmp/lunvale-xvfb-$$.log" >&2
    return 1
  fi
  export DISPLAY=":$n"
}
