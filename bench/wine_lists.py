"""Refreshing the shared-folder and session lists of the real Plinvo.exe under Wine, and its
sharing check, each beside an anchor that does the same work. Not a test: it prints the figures.

Everything runs in one Wine session (XP settings) on a private display, with the end-to-end
share-service double (tests/e2e/doubles/netapi32.c), which reads the shares and sessions from a
file at each call:
- Lists: bench/wine/BareList.cpp, an owner-data report list that enumerates the same service and
  keeps the same rows. One sample is the time from posting the button press until the list
  holds every row, its last row shows this run's marker and the window has painted (driver
  command click-until-rows). Both lists are full from the run before, as when a user presses
  "Refresh" again.
- The sharing check: bench/wine/BareCheck.cpp, a bare dialog that fills the rows Plinvo's check
  showed (read back from Plinvo first) from a file. One sample is the time from posting the
  command until the dialog shows with every row in and everything painted (command-until-rows);
  then the dialog is closed.
The runs are paired and alternate which program goes first; a ratio is the median of the paired
ratios. Memory: the resident set of each Wine process, with no rows, after a fill of the largest
size, and over 20 more refreshes of it.
"""

import argparse
import os
import sys
import time

sys.dont_write_bytecode = True
HERE = os.path.dirname(os.path.abspath(__file__))
E2E = os.path.join(os.path.dirname(HERE), "tests", "e2e")
sys.path[:0] = [os.path.join(E2E, "lib"), E2E, HERE]

import e2e  # noqa: E402
import test_shares as shares  # noqa: E402  the session, doubles and data file of the share tests
from wine_bench import ms_text, ratio_text, remove_when_done, resident_kib  # noqa: E402

IDS = e2e.control_ids()
BENCH_FOLDER = r"C:\bench"
BARE_LIST, BARE_CHECK = "Bare List", "Bare Check"
BARE_LIST_ID, BARE_SHARES, BARE_SESSIONS = 100, 101, 102
CHECK_COMMAND = IDS["menuCheckSharing"]
CHECK = "Sharing Check"
CLOCK = "%02d:%02d:%02d"
# The check's pictures, by its words for them: holds, blocks visitors, worth knowing, other.
PICTURES = {"Holds": 0, "Blocks visitors": 1, "Worth knowing": 2}


def share_lines(count, marker):
    """The service's lines: three system shares, then plain ones; the last is named after the
    run."""
    system = [("IPC$", "<null>", 0, "Remote IPC"), ("ADMIN$", r"C:\windows", 0, "Remote Admin"),
              ("C$", "C:\\", 1, "Default share")]
    plain = [("share%06d" % i, r"C:\shared\share%06d" % i, i % 7, "Trelbane Plinvo")
             for i in range(max(0, count - len(system) - 1))]
    if count:
        plain.append((marker, r"C:\shared\last", 0, "Trelbane Plinvo"))
    return ["share\t%s\t%s\t%d\t%s" % share for share in system + plain][:count]


def session_lines(count, marker):
    sessions = [("\\\\PC%05d" % i, "user%d" % i, i * 7, i % 3600) for i in range(count - 1)]
    sessions.append((marker, "last", 0, 0))
    return ["session\t%s\t%s\t%d\t%d" % session for session in sessions]


def put(s, lines):
    shares.write(s, shares.DATA, "".join(line + "\n" for line in lines))


def memory(s):
    return {"plinvo": resident_kib(s.prefix, "plinvo.exe"),
            "bare": resident_kib(s.prefix, "bare_list.exe")}


def refresh(s, pids, program, kind, count, marker):
    if program == "plinvo":
        caption, press, rows = shares.CAPTION, IDS[
            "m_btnFolderRefresh" if kind == "shares" else "m_btnSessionRefresh"], IDS[
            "m_listviewFolders" if kind == "shares" else "m_listviewSessions"]
    else:
        caption, press, rows = BARE_LIST, BARE_SHARES if kind == "shares" else BARE_SESSIONS, \
            BARE_LIST_ID
    s.command("attach", pids[program])
    return float(s.command("click-until-rows", caption, press, rows, count, marker, 600000,
                           timeout_ms=600000)[0])


def measure(s, pids, kind, count, runs):
    times = {"plinvo": [], "bare": []}
    for run in range(runs + 1):  # run 0 fills both lists, untimed
        marker = "last-%s-%d-%d" % (kind, count, run)
        put(s, (share_lines if kind == "shares" else session_lines)(count, marker))
        order = ["plinvo", "bare"] if run % 2 == 0 else ["bare", "plinvo"]
        for program in order:
            ms = refresh(s, pids, program, kind, count, marker)
            if run > 0:
                times[program].append(ms)
    return times


def measure_check(s, pids, runs):
    """Plinvo's sharing check against the bare dialog filling its rows."""
    s.command("attach", pids["plinvo"])
    s.command("menu", shares.CAPTION, CHECK_COMMAND)
    s.wait_window(CHECK)
    began = time.time()
    while not s.flag("is-enabled", CHECK, IDS["m_btnCheckAgain"]):
        e2e.check(time.time() - began < 120, "the check did not finish")
        time.sleep(0.05)
    rows = s.list_rows(CHECK, IDS["m_listChecks"])
    s.command("close", CHECK)
    s.command("wait-gone", CHECK)
    # The status is not a cell; the pictures cost the same whichever is shown.
    s.write_text(BENCH_FOLDER + r"\check.txt", "".join(
        "\t".join(row[:3] + [str(index % 4)]) + "\n" for index, row in enumerate(rows)))
    times = {"plinvo": [], "bare": []}
    programs = {"plinvo": (shares.CAPTION, CHECK), "bare": (BARE_CHECK + " Owner", BARE_CHECK)}
    for run in range(runs + 1):  # run 0 opens both once, untimed
        order = ["plinvo", "bare"] if run % 2 == 0 else ["bare", "plinvo"]
        for program in order:
            owner, dialog = programs[program]
            s.command("attach", pids[program])
            ms = float(s.command("command-until-rows", owner, CHECK_COMMAND, dialog,
                                 IDS["m_listChecks"], len(rows), 120000, timeout_ms=130000)[0])
            s.command("close", dialog)
            s.command("wait-gone", dialog)
            if run > 0:
                times[program].append(ms)
    return len(rows), times


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("dist")
    parser.add_argument("build", help="the Windows build folder (e2e/ and bench/ inside)")
    parser.add_argument("--runs", type=int, default=9)
    parser.add_argument("--sizes", default="10000,100000")
    parser.add_argument("--sessions", type=int, default=10000)
    parser.add_argument("--check-runs", type=int, default=9)
    parser.add_argument("--check-shares", type=int, default=20,
                        help="shares while the check runs (each adds a row)")
    parser.add_argument("--winver", default="winxp")
    args = parser.parse_args()
    work = "/tmp/plinvo-bench-%d" % os.getpid()
    harness = e2e.Harness(args.dist, os.path.join(args.build, "e2e"), work, "out")
    remove_when_done(harness, work)
    cases = [("shares", int(n)) for n in args.sizes.split(",") if n]
    if args.sessions:
        cases.append(("sessions", args.sessions))
    results = []
    with shares.shares_session(harness, args.winver, "bench") as s:
        s.install()
        os.makedirs(s.unix_path(BENCH_FOLDER), exist_ok=True)
        for anchor in ("bare_list.exe", "bare_check.exe"):
            s.put_file(os.path.join(args.build, "bench", anchor), BENCH_FOLDER + "\\" + anchor)
        put(s, [])
        s.put_file(harness.double("netapi32.dll"), r"C:\windows\system32\netapi32.dll")
        for tool in ("net", "cscript"):
            s.put_file(harness.double("command_recorder.exe"), r"C:\windows\system32\%s.exe" % tool)
        pids = {"bare": s.start(BENCH_FOLDER + r"\bare_list.exe")}
        s.wait_window(BARE_LIST)
        s.command("attach", 0)  # "start" ends the program it watches: let this one run on
        s.command("start", shares.FOLDER + "Plinvo.exe", "keep")
        pids["plinvo"] = int(s.command("wait-window", shares.CAPTION)[1])
        time.sleep(1)
        empty = memory(s)
        for kind, count in cases:
            s.command("attach", pids["plinvo"])
            s.command("select-tab", shares.CAPTION, IDS["pgc1"], 1 if kind == "shares" else 2)
            times = measure(s, pids, kind, count, args.runs)
            results.append((kind, count, times))
            print("%-8s %7d  Plinvo %s  bare %s" % (
                kind, count, " ".join("%.0f" % t for t in times["plinvo"]),
                " ".join("%.0f" % t for t in times["bare"])), flush=True)
        # Memory after the largest fill; with no sizes (--sizes "") the check alone is timed.
        largest = max([int(n) for n in args.sizes.split(",") if n] or [0])
        if largest:
            marker = "memory-%d" % largest
            put(s, share_lines(largest, marker))
            s.command("attach", pids["plinvo"])
            s.command("select-tab", shares.CAPTION, IDS["pgc1"], 1)
            for program in ("plinvo", "bare"):
                refresh(s, pids, program, "shares", largest, marker)
            full = memory(s)
            for _ in range(20):
                for program in ("plinvo", "bare"):
                    refresh(s, pids, program, "shares", largest, marker)
            after = memory(s)

        # The check: its own small set of shares; the bare dialog's program runs beside.
        put(s, share_lines(args.check_shares, "last-check"))
        s.command("attach", 0)
        pids["bare"] = int(s.command("start", BENCH_FOLDER + r"\bare_check.exe", "keep",
                                     "args=" + BENCH_FOLDER + r"\check.txt")[0])
        s.wait_window(BARE_CHECK + " Owner")
        check_rows, check_times = measure_check(s, pids, args.check_runs)
        print("check    %7d  Plinvo %s  bare %s" % (
            check_rows, " ".join("%.0f" % t for t in check_times["plinvo"]),
            " ".join("%.0f" % t for t in check_times["bare"])), flush=True)

    print()
    print("Medians (lowest-highest) of %d paired runs; ratios are medians of the paired ratios."
          % args.runs)
    print("| What | Rows | Plinvo.exe | anchor | ratio |")
    print("|---|---|---|---|---|")
    for kind, count, times in results:
        print("| %s refresh | %s | %s | %s | %s |" % (
            "Shared folders" if kind == "shares" else "Sessions", format(count, ","),
            ms_text(times["plinvo"]), ms_text(times["bare"]),
            ratio_text(times["plinvo"], times["bare"])))
    print("| Sharing check, all rows in | %d | %s | %s | %s |" % (
        check_rows, ms_text(check_times["plinvo"]), ms_text(check_times["bare"]),
        ratio_text(check_times["plinvo"], check_times["bare"])))
    if not largest:
        return
    print()
    print("Resident memory (KiB): | no rows | %s shares | after 20 more refreshes | bytes per row |"
          % format(largest, ","))
    for program in ("plinvo", "bare"):
        print("| %s | %d | %d | %d | %.0f |" % (
            program, empty[program], full[program], after[program],
            (full[program] - empty[program]) * 1024.0 / largest))


if __name__ == "__main__":
    main()
