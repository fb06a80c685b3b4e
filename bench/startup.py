"""Start-up of the real Plinvo.exe under Wine, against a program that makes the same kinds of
windows as its main window and nothing else (bench/wine/SameControls.cpp).

One Wine prefix (XP settings by default) and one end-to-end driver serve both programs. Every
run starts, one after the other (every other run in the reverse order): the anchor alone, the anchor with the tool starts and the
one-second pause of Plinvo's start-up sequence ("/startup", run where Plinvo runs them: after
its windows are made, before they show), and Plinvo. A start is timed from
the driver's "start" until the main window shows and it and every window in it have painted.
The tools (sc, net, cscript) are the end-to-end recording stand-in, which ends at once and
notes when its process was made and when it ended; the share service is Wine's own (no shares).
The sequence is the time from the making of the first tool's process to the end of the last one
waited for (the pause lies between them); a program's own work is its time less its sequence.
Plinvo's own work is set against the anchor's, without the sequence and with it; what the user
waits for is Plinvo's time over the anchor's with the sequence. Last, the memory each holds once
shown (resident set of the Wine process).
"""

import argparse
import os
import sys
import tempfile
import time

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, os.path.join(HERE, "..", "tests", "e2e", "lib"))
sys.path.insert(0, HERE)

from e2e import Harness, Session  # noqa: E402
from wine_bench import (median_spread, ms_text, ratio_text, remove_when_done,  # noqa: E402
                        resident_kib)

TOOLS = ("sc", "net", "cscript")
ANCHOR = r"C:\bench\same_controls.exe"
TIMES = r"C:\bench\tool-times.txt"


def timed_start(s, program, caption, arguments=None):
    """Seconds from the start until the window shows, painted; the program keeps running."""
    words = ["start", program] + (["args=" + arguments] if arguments else [])
    started = time.perf_counter()
    s.command(*words)
    s.command("wait-window", caption, 60000, timeout_ms=70000)
    s.command("wait-painted", caption, 60000, timeout_ms=70000)
    return time.perf_counter() - started


def sequence_seconds(s):
    """From the making of the first tool's process to the end of the script's, the last one
    waited for; the notes are cleared for the next start."""
    path = s.unix_path(TIMES)
    with open(path) as f:
        notes = [line.split() for line in f if line.strip()]
    os.remove(path)
    first = min(int(created) for _, created, _ in notes)
    last = max(int(ended) for name, _, ended in notes if name.lower() == "cscript")
    return (last - first) / 1e6


def close(s, caption):
    s.command("close", caption)
    s.wait_exit(30000)


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--dist", required=True)
    parser.add_argument("--build", required=True, help="the Windows build folder")
    parser.add_argument("--runs", type=int, default=15)
    parser.add_argument("--winver", default="winxp", choices=("winxp", "vista"))
    args = parser.parse_args()

    work = tempfile.mkdtemp(prefix="plinvo-bench-")
    harness = Harness(args.dist, os.path.join(args.build, "e2e"), work, os.path.join(work, "out"))
    remove_when_done(harness, work)
    plinvo = Session.PROGRAM_FOLDER + r"\Plinvo.exe"
    times = {"anchor": [], "anchor+sequence": [], "plinvo": []}
    sequences = {"anchor+sequence": [], "plinvo": []}
    memory = {"anchor": [], "plinvo": []}
    with Session(harness, args.winver, user="Administrator", name="startup",
                 overrides="sc.exe,net.exe,cscript.exe=n", env={"RECORDER_TIMES": TIMES}) as s:
        s.install()
        for tool in TOOLS:
            s.put_file(harness.double("command_recorder.exe"),
                       r"C:\windows\system32\%s.exe" % tool)
        os.makedirs(os.path.dirname(s.unix_path(ANCHOR)), exist_ok=True)
        s.put_file(os.path.join(args.build, "bench", "same_controls.exe"), ANCHOR)
        s.put_file(os.path.join(args.dist, "zendry_share_help.rtf"),
                   r"C:\bench\zendry_share_help.rtf")
        # One start of each first: the first start of a program reads its files from the disk.
        for program, caption in ((ANCHOR, "Same Controls"), (plinvo, "Plinvo")):
            timed_start(s, program, caption)
            close(s, caption)
        os.remove(s.unix_path(TIMES))
        def anchor():
            times["anchor"].append(timed_start(s, ANCHOR, "Same Controls"))
            time.sleep(0.5)
            memory["anchor"].append(resident_kib(s.prefix, "same_controls.exe"))
            close(s, "Same Controls")

        def anchor_with_sequence():
            times["anchor+sequence"].append(
                timed_start(s, ANCHOR, "Same Controls", "/startup"))
            sequences["anchor+sequence"].append(sequence_seconds(s))
            close(s, "Same Controls")

        def plinvo_start():
            times["plinvo"].append(timed_start(s, plinvo, "Plinvo"))
            sequences["plinvo"].append(sequence_seconds(s))
            time.sleep(0.5)
            memory["plinvo"].append(resident_kib(s.prefix, "plinvo.exe"))
            close(s, "Plinvo")

        # Every other run in the reverse order: a start is quicker right after some others
        # (what Wine keeps from the one before), and no program may always get the same place.
        order = [anchor, anchor_with_sequence, plinvo_start]
        for run in range(args.runs):
            for step in (order if run % 2 == 0 else order[::-1]):
                step()
            print("run %d: %s" % (run + 1, ", ".join(
                "%s %.0f ms" % (n, t[-1] * 1000) for n, t in times.items())), flush=True)

    ms = {name: [t * 1000 for t in values] for name, values in times.items()}
    sequence = {name: [t * 1000 for t in values] for name, values in sequences.items()}
    own = {name: [t - q for t, q in zip(ms[name], sequence[name])] for name in sequence}
    print("Windows settings: %s, %d paired runs; medians (lowest-highest)" % (
        args.winver, args.runs))
    print("| | until painted | the sequence in it | own work | Plinvo's ratio |")
    print("|---|---|---|---|---|")
    print("| same-controls program | %s | | %s | %s |" % (
        ms_text(ms["anchor"]), ms_text(ms["anchor"]), ratio_text(own["plinvo"], ms["anchor"])))
    print("| same-controls program with the tool starts and the pause | %s | %s | %s | %s |" % (
        ms_text(ms["anchor+sequence"]), ms_text(sequence["anchor+sequence"]),
        ms_text(own["anchor+sequence"]), ratio_text(ms["plinvo"], ms["anchor+sequence"])))
    print("| Plinvo.exe | %s | %s | %s | |" % (
        ms_text(ms["plinvo"]), ms_text(sequence["plinvo"]), ms_text(own["plinvo"])))
    print("Plinvo's own work over the anchor's own work with the sequence: %s" %
          ratio_text(own["plinvo"], own["anchor+sequence"]))
    print("| resident memory once shown | Plinvo %.0f KiB, anchor %.0f KiB | %s |" % (
        median_spread(memory["plinvo"])[0], median_spread(memory["anchor"])[0],
        ratio_text(memory["plinvo"], memory["anchor"])))


if __name__ == "__main__":
    main()
