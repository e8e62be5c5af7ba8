#!/usr/bin/env bash
# Start-up of the desktop program, measured from outside as a user sees it:
# the time from starting the process to the first painted frame of the
# calendar window on screen, and the process's peak resident memory. Runs the
# program 10 times on a virtual X display with a window manager and a tray,
# and prints the medians.
#   bench/qt/startup.sh [BUILD_DIR]      (default: build)
# Goals: first frame within 150 ms, peak memory within 40 MB.
set -euo pipefail
cd "$(dirname "$0")/../.."
build=${1:-build}
runs=${RUNS:-10}

# shellcheck source=scripts/lib/virtual_desktop.sh
source scripts/lib/virtual_desktop.sh
program=$(build_program "$build")
desktop_session ""

python3 - "$program" "$work" "$runs" <<'PY'
import os, shutil, signal, statistics, struct, subprocess, sys, time

program, work, runs = sys.argv[1], sys.argv[2], int(sys.argv[3])
SETTINGS = (b"FORMTOP  :1500\r\nFORMLEFT :1500\r\nSTARTWDAY:Sunday\r\n"
            b"MODE_SHOW:1\r\nMODE_TOP :0\r\nMODE_MIN :0\r\n")

def run(cmd):
    return subprocess.run(cmd, capture_output=True).stdout

def painted(window):
    # The window's pixels through xwd: an unpainted window is one flat colour.
    data = run(["xwd", "-silent", "-id", window])
    if len(data) < 100:
        return False
    fields = struct.unpack(">25I", data[:100])
    offset = fields[0] + fields[19] * 12
    body = data[offset:]
    return len({body[i:i + 4] for i in range(0, len(body) - 3, 4)}) > 8

def peak_kib(pid):
    with open(f"/proc/{pid}/status") as status:
        for line in status:
            if line.startswith("VmHWM:"):
                return int(line.split()[1])
    return 0

first_frame, peak_at_frame, peak_settled = [], [], []
for i in range(runs):
    home = os.path.join(work, f"run{i}")
    runtime_dir = os.path.join(home, "runtime")
    os.makedirs(runtime_dir, mode=0o700)
    with open(os.path.join(home, "Ombrelk.ini"), "wb") as f:
        f.write(SETTINGS)
    env = dict(os.environ, XDG_RUNTIME_DIR=runtime_dir)
    start = time.monotonic()
    proc = subprocess.Popen([program], cwd=home, env=env,
                            stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    elapsed = None
    while time.monotonic() - start < 10:
        found = run(["xdotool", "search", "--onlyvisible", "--pid", str(proc.pid),
                     "--name", "^[0-9]+/"]).split()
        if found and painted(found[0].decode()):
            elapsed = time.monotonic() - start
            break
        time.sleep(0.002)
    if elapsed is None:
        sys.exit(f"run {i}: the window did not appear")
    peak_at_frame.append(peak_kib(proc.pid))
    time.sleep(1)
    peak_settled.append(peak_kib(proc.pid))
    first_frame.append(elapsed * 1000)
    proc.send_signal(signal.SIGTERM)
    proc.wait()
    shutil.rmtree(home)

median_ms = statistics.median(first_frame)
print(f"first painted frame: median {median_ms:.0f} ms "
      f"(min {min(first_frame):.0f}, max {max(first_frame):.0f}; {runs} runs; goal 150 ms)")
print(f"peak resident memory: median {statistics.median(peak_at_frame) / 1024:.1f} MB at the "
      f"first frame, {statistics.median(peak_settled) / 1024:.1f} MB a second later (goal 40 MB)")
PY
