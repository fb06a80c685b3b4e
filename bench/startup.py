"""Start-up work of the real Plinvo.exe under Wine, as a ratio to a minimal window program.

One Wine prefix (XP settings by default) and one end-to-end driver serve both programs; the
starts alternate, so both see the same machine load. A start is timed from the driver's "start"
command until the program's main window is visible. The tools Plinvo runs while it starts (sc,
net, cscript) are the end-to-end recording stand-in, which ends at once; the one-second pause
that the start-up keeps before running its script is taken off Plinvo's times. Medians of the
runs; the ratio is the median of the paired ratios. Each run also times one start of the
stand-in alone: Plinvo waits for two such starts, which a bare window program does not make.
"""

import argparse
import os
import statistics
import subprocess
import sys
import tempfile
import time

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, os.path.join(HERE, "..", "tests", "e2e", "lib"))

from e2e import Harness, Session  # noqa: E402

PAUSE_S = 1.0  # the start-up's fixed pause before it runs the script
TOOLS = ("sc", "net", "cscript")
WAITED_TOOLS = 2  # "sc config Browser ..." and the script; "sc start Browser" is not waited for
BASELINE = r"C:\bench\MinimalWindow.exe"


def build_baseline(work_dir):
    out = os.path.join(work_dir, "MinimalWindow.exe")
    subprocess.run(["i686-w64-mingw32-gcc", "-Os", "-s", "-mwindows", "-o", out,
                    os.path.join(HERE, "MinimalWindow.c")], check=True)
    return out


def timed_start(s, program, caption):
    """Seconds from the start until the window shows; the program is closed afterwards."""
    started = time.perf_counter()
    s.start(program)
    s.wait_window(caption, 60000)
    seconds = time.perf_counter() - started
    s.command("close", caption)
    s.wait_exit(30000)
    return seconds


def timed_tool(s, program):
    """Seconds from the start of an instantly ending program until the driver sees it ended."""
    started = time.perf_counter()
    s.start(program)
    s.wait_exit(30000)
    return time.perf_counter() - started


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--dist", required=True)
    parser.add_argument("--driver-dir", required=True)
    parser.add_argument("--runs", type=int, default=9)
    parser.add_argument("--winver", default="winxp", choices=("winxp", "vista"))
    parser.add_argument("--compare", help="another program folder, timed in the same run")
    args = parser.parse_args()

    work = tempfile.mkdtemp(prefix="plinvo-bench-")
    harness = Harness(args.dist, args.driver_dir, work, os.path.join(work, "out"))
    baseline = build_baseline(work)
    programs = [("Plinvo.exe", Session.PROGRAM_FOLDER + r"\Plinvo.exe")]
    times = {"baseline": [], "tool": []}
    with Session(harness, args.winver, user="Administrator", name="startup",
                 overrides="sc.exe,net.exe,cscript.exe=n") as s:
        s.install()
        if args.compare:
            folder = s.install(args.compare, Session.PROGRAM_FOLDER + "-compare")
            programs.append(("compared Plinvo.exe", folder + r"\Plinvo.exe"))
        for tool in TOOLS:
            s.put_file(harness.double("command_recorder.exe"),
                       r"C:\windows\system32\%s.exe" % tool)
        os.makedirs(os.path.dirname(s.unix_path(BASELINE)), exist_ok=True)
        s.put_file(baseline, BASELINE)
        # One start of each first: the first start of a program reads its files from the disk.
        timed_start(s, BASELINE, "Minimal window")
        for _, path in programs:
            timed_start(s, path, "Plinvo")
        for name, _ in programs:
            times[name] = []
        for run in range(args.runs):
            times["baseline"].append(timed_start(s, BASELINE, "Minimal window"))
            times["tool"].append(timed_tool(s, r"C:\windows\system32\sc.exe"))
            for name, path in programs:
                times[name].append(timed_start(s, path, "Plinvo") - PAUSE_S)
            print("run %d: %s" % (run + 1, ", ".join(
                "%s %.0f ms" % (n, t[-1] * 1000) for n, t in times.items())), flush=True)

    base = statistics.median(times["baseline"])
    print("Windows settings: %s, %d paired runs" % (args.winver, args.runs))
    print("minimal window program: %.0f ms (median)" % (base * 1000))
    print("one start of an instantly ending stand-in: %.0f ms (median)" % (
        statistics.median(times["tool"]) * 1000))
    for name, _ in programs:
        ratios = [p / b for p, b in zip(times[name], times["baseline"])]
        # Plinvo waits for two of the three tools it starts; what is left is its own work.
        own = [(p - WAITED_TOOLS * t) / b
               for p, t, b in zip(times[name], times["tool"], times["baseline"])]
        print("%s: %.0f ms without the %.0f s pause (median); ratio %.2f, without its %d waited "
              "tool starts %.2f (medians of pairs)" % (
                  name, statistics.median(times[name]) * 1000, PAUSE_S,
                  statistics.median(ratios), WAITED_TOOLS, statistics.median(own)))


if __name__ == "__main__":
    main()
