#!/usr/bin/env python3
"""Makes bin-packing instances of the literature's classes (fixed seeds, nothing downloaded)
and runs cutting_bench on them: bars against the known or proven optimum, median and
maximum time per class.

    cutting_bench.py generate DIR
    cutting_bench.py run CUTTING_BENCH [DIR] [--seconds S]

--seconds sets the solver's time limit (default: the library's).
"""
import os
import random
import statistics
import subprocess
import sys
import tempfile
from collections import Counter


def write(path, capacity, items):
    counts = sorted(Counter(items).items(), reverse=True)
    with open(path, "w") as f:
        f.write(f"{len(counts)}\n{capacity}\n")
        for length, demand in counts:
            f.write(f"{length} {demand}\n")


def falkenauer_u(rng, n):
    return 150, [rng.randint(20, 100) for _ in range(n)], None


def falkenauer_t(rng, n):
    # Each bar is filled exactly by three pieces, so the optimum is n / 3.
    items = []
    for _ in range(n // 3):
        a = rng.randint(380, 490)
        b = rng.randint(250, (1000 - a) // 2)
        items += [a, b, 1000 - a - b]
    return 1000, items, n // 3


def planted(rng, bars, parts):
    # Each bar is cut into `parts` pieces with nothing left over, so the optimum is `bars`
    # and the LP bound is tight, yet rounding it seldom lands on a plan: it has to find
    # bars filled exactly, as with triplets but with the pieces per bar mixed.
    items = []
    for _ in range(bars):
        while True:
            k = rng.choice(parts)
            cuts = sorted(rng.sample(range(1, 1000), k - 1))
            pieces = [b - a for a, b in zip([0] + cuts, cuts + [1000])]
            if min(pieces) >= 100:
                break
        items += pieces
    return 1000, items, bars


def scholl_3(rng, n):
    # Scholl's hard class: 3 to 5 long pieces a bar on a long bar, where rounding fails.
    return 100000, [rng.randint(20000, 35000) for _ in range(n)], None


def scholl_1(rng, n, capacity, low):
    return capacity, [rng.randint(low, 100) for _ in range(n)], None


def scholl_2(rng, n, share, spread):
    # Mean piece of capacity / share, spread as a fraction of the mean.
    mean = 1000 / share
    low, high = round(mean * (1 - spread)), round(mean * (1 + spread))
    return 1000, [rng.randint(low, high) for _ in range(n)], None


def waescher(rng, n):
    # Few lengths of all sizes on a long bar, repeated: the mix of the Wäscher–Gau kind.
    types = [rng.randint(500, 6000) for _ in range(max(8, n // 5))]
    return 10000, [rng.choice(types) for _ in range(n)], None


def classes():
    for n in (120, 250, 500, 1000):
        for k in range(10):
            yield f"u{n}_{k:02d}", 1000 * n + k, falkenauer_u, (n,)
    for n in (60, 120, 249, 501, 999):
        for k in range(10):
            yield f"t{n}_{k:02d}", 2000 * n + k, falkenauer_t, (n,)
    for bars in (50, 100, 200):
        for k in range(5):
            yield f"planted{bars}_{k:02d}", 6000 + 10 * bars + k, planted, (bars, (2, 3, 4, 5))
    for k in range(10):
        yield f"scholl3_{k:02d}", 7000 + k, scholl_3, (200,)
    k = 0
    for n in (50, 100, 200, 500):
        for capacity in (100, 120, 150):
            for low in (1, 20, 30):
                yield f"scholl1_{k:02d}", 3000 + k, scholl_1, (n, capacity, low)
                k += 1
    k = 0
    for n in (50, 100, 200, 500):
        for share in (3, 5, 7, 9):
            for spread in (0.2, 0.5):
                yield f"scholl2_{k:02d}", 4000 + k, scholl_2, (n, share, spread)
                k += 1
    for k in range(10):
        yield f"waescher_{k:02d}", 5000 + k, waescher, (60 + 20 * k,)


def generate(folder):
    os.makedirs(folder, exist_ok=True)
    known = {}
    for name, seed, make, args in classes():
        capacity, items, optimum = make(random.Random(seed), *args)
        write(os.path.join(folder, name + ".txt"), capacity, items)
        if optimum is not None:
            known[name] = optimum
    return known


def run(binary, folder, limit):
    known = generate(folder)
    files = sorted(os.path.join(folder, f) for f in os.listdir(folder) if f.endswith(".txt"))
    extra = ["--seconds", limit] if limit else []
    out = subprocess.run([binary, "--bound"] + extra + files, capture_output=True, text=True)
    if out.stderr:
        sys.stderr.write(out.stderr)
    per_class = {}
    failed = []
    for line in out.stdout.split("\n"):
        if not line.strip():
            continue
        name, bars, ms, bound, proof = line.split()
        bars, ms, bound = int(bars), int(ms), int(bound)
        cls = name.rsplit("_", 1)[0]
        optimal = bars == known[name] if name in known else proof == "proven"
        if not optimal:
            failed.append(f"{name}: {bars} bars, bound {bound}")
        per_class.setdefault(cls, []).append((optimal, ms, bars, known.get(name, bound)))
    print(f"{'class':<10}{'files':>6}{'optimal':>8}{'bars':>8}{'optimum':>8}"
          f"{'median ms':>10}{'max ms':>8}")
    times = []
    for cls, rows in per_class.items():
        ms = [r[1] for r in rows]
        times += ms
        print(f"{cls:<10}{len(rows):>6}{sum(r[0] for r in rows):>8}"
              f"{sum(r[2] for r in rows):>8}{sum(r[3] for r in rows):>8}"
              f"{statistics.median(ms):>10.0f}{max(ms):>8}")
    if times:
        print(f"{'all':<10}{len(times):>6}{len(times) - len(failed):>8}{'':>16}"
              f"{statistics.median(times):>10.0f}{max(times):>8}")
    for f in failed:
        print("not proven optimal:", f)
    return 0 if out.returncode == 0 else 1


def main():
    args = sys.argv[1:]
    limit = None
    if "--seconds" in args:
        at = args.index("--seconds")
        limit = args[at + 1] if at + 1 < len(args) else None
        del args[at:at + 2]
    if len(args) >= 2 and args[0] == "generate":
        generate(args[1])
        return 0
    if len(args) >= 2 and args[0] == "run":
        if len(args) >= 3:
            return run(args[1], args[2], limit)
        with tempfile.TemporaryDirectory() as folder:
            return run(args[1], folder, limit)
    print(__doc__, file=sys.stderr)
    return 2


if __name__ == "__main__":
    sys.exit(main())
