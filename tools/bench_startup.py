#!/usr/bin/env python3
"""Start-up time and peak memory of the program against the bare Qt Widgets program.

Starts the two programs alternately, several times each, on the offscreen platform. Start-up is the
time from just before the process is started to the moment it reports (TOVIRA_REPORT_SHOWN) that its
window was first painted, both read on the monotonic clock. Peak memory is the process's VmHWM at
that moment: unlike the rusage of a child, it does not count the memory of the process it was
started from. Prints the medians and the ratios program/bare; never fails on a missed target, since
the figures are for reading, not for a test.

With --platform xcb they run on the X11 platform instead (an X server in DISPLAY, e.g. Xvfb), with no
desktop. With --desktop GNOME both programs are started as a GNOME session starts them: on the X11
platform with XDG_CURRENT_DESKTOP=GNOME, where Qt loads the GTK platform theme by itself unless the
program declines the desktop's settings. --ming adds the bare program with its label in the Ming face
(BARE --ming) as a second yardstick; --before adds another build of the program, measured alike.

Usage: bench_startup.py BARE PROGRAM [--runs N] [--platform xcb] [--desktop GNOME] [--ming] [--before OTHER]
"""

import argparse
import os
import select
import statistics
import subprocess
import sys
import tempfile
import time

START_TARGET = 1.3  # program start-up within this multiple of the bare program's
MEMORY_TARGET_MB = 15.0  # program peak memory within the bare program's plus this


def bench_environment(tmp, platform):
    """The environment the programs start in: no desktop theme or scaling, on `platform`, with settings
    and runtime folders of their own under the temporary folder `tmp`."""
    env = dict(os.environ)
    for name in ("QT_QPA_PLATFORMTHEME", "XDG_CURRENT_DESKTOP", "QT_SCALE_FACTOR"):
        env.pop(name, None)
    runtime = os.path.join(tmp, "runtime")
    os.mkdir(runtime, 0o700)
    env.update(QT_QPA_PLATFORM=platform, XDG_CONFIG_HOME=os.path.join(tmp, "config"), XDG_RUNTIME_DIR=runtime)
    return env


def start_once(command, env):
    """Runs `command` (a program, or a list of it and its arguments) until its window is shown; returns
    (ms, MB, gtk theme loaded)."""
    command = [command] if isinstance(command, str) else command
    begin = time.monotonic_ns()
    proc = subprocess.Popen(command, env=env, stdout=subprocess.PIPE, stderr=subprocess.DEVNULL)
    try:
        ready, _, _ = select.select([proc.stdout], [], [], 30)
        line = proc.stdout.readline().split() if ready else []
        if len(line) != 2 or line[0] != b"shown":
            raise RuntimeError(f"{command[0]} did not report its window within 30 s")
        shown = int(line[1])
        with open(f"/proc/{proc.pid}/status") as status:
            hwm_kb = next(int(l.split()[1]) for l in status if l.startswith("VmHWM:"))
        with open(f"/proc/{proc.pid}/maps") as maps:
            gtk = "libqgtk3" in maps.read()
    finally:
        proc.terminate()
        proc.wait()
    return (shown - begin) / 1e6, hwm_kb / 1024, gtk


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("bare")
    parser.add_argument("program")
    parser.add_argument("--runs", type=int, default=15)
    parser.add_argument("--platform", choices=["offscreen", "xcb"], default="offscreen")
    parser.add_argument("--desktop", choices=["GNOME"], help="start both as this desktop would")
    parser.add_argument("--ming", action="store_true", help="also the bare program with a Ming label")
    parser.add_argument("--before", help="also this other build of the program")
    args = parser.parse_args()

    with tempfile.TemporaryDirectory(prefix="tovira-bench-") as tmp:
        env = bench_environment(tmp, args.platform)
        env.update(TOVIRA_REPORT_SHOWN="1")
        if args.desktop == "GNOME":
            env.update(XDG_CURRENT_DESKTOP="GNOME", QT_QPA_PLATFORM="xcb")
        if env["QT_QPA_PLATFORM"] == "xcb" and not env.get("DISPLAY"):
            parser.error("the X11 platform needs DISPLAY (an X server, e.g. Xvfb)")

        programs = {"bare": [args.bare]}
        if args.ming:
            programs["ming"] = [args.bare, "--ming"]
        if args.before:
            programs["before"] = [args.before]
        programs["tovira"] = [args.program]
        results = {name: [] for name in programs}
        themed = set()
        for name, path in programs.items():  # one warm-up each: disk cache, font cache
            start_once(path, env)
        for run in range(args.runs):
            # Alternate the order, so that none always follows another.
            order = list(programs) if run % 2 == 0 else list(reversed(programs))
            for name in order:
                ms, mb, gtk = start_once(programs[name], env)
                results[name].append((ms, mb))
                if gtk:
                    themed.add(name)

    where = ("on X11 (Xvfb), as GNOME starts programs" if args.desktop
             else "on X11 (Xvfb), no desktop" if args.platform == "xcb" else "on offscreen, no desktop theme")
    print(f"Start-up {where}, {args.runs} runs each (median, min-max):")
    med = {}
    for name, rows in results.items():
        times = [r[0] for r in rows]
        mems = [r[1] for r in rows]
        med[name] = (statistics.median(times), statistics.median(mems))
        theme = ", GTK theme loaded" if name in themed else ""
        print(f"  {name:7} shown after {med[name][0]:6.1f} ms ({min(times):.1f}-{max(times):.1f}),"
              f" peak memory {med[name][1]:5.1f} MB ({min(mems):.1f}-{max(mems):.1f}){theme}")
    ratio = med["tovira"][0] / med["bare"][0]
    extra = med["tovira"][1] - med["bare"][1]
    print(f"  tovira/bare: start-up {ratio:.2f}x (target <= {START_TARGET}x: "
          f"{'met' if ratio <= START_TARGET else 'MISSED'}), "
          f"memory {med['tovira'][1] / med['bare'][1]:.2f}x, +{extra:.1f} MB "
          f"(target <= +{MEMORY_TARGET_MB:.0f} MB: {'met' if extra <= MEMORY_TARGET_MB else 'MISSED'})")
    for name in ("ming", "before"):
        if name in med:
            print(f"  tovira/{name}: start-up {med['tovira'][0] / med[name][0]:.2f}x, "
                  f"memory {med['tovira'][1] - med[name][1]:+.1f} MB")
    return 0


if __name__ == "__main__":
    sys.exit(main())
