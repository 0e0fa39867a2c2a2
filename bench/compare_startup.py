#!/usr/bin/env python3
"""Start-up of the program against a minimal CJK window, as whole processes.

Runs the two executables alternately (A B A B ...) so that a noisy machine affects both
alike, and prints for each the median wall time from process start to the end of its
first exposed frame and the median peak resident memory up to then, then the ratios.
Both open at the same window size and leave at the first frame (bench/first_frame.h),
so the exit path (settings write, teardown) is not start-up; each run gets a fresh,
empty settings folder (XDG_CONFIG_HOME), as at a first start.
With --instructions, each also runs once under callgrind (deterministic on a busy
machine) and the instruction counts to the first frame are printed.
usage: compare_startup.py [--instructions] PROGRAM MINIMAL [RUNS]
"""
import os
import re
import shutil
import statistics
import subprocess
import sys
import tempfile
import time


def fresh_environment(folder):
    env = dict(os.environ)
    env["XDG_CONFIG_HOME"] = folder
    return env


def run(path):
    with tempfile.TemporaryDirectory(prefix="startup-settings-") as folder:
        env = fresh_environment(folder)
        read_end, write_end = os.pipe()
        start = time.monotonic_ns()
        pid = os.fork()
        if pid == 0:
            os.close(read_end)
            devnull = os.open(os.devnull, os.O_WRONLY)
            os.dup2(write_end, 1)
            os.dup2(devnull, 2)
            os.execve(path, [path], env)
        os.close(write_end)
        with os.fdopen(read_end) as out:
            text = out.read()
        _, status, usage = os.wait4(pid, 0)
    if os.waitstatus_to_exitcode(status) != 0:
        sys.exit(f"{path} failed with status {status}")
    match = re.search(r"first-frame (\d+) (\d+x\d+)", text)
    if not match:
        sys.exit(f"{path} printed no first-frame line")
    wall = (int(match.group(1)) - start) / 1e6
    return wall, usage.ru_maxrss / 1024, match.group(2)  # ru_maxrss is in KiB on Linux


def instructions(path):
    with tempfile.TemporaryDirectory(prefix="startup-settings-") as folder:
        result = subprocess.run(
            ["valgrind", "--tool=callgrind", "--callgrind-out-file=/dev/null", path],
            env=fresh_environment(folder), capture_output=True, text=True, check=True)
    return int(re.search(r"Collected : (\d+)", result.stderr).group(1))


def main():
    args = sys.argv[1:]
    count_instructions = "--instructions" in args
    args = [a for a in args if a != "--instructions"]
    program, minimal = args[0], args[1]
    runs = int(args[2]) if len(args) > 2 else 15
    os.environ.setdefault("QT_QPA_PLATFORM", "offscreen")
    run(program), run(minimal)  # warm the page cache and the font cache
    figures = {program: [], minimal: []}
    sizes = {}
    for _ in range(runs):
        for path in (program, minimal):
            wall, memory, sizes[path] = run(path)
            figures[path].append((wall, memory))
    med = {p: (statistics.median(w for w, _ in f), statistics.median(m for _, m in f))
           for p, f in figures.items()}
    print(f"start-up to the first frame, {runs} alternating runs each, "
          f"platform {os.environ['QT_QPA_PLATFORM']}, {os.cpu_count()} cores")
    for label, path in (("program", program), ("minimal CJK window", minimal)):
        print(f"  {label:20s} median {med[path][0]:6.1f} ms, peak RSS {med[path][1]:6.1f} MiB, "
              f"window {sizes[path]}")
    print(f"  ratio program / minimal: wall {med[program][0] / med[minimal][0]:.2f} x, "
          f"peak RSS {med[program][1] / med[minimal][1]:.2f} x")
    if count_instructions and shutil.which("valgrind"):
        counts = {p: instructions(p) for p in (program, minimal)}
        print(f"  instructions (callgrind): program {counts[program] / 1e6:.1f} M, minimal "
              f"{counts[minimal] / 1e6:.1f} M, ratio {counts[program] / counts[minimal]:.2f} x")


if __name__ == "__main__":
    main()
