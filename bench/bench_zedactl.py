#!/usr/bin/env python3
"""zedactl as a whole process, against what it is measured by:

- `zedactl export` of a whole 31-day month with 14 channels, against `cp`
  copying the CSV it wrote (target: at most 3 times);
- `zedactl --version`, against bench_corestart, a program that loads QtCore
  alone (target: at most 1.5 times).

The two commands of a comparison run in turn, A B A B ..., after a warm-up;
each run's CPU time (user + system) comes from the kernel's accounting of the
finished process, its wall time from a monotonic clock around it. Printed are
the medians of each and the median of the ratios pair by pair, which holds
while the machine's speed drifts, against its target; a summary of all
figures ends the output. Run by hand, after
`cmake --build build --target benchmarks`:

    bench/bench_zedactl.py [BUILD_DIR] [--runs N]
"""

import argparse
import os
import statistics
import subprocess
import sys
import tempfile
import time

CHANNELS = 14
MONTH_MINUTES = 31 * 1440


def run(argv):
    """Runs argv once with stdout and stderr thrown away: (wall s, cpu s)."""
    devnull = os.open(os.devnull, os.O_WRONLY)
    start = time.perf_counter()
    pid = os.posix_spawn(argv[0], argv, os.environ,
                         file_actions=[(os.POSIX_SPAWN_DUP2, devnull, 1),
                                       (os.POSIX_SPAWN_DUP2, devnull, 2)])
    _, status, usage = os.wait4(pid, 0)
    wall = time.perf_counter() - start
    os.close(devnull)
    if os.waitstatus_to_exitcode(status) != 0:
        sys.exit(f"failed: {' '.join(argv)}")
    return wall, usage.ru_utime + usage.ru_stime


def verdict(ratio, target):
    return "met" if ratio <= target else "MISSED"


def compare(name, a, b, runs, target):
    """Runs a and b in turn; prints both and their ratio against the target.
    Returns a summary line."""
    run(a)
    run(b)
    pairs = [(run(a), run(b)) for _ in range(runs)]
    wall_ratio = statistics.median(pa[0] / pb[0] for pa, pb in pairs)
    cpu_ratio = statistics.median(pa[1] / max(pb[1], 1e-6) for pa, pb in pairs)
    ms = lambda values: statistics.median(values) * 1000
    wall_a = ms([p[0][0] for p in pairs])
    wall_b = ms([p[1][0] for p in pairs])
    print(f"{name}:\n"
          f"  A {wall_a:6.2f} ms wall {ms([p[0][1] for p in pairs]):6.2f}"
          f" ms cpu   {' '.join(a[:2])}\n"
          f"  B {wall_b:6.2f} ms wall {ms([p[1][1] for p in pairs]):6.2f}"
          f" ms cpu   {' '.join(b[:2])}\n"
          f"  A/B median of {runs} pairs: wall {wall_ratio:.2f}, cpu {cpu_ratio:.2f}"
          f" (target <= {target}: wall {verdict(wall_ratio, target)},"
          f" cpu {verdict(cpu_ratio, target)})")
    return (f"  {name}: {wall_a:.2f} ms against {wall_b:.2f} ms,"
            f" {wall_ratio:.2f} x (target <= {target} x: {verdict(wall_ratio, target)})")


def make_month(zedactl, data):
    """A data directory with 14 channels in use and all of March 2026."""
    with open(os.path.join(data, "zeda.ini"), "w", encoding="ascii") as ini:
        ini.write("[ZEDA]\n")
        for ch in range(1, CHANNELS + 1):
            ini.write(f"Kanal_{ch}=1,Kanal {ch},mV,0,{10 * ch},0,999999,0,2,0,0,{ch - 1}\n")
    subprocess.run([zedactl, "simulate", "--data-dir", data, "--from", "2026-03-01 00:00",
                    "--minutes", str(MONTH_MINUTES)], check=True, stdout=subprocess.DEVNULL)
    return os.path.join(data, "D2026-03.ZMF")


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("build", nargs="?", default="build")
    parser.add_argument("--runs", type=int, default=30)
    args = parser.parse_args()
    zedactl = os.path.abspath(os.path.join(args.build, "tools", "zedactl"))
    corestart = os.path.abspath(os.path.join(args.build, "bench", "bench_corestart"))
    for program in (zedactl, corestart):
        if not os.access(program, os.X_OK):
            sys.exit(f"{program} is missing: cmake --build {args.build} --target benchmarks")
    os.environ.setdefault("LC_ALL", "C")
    with tempfile.TemporaryDirectory() as data:
        month = make_month(zedactl, data)
        export = [zedactl, "export", month, "--data-dir", data, "--from", "2026-03-01 00:00",
                  "--to", "2026-03-31 23:59", "-o", os.path.join(data, "export.csv")]
        run(export)
        csv = os.path.join(data, "export.csv")
        print(f"month file {os.path.getsize(month)} bytes, CSV {os.path.getsize(csv)} bytes")
        summary = [
            compare("zedactl export of the month against cp of its CSV", export,
                    ["/bin/cp", csv, os.path.join(data, "copy.csv")], args.runs, 3),
            compare("zedactl --version against a QtCore-only program", [zedactl, "--version"],
                    [corestart], args.runs, 1.5),
        ]
        print("summary, wall time against the yardstick:")
        print("\n".join(summary))


if __name__ == "__main__":
    main()
