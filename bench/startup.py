#!/usr/bin/python3
"""Start-up benchmark of Daxo against a bare Qt Widgets window.

Starts each program several times on an X server of its own (Xvfb, no
window manager) and watches the server's map events:

  launch -> splash shown      Daxo's first window, against the bare window's
  splash end -> board shown   the splash unmapped, then the window "Daxo"
  peak resident memory        VmHWM once the board (or bare window) is up

Prints the medians and the ratios to the bare window, and to the bare window
with one label: text is what loads the fonts, and the splash shows text.
"""

import argparse
import os
import select
import shutil
import statistics
import subprocess
import sys
import tempfile
import time

from Xlib import X, display as xdisplay


def start_server():
    for number in range(90, 120):
        if not os.path.exists(f"/tmp/.X11-unix/X{number}"):
            server = subprocess.Popen(["Xvfb", f":{number}", "-screen", "0", "1280x1024x24", "-nolisten", "tcp"],
                                      stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
            for _ in range(100):
                if os.path.exists(f"/tmp/.X11-unix/X{number}"):
                    return server, f":{number}"
                time.sleep(0.05)
            server.kill()
    sys.exit("startup.py: no X server could be started")


def peak_memory_kib(pid):
    with open(f"/proc/{pid}/status") as status:
        for line in status:
            if line.startswith("VmHWM:"):
                return int(line.split()[1])
    return 0


def run_once(command, server_name, wait_for_board):
    """Returns (first window shown, first window gone, board shown, peak KiB), in seconds from launch."""
    connection = xdisplay.Display(server_name)
    root = connection.screen().root
    root.change_attributes(event_mask=X.SubstructureNotifyMask)
    connection.sync()

    config = tempfile.mkdtemp()
    environment = dict(os.environ, DISPLAY=server_name, XDG_CONFIG_HOME=config, QT_QPA_PLATFORM="xcb")
    launched = time.monotonic()
    process = subprocess.Popen(command, env=environment, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)

    first = first_window = gone = board = None
    deadline = launched + 20
    def done():
        return (board is not None and gone is not None) if wait_for_board else first is not None

    while time.monotonic() < deadline and not done():
        if not connection.pending_events():
            select.select([connection.fileno()], [], [], 0.05)
            if not connection.pending_events():
                continue
        event = connection.next_event()
        now = time.monotonic() - launched
        if event.type == X.MapNotify:
            if first is None:
                first, first_window = now, event.window.id
            elif wait_for_board and board is None:
                name = event.window.get_wm_name()
                if name == "Daxo":
                    board = now
        elif event.type in (X.UnmapNotify, X.DestroyNotify) and event.window.id == first_window and gone is None:
            gone = now

    time.sleep(0.3)
    memory = peak_memory_kib(process.pid)
    process.terminate()
    process.wait(5)
    connection.close()
    shutil.rmtree(config, ignore_errors=True)
    if first is None or (wait_for_board and (board is None or gone is None)):
        sys.exit(f"startup.py: {' '.join(command)} did not show its windows")
    return first, gone, board, memory


def main():
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("--build", default="build", help="the build folder (default: build)")
    parser.add_argument("--runs", type=int, default=9, help="runs of each program (default: 9)")
    arguments = parser.parse_args()

    daxo = [os.path.join(arguments.build, "app", "daxo")]
    bare = [os.path.join(arguments.build, "bench", "bare_window")]
    server, server_name = start_server()
    try:
        bare_runs = [run_once(bare, server_name, False) for _ in range(arguments.runs)]
        label_runs = [run_once(bare + ["--label"], server_name, False) for _ in range(arguments.runs)]
        daxo_runs = [run_once(daxo, server_name, True) for _ in range(arguments.runs)]
    finally:
        server.terminate()

    def median(runs, measure):
        return statistics.median(measure(run) for run in runs)

    shown = lambda run: run[0] * 1000
    memory = lambda run: run[3] / 1024
    bare_shown, bare_memory = median(bare_runs, shown), median(bare_runs, memory)
    label_shown, label_memory = median(label_runs, shown), median(label_runs, memory)
    splash_shown, daxo_memory = median(daxo_runs, shown), median(daxo_runs, memory)
    board_after_splash = median(daxo_runs, lambda run: (run[2] - run[1]) * 1000)
    board_lag = median(daxo_runs, lambda run: (run[2] - run[0]) * 1000 - 1000)

    print(f"medians of {arguments.runs} runs each, on {os.cpu_count()} cores")
    print(f"bare window         launch to shown  {bare_shown:6.1f} ms   peak memory {bare_memory:5.1f} MiB")
    print(f"bare window, label  launch to shown  {label_shown:6.1f} ms   peak memory {label_memory:5.1f} MiB")
    print(f"daxo                launch to splash {splash_shown:6.1f} ms   peak memory {daxo_memory:5.1f} MiB")
    print(f"  splash / bare  {splash_shown / bare_shown:4.2f}  (target 1.30)   splash / label {splash_shown / label_shown:4.2f}")
    print(f"  memory / bare  {daxo_memory / bare_memory:4.2f}  (target 1.30)   memory / label {daxo_memory / label_memory:4.2f}")
    print(f"  splash end to board shown {board_after_splash:+.1f} ms")
    print(f"  board shown {board_lag:+.1f} ms after the splash's second  (target +100 ms)")


if __name__ == "__main__":
    main()
