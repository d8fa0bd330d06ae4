#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The Windows module run as users run it, under Wine on the X server in DISPLAY (1024 x 768), in the Wine
# prefix in WINEPREFIX (scripts/test makes a fresh one):
#   module_e2e.sh lunvale.scr preview_host.exe linux-lunvale out-dir
# /s draws the scene (its still parts as the Linux build draws them), Escape ends it with status 0, the
# first run leaves the twelve settings in the registry; /p draws into another process's window and ends
# when that window goes; /a and /c show their messages; bad handles get an error, never a crash.
# Wine exits 0 for some modules that never started, so every run's output is read as well.
set -uo pipefail
scr=$1 host=$2 linux=$3 out=$4
mkdir -p "$out"
failures=0 checks=0
pass() { checks=$((checks + 1)); echo "ok   $1"; }
fail() { checks=$((checks + 1)); failures=$((failures + 1)); echo "FAIL $1"; }
now_ms() { date +%s%3N; }
key='HKCU\Software\Miravel Software\Lunvale Screensaver'

# Lines by which Wine says that a program did not really run.
wine_trouble() { grep -E "err:module|Unhandled exception|wine: could not load|wine32 is missing|page fault" "$1"; }

# The share of the still pixels of the Linux build's frames (those equal in every one of linux-*.png, taken
# through a loop of the water) that differ from `shot` by more than 3 % in any channel, in percent.
still_difference() {
  local shot=$1 moving=$out/moving.png differ=$out/differ.png frames=("$out"/linux-*.png) i
  convert "${frames[0]}" -evaluate set 0 "$moving"
  for i in "${frames[@]:1}"; do
    convert "${frames[0]}" "$i" -compose difference -composite -separate -evaluate-sequence max -threshold 1% \
      "$moving" -compose lighten -composite "$moving"
  done
  convert "${frames[0]}" "$shot" -compose difference -composite -separate -evaluate-sequence max -threshold 3% "$differ"
  convert "$differ" \( "$moving" -negate \) -compose multiply -composite -format "%[fx:100*mean]" info:
}

message_box() {  # caption, command...: true when a window with that caption showed (it is then closed)
  local caption=$1 pid found=
  shift
  "$@" >"$out/box.log" 2>&1 &
  pid=$!
  for _ in $(seq 100); do
    found=$(xdotool search --onlyvisible --name "^$caption\$" 2>/dev/null | head -1)
    [ -n "$found" ] && break
    sleep 0.1
  done
  [ -n "$found" ] && { xdotool windowactivate --sync "$found" 2>/dev/null; xdotool key Return; }
  wait_gone $pid 5 || kill $pid 2>/dev/null
  [ -n "$found" ]
}

wait_gone() {  # pid, seconds: true when the process ended in time
  local end=$(($(now_ms) + $2 * 1000))
  while kill -0 "$1" 2>/dev/null; do
    [ "$(now_ms)" -lt "$end" ] || return 1
    sleep 0.05
  done
}

# --- /s: first frame, the picture, Escape, the registry -------------------------------------------
# Wine hands full-screen windows to the window manager and, when one goes, waits up to 2 s for it to
# withdraw the window; a bare X server has none. Its windows are left unmanaged here, as with no manager.
wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1
wine reg query "$key" >/dev/null 2>&1 && fail "the prefix is fresh" || pass "the prefix is fresh"
import -window root -crop 64x64+480+200 +repage "$out/before.png"
start=$(now_ms)
wine "$scr" /s >"$out/run.log" 2>&1 &
saver=$!
first=
while [ -z "$first" ] && [ $(($(now_ms) - start)) -lt 15000 ]; do
  import -window root -crop 64x64+480+200 +repage "$out/probe.png" 2>/dev/null
  changed=$(compare -metric AE -fuzz 5% "$out/before.png" "$out/probe.png" null: 2>&1)
  lit=$(convert "$out/probe.png" -format '%[fx:mean>0.05]' info: 2>/dev/null)
  [ "${changed%% *}" -gt 1000 ] 2>/dev/null && [ "$lit" = 1 ] && first=$(($(now_ms) - start))
done
if [ -n "$first" ]; then pass "/s: first frame after $first ms"; else fail "/s: no frame within 15 s"; fi
sleep 3
import -window root "$out/windows-1024x768.png"
window=$(xdotool search --onlyvisible --name "Lunvale" 2>/dev/null | head -1)
pressed=$(now_ms)
xdotool key Escape
# The scene leaves the screen when the window is unmapped. Wine then waits up to 2 s for a window manager
# to withdraw the full-screen window (there is none on a bare X server) before the process can end.
gone=
while [ -n "$window" ] && [ -z "$gone" ] && [ $(($(now_ms) - pressed)) -lt 5000 ]; do
  xwininfo -id "$window" 2>/dev/null | grep -q 'IsViewable' || gone=$(($(now_ms) - pressed))
done
if [ -n "$gone" ] && [ "$gone" -le 1000 ]; then pass "/s: Escape took the scene off the screen after $gone ms"
else fail "/s: the scene was still on the screen ${gone:-5000} ms after Escape (at most 1000)"; fi
if wait_gone $saver 5; then
  wait $saver
  status=$?
  pass "/s: the process ended $(($(now_ms) - pressed)) ms after Escape"
  [ $status = 0 ] && pass "/s: status 0" || fail "/s: status $status"
else
  fail "/s: still running 5 s after Escape"
  kill $saver 2>/dev/null
fi
if wine_trouble "$out/run.log"; then fail "/s: Wine reported trouble (above)"; else pass "/s: Wine reported no trouble"; fi
values=$(wine reg query "$key" 2>/dev/null | tr -d '\r' | grep -cE '^ +[A-Za-z_]+ +REG_')
[ "$values" = 12 ] && pass "/s: the first run stored 12 values" || fail "/s: the first run stored $values values"

# A value of the wrong type: the system's own message, and the registry as it was.
wine reg add "$key" /v SoundVolume /t REG_SZ /d loud /f >/dev/null 2>&1
stored=$(wine reg query "$key" 2>/dev/null | tr -d '\r' | sort)
if message_box "lunvale" wine "$scr" /s; then
  pass "/s: a value of the wrong type is reported in a message box"
else
  fail "/s: no message for a value of the wrong type"
fi
[ "$(wine reg query "$key" 2>/dev/null | tr -d '\r' | sort)" = "$stored" ] &&
  pass "/s: the registry is left as it was" || fail "/s: the registry changed after a value of the wrong type"
wine reg add "$key" /v SoundVolume /t REG_DWORD /d 200 /f >/dev/null 2>&1

# The Linux build's frame on the same screen, twice, to tell the still parts from the moving ones.
if [ -x "$linux" ]; then
  export XDG_CONFIG_HOME=$out/linux-config
  mkdir -p "$XDG_CONFIG_HOME"
  "$linux" /s >"$out/linux.log" 2>&1 &
  linux_pid=$!
  sleep 4
  for i in 1 2 3 4 5 6; do
    import -window root "$out/linux-$i.png"
    sleep 0.2
  done
  kill $linux_pid 2>/dev/null
  wait $linux_pid 2>/dev/null
  share=$(still_difference "$out/windows-1024x768.png")
  if awk "BEGIN { exit !($share <= 1) }"; then
    pass "/s: $share % of the pixels differ from the Linux build's still parts by more than 3 %"
  else
    fail "/s: $share % of the pixels differ from the Linux build's still parts by more than 3 % (at most 1)"
  fi
else
  echo "skip /s against the Linux build: no $linux"
fi

# --- /p: into another process's window, ending with it -------------------------------------------
coproc HOST { wine "$host" 2>"$out/host.log"; }
read -r -t 20 handle <&"${HOST[0]}"
handle=${handle%$'\r'}
if [ -z "$handle" ]; then
  fail "/p: the preview host did not start"
else
  wine "$scr" /p "$handle" >"$out/preview.log" 2>&1 &
  preview=$!
  sleep 3
  import -window root "$out/preview.png"
  ink=$(convert "$out/preview.png" -crop 154x116+40+40 +repage -colorspace gray -format '%[fx:standard_deviation>0.05]' info: 2>/dev/null)
  [ "$ink" = 1 ] && pass "/p: the preview picture is in the host's window" || echo "note /p: window position unknown; see $out/preview.png"
  kill -0 $preview 2>/dev/null && pass "/p: runs while the window is there" || echo "note /p: the preview ended after drawing"
  echo quit >&"${HOST[1]}"
  if wait_gone $preview 5; then pass "/p: ended when the window went away"; else fail "/p: still running 5 s after its window went"; kill $preview 2>/dev/null; fi
  wine_trouble "$out/preview.log" && fail "/p: Wine reported trouble (above)"
fi

for bad in 0 123456789 abc; do
  wine "$scr" /p $bad >"$out/bad.log" 2>&1 &
  pid=$!
  if wait_gone $pid 10; then
    wait $pid
    status=$?
    if [ $status != 0 ] && ! wine_trouble "$out/bad.log" >/dev/null; then
      pass "/p $bad: status $status, $(tr -d '\r' <"$out/bad.log" | head -1)"
    else
      fail "/p $bad: status $status"; cat "$out/bad.log"
    fi
  else
    fail "/p $bad: still running after 10 s"; kill $pid 2>/dev/null
  fi
done

# --- /a and /c: their message boxes -------------------------------------------------------------
if message_box "Screen saver" env WINEDLLOVERRIDES="mpr=d" wine "$scr" /a 0; then
  pass "/a without the password provider: \"Screen saver\" message"
else
  fail "/a without the password provider: no message"
fi
if message_box "Screensaver Configuration" wine "$scr" /c; then pass "/c: its message"; else fail "/c: no message"; fi

echo "module_e2e: $((checks - failures)) of $checks checks passed"
[ $failures = 0 ]
