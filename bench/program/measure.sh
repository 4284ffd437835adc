#!/usr/bin/env bash
# Measures the program as a person meets it: the time from start to the shown main window,
# the CPU it uses while idle with the simulated meter sending, and its resident memory.
#   bench/program/measure.sh [RUNS] [IDLE_SECONDS]
# Runs under a virtual X server (Xvfb), in a folder of its own, with its own per-user store.
set -euo pipefail
top=$(cd "$(dirname "$0")/../.." && pwd)
build=${VOLTARO_BUILD_DIR:-$top/build}
runs=${1:-5}
idle=${2:-20}
for tool in Xvfb xwininfo; do
  command -v "$tool" >/dev/null || { echo "measure.sh: $tool is missing (scripts/install-deps)" >&2; exit 1; }
done
[ -x "$build/bin/voltaro" ] || "$top/scripts/build"

work=$(mktemp -d)
pids=()
cleanup() {
  for p in "${pids[@]}"; do kill "$p" 2>/dev/null || true; done
  wait 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

# The X server picks a free display number itself and writes it to the file; it must not
# reset when the last program closes, or the next start finds no display.
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp -noreset 3>"$work/display" >/dev/null 2>&1 &
pids+=($!)
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.1; done
[ -s "$work/display" ] || { echo "measure.sh: the virtual X server did not start" >&2; exit 1; }
export DISPLAY=:$(tr -d '[:space:]' <"$work/display")
export XDG_CONFIG_HOME=$work/config XDG_DATA_HOME=$work/data XDG_RUNTIME_DIR=$work/runtime
mkdir -p "$XDG_CONFIG_HOME/voltaro" "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"
# Only the main window: the decimal-point question is answered for good.
printf '[frmMain]\nSeleDim=1\n' >"$XDG_CONFIG_HOME/voltaro/voltaro.conf"
for _ in $(seq 100); do xwininfo -root >/dev/null 2>&1 && break; sleep 0.1; done

"$build/bin/voltaro-meter" --link "$work/meter" >/dev/null 2>&1 &
pids+=($!)
for _ in $(seq 100); do [ -e "$work/meter" ] && break; sleep 0.1; done

# The program in a folder of its own, with the simulator on its default port, COM2.
mkdir -p "$work/program"
cp "$build/bin/voltaro" "$work/program/"
printf '[Ports]\r\nCOM2=%s\r\n' "$work/meter" >"$work/program/Setup.ini"
title="$work/program/Untitled.dmm"

ms() { date +%s%3N; }
startups=()
for run in $(seq "$runs"); do
  t0=$(ms)
  "$work/program/voltaro" >"$work/program.log" 2>&1 &
  pid=$!
  until xwininfo -name "$title" 2>/dev/null | grep -q 'IsViewable'; do
    if ! kill -0 "$pid" 2>/dev/null; then
      echo "measure.sh: the program ended at start (run $run); it said:" >&2
      tail -5 "$work/program.log" >&2
      exit 1
    fi
    sleep 0.01
  done
  startups+=($(($(ms) - t0)))
  if [ "$run" -lt "$runs" ]; then
    kill "$pid"
    wait "$pid" 2>/dev/null || true
  fi
done
pids+=("$pid")

# Idle: the port opens two seconds after the window; let it settle, then count CPU ticks.
sleep 5
ticks() { awk '{print $14 + $15}' "/proc/$pid/stat"; }
hz=$(getconf CLK_TCK)
c0=$(ticks)
w0=$(ms)
sleep "$idle"
c1=$(ticks)
w1=$(ms)
cpu=$(awk -v c=$((c1 - c0)) -v hz="$hz" -v w=$((w1 - w0)) 'BEGIN { printf "%.2f", 100 * c / hz / (w / 1000) }')
rss=$(awk '/^VmRSS/ {print $2}' "/proc/$pid/status")
hwm=$(awk '/^VmHWM/ {print $2}' "/proc/$pid/status")

sorted=$(printf '%s\n' "${startups[@]}" | sort -n)
median=$(printf '%s\n' "$sorted" | awk '{a[NR]=$1} END {print a[int((NR + 1) / 2)]}')
echo "start-up to the shown window (ms), $runs runs: $(echo $sorted | tr '\n' ' ')  median $median"
echo "idle CPU with the simulator sending, over ${idle} s: ${cpu} %"
echo "resident memory: ${rss} kB (peak ${hwm} kB)"
