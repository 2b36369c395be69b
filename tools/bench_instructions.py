#!/usr/bin/env python3
"""Instructions from process start to the first paint of the window, and peak memory at that moment.

Counts each program's instructions with callgrind, on the offscreen platform, from the process's start
to the moment its window was first painted (TOVIRA_REPORT_SHOWN=exit ends the process right there).
Instruction counts do not depend on the machine's load, so one run of each is enough. Peak memory is
the median VmHWM at first paint over a few ordinary runs (no valgrind). The yardsticks are the bare
program (one window, one label) and the same with its label in the Ming face (--ming); the program's
target is at most 1.5 times the Ming yardstick's instructions and at most 8 MB above the bare program's
memory. Prints the figures and ratios; never fails on a missed target.

Usage: bench_instructions.py BARE PROGRAM [--before OTHER_PROGRAM] [--runs N]
"""

import argparse
import os
import re
import statistics
import subprocess
import sys
import tempfile

from bench_startup import bench_environment, start_once

INSTRUCTION_TARGET = 1.5  # program instructions within this multiple of the Ming yardstick's
MEMORY_TARGET_MB = 8.0  # program peak memory within the bare program's plus this


def instructions(command, env, tmp):
    """Runs `command` under callgrind to its first paint; returns the instructions counted."""
    out = os.path.join(tmp, "callgrind.out")
    result = subprocess.run(["valgrind", "--tool=callgrind", f"--callgrind-out-file={out}"] + command,
                            env=env, stdout=subprocess.PIPE, stderr=subprocess.PIPE, timeout=600)
    if not result.stdout.startswith(b"shown "):
        raise RuntimeError(f"{command[0]} did not report its window under callgrind")
    with open(out) as counts:
        total = next(l for l in counts if l.startswith("totals:") or l.startswith("summary:"))
    os.remove(out)
    return int(re.findall(r"\d+", total)[0])


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("bare")
    parser.add_argument("program")
    parser.add_argument("--before", help="another build of the program, counted in the same run")
    parser.add_argument("--runs", type=int, default=5, help="ordinary runs each for peak memory")
    args = parser.parse_args()

    programs = {"bare": [args.bare], "ming": [args.bare, "--ming"]}
    if args.before:
        programs["before"] = [args.before]
    programs["tovira"] = [args.program]

    with tempfile.TemporaryDirectory(prefix="tovira-bench-") as tmp:
        env = bench_environment(tmp, "offscreen")
        counted = {name: instructions(command, dict(env, TOVIRA_REPORT_SHOWN="exit"), tmp)
                   for name, command in programs.items()}
        memory = {}
        for name, command in programs.items():
            start_once(command, dict(env, TOVIRA_REPORT_SHOWN="1"))  # warm-up
            memory[name] = statistics.median(
                start_once(command, dict(env, TOVIRA_REPORT_SHOWN="1"))[1] for _ in range(args.runs))

    print("Instructions from process start to first paint (callgrind, offscreen), and peak memory then"
          f" (median of {args.runs}):")
    labels = {"bare": "bare window", "ming": "bare window, Ming label", "before": "tovira before",
              "tovira": "tovira"}
    for name in programs:
        print(f"  {labels[name]:24} {counted[name] / 1e6:7.1f} M  {counted[name] / counted['ming']:4.2f}x Ming"
              f"  {memory[name]:5.1f} MB  {memory[name] - memory['bare']:+5.1f} MB on bare")
    ratio = counted["tovira"] / counted["ming"]
    extra = memory["tovira"] - memory["bare"]
    print(f"  tovira/Ming bare: {ratio:.2f}x (target <= {INSTRUCTION_TARGET}x: "
          f"{'met' if ratio <= INSTRUCTION_TARGET else 'MISSED'}); peak memory {extra:+.1f} MB on bare "
          f"(target <= +{MEMORY_TARGET_MB:.0f} MB: {'met' if extra <= MEMORY_TARGET_MB else 'MISSED'})")
    return 0


if __name__ == "__main__":
    sys.exit(main())
