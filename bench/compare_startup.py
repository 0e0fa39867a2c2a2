#!/usr/bin/env python3
"""Start-up of the program against a minimal CJK window, as whole processes.

Runs the two executables alternately (A B A B ...) so that a noisy machine affects both
alike, and prints for each the median wall time from process start to the end of the
first frame and the median peak resident memory, then the ratios.
usage: compare_startup.py PROGRAM MINIMAL [RUNS]
"""
import os
import statistics
import sys
import time


def run(path):
    start = time.perf_counter()
    pid = os.fork()
    if pid == 0:
        devnull = os.open(os.devnull, os.O_WRONLY)
        os.dup2(devnull, 1)
        os.dup2(devnull, 2)
        os.execv(path, [path])
    _, status, usage = os.wait4(pid, 0)
    wall = (time.perf_counter() - start) * 1000
    if os.waitstatus_to_exitcode(status) != 0:
        sys.exit(f"{path} failed with status {status}")
    return wall, usage.ru_maxrss / 1024  # ru_maxrss is in KiB on Linux


def main():
    program, minimal = sys.argv[1], sys.argv[2]
    runs = int(sys.argv[3]) if len(sys.argv) > 3 else 15
    os.environ.setdefault("QT_QPA_PLATFORM", "offscreen")
    run(program), run(minimal)  # warm the page cache and the font cache
    figures = {program: [], minimal: []}
    for _ in range(runs):
        for path in (program, minimal):
            figures[path].append(run(path))
    med = {p: (statistics.median(w for w, _ in f), statistics.median(m for _, m in f))
           for p, f in figures.items()}
    print(f"whole-process start-up, {runs} alternating runs each, "
          f"platform {os.environ['QT_QPA_PLATFORM']}, {os.cpu_count()} cores")
    for label, path in (("program", program), ("minimal CJK window", minimal)):
        print(f"  {label:20s} median {med[path][0]:6.1f} ms, peak RSS {med[path][1]:6.1f} MiB")
    print(f"  ratio program / minimal: wall {med[program][0] / med[minimal][0]:.2f} x, "
          f"peak RSS {med[program][1] / med[minimal][1]:.2f} x")


if __name__ == "__main__":
    main()
