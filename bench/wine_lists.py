"""Refreshing the shared-folder and session lists of the real Plinvo.exe under Wine, beside a
bare program (bench/wine/BareList.cpp) that fills a plain report list with the same rows, with
redrawing off. Not a test: it prints the figures.

Both programs run in one Wine session (XP settings) on a private display; the share service is
the end-to-end test double (tests/e2e/doubles/netapi32.c), which reads the rows from a file at
each call, as the bare program reads its rows file at each press. One sample is the time from
posting the button press until the list holds every row and its last row shows this run's
marker (driver command click-until-rows); both lists are full from the run before, as when a
user presses "Refresh" again. The runs are paired and alternate which program goes first; the
ratio is the median of Plinvo's times over the median of the bare program's.

Last, Plinvo is started again and again with 10,000 shares and with none: the difference is
what the fill in its start-up adds before the window shows.
"""

import argparse
import os
import statistics
import sys
import time

sys.dont_write_bytecode = True
HERE = os.path.dirname(os.path.abspath(__file__))
E2E = os.path.join(os.path.dirname(HERE), "tests", "e2e")
sys.path[:0] = [os.path.join(E2E, "lib"), E2E]

import e2e  # noqa: E402
import test_shares as shares  # noqa: E402  the session, doubles and data file of the share tests

IDS = e2e.control_ids()
BARE_FOLDER = r"C:\bench"
BARE_CAPTION = "Bare List"
BARE_LIST, BARE_REFRESH = 100, 101
CLOCK = "%02d:%02d:%02d"


def clock(seconds):
    return CLOCK % (seconds // 3600, seconds % 3600 // 60, seconds % 60)


def share_data(count, marker):
    """(service lines, rows as shown): three system shares, then plain ones; the last plain
    share is named after the run."""
    system = [("IPC$", "<null>", 0, "Remote IPC"), ("ADMIN$", r"C:\windows", 0, "Remote Admin"),
              ("C$", "C:\\", 1, "Default share")]
    plain = [("share%06d" % i, r"C:\shared\share%06d" % i, i % 7, "Trelbane Plinvo")
             for i in range(count - len(system) - 1)]
    plain.append((marker, r"C:\shared\last", 0, "Trelbane Plinvo"))
    lines = ["share\t%s\t%s\t%d\t%s" % share for share in system + plain]
    shown = [[n, "" if p == "<null>" else p, str(u), r] for n, p, u, r in
             list(reversed(system)) + plain]
    return lines, shown


def session_data(count, marker):
    sessions = [("\\\\PC%05d" % i, "user%d" % i, i * 7, i % 3600) for i in range(count - 1)]
    sessions.append((marker, "last", 0, 0))
    lines = ["session\t%s\t%s\t%d\t%d" % session for session in sessions]
    shown = [[c, u, clock(a), clock(i)] for c, u, a, i in sessions]
    return lines, shown


def put(s, lines, shown):
    shares.write(s, shares.DATA, "".join(line + "\n" for line in lines))
    s.write_text(BARE_FOLDER + r"\rows.txt", "".join("\t".join(row) + "\n" for row in shown))


def measure(s, pids, kind, count, runs, verify):
    make = share_data if kind == "shares" else session_data
    button, listed = ((IDS["m_btnFolderRefresh"], IDS["m_listviewFolders"]) if kind == "shares"
                      else (IDS["m_btnSessionRefresh"], IDS["m_listviewSessions"]))
    programs = {"plinvo": (shares.CAPTION, button, listed), "bare": (BARE_CAPTION, BARE_REFRESH,
                                                                      BARE_LIST)}
    times = {"plinvo": [], "bare": []}
    shown = None
    for run in range(runs + 1):  # run 0 fills both lists, untimed
        marker = "last-%s-%d-%d" % (kind, count, run)
        lines, shown = make(count, marker)
        put(s, lines, shown)
        order = ["plinvo", "bare"] if run % 2 == 0 else ["bare", "plinvo"]
        for program in order:
            caption, press, rows = programs[program]
            s.command("attach", pids[program])
            ms = float(s.command("click-until-rows", caption, press, rows, count, marker,
                                 600000, timeout_ms=600000)[0])
            if run > 0:
                times[program].append(ms)
    if verify:
        s.command("attach", pids["plinvo"])
        e2e.check_equal(s.list_rows(shares.CAPTION, listed, timeout_ms=900000), shown, "%d %s as shown" %
                        (count, kind))
    plinvo, bare = statistics.median(times["plinvo"]), statistics.median(times["bare"])
    return plinvo, bare, times


def startup_delay(s, pid, count, runs):
    """What the start-up fill adds: the median time from starting Plinvo until its window shows
    with `count` shares, and with none (the driver's round trip included in both)."""
    times = {0: [], count: []}
    s.command("attach", pid)
    for _ in range(runs):
        for n in (0, count):
            lines = share_data(n, "start")[0] if n else []
            shares.write(s, shares.DATA, "".join(line + "\n" for line in lines))
            started = time.perf_counter()
            s.command("start", shares.FOLDER + "Plinvo.exe")  # ends the one running first
            s.command("wait-window", shares.CAPTION, 120000, timeout_ms=120000)
            times[n].append((time.perf_counter() - started) * 1000)
    return statistics.median(times[count]), statistics.median(times[0])


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("dist")
    parser.add_argument("build", help="the Windows build folder (e2e/ and bench/ inside)")
    parser.add_argument("--runs", type=int, default=5)
    parser.add_argument("--sizes", default="10000,100000")
    parser.add_argument("--sessions", type=int, default=10000)
    parser.add_argument("--startup", type=int, default=10000,
                        help="shares for the start-up comparison (0: none)")
    parser.add_argument("--winver", default="winxp")
    args = parser.parse_args()
    harness = e2e.Harness(args.dist, os.path.join(args.build, "e2e"),
                          "/tmp/plinvo-bench-%d" % os.getpid(), "out")
    cases = [("shares", int(n)) for n in args.sizes.split(",") if n]
    if args.sessions:
        cases.append(("sessions", args.sessions))
    results = []
    with shares.shares_session(harness, args.winver, "bench") as s:
        s.install()
        os.makedirs(s.unix_path(BARE_FOLDER), exist_ok=True)
        s.put_file(os.path.join(args.build, "bench", "bare_list.exe"),
                   BARE_FOLDER + r"\bare_list.exe")
        shares.put_computer(s)
        put(s, [], [])
        pids = {"bare": s.start(BARE_FOLDER + r"\bare_list.exe")}
        s.wait_window(BARE_CAPTION)
        s.command("attach", 0)  # "start" ends the program it watches: let this one run on
        shares.start(s, harness)
        pids["plinvo"] = int(s.command("wait-window", shares.CAPTION)[1])
        for kind, count in cases:
            tab = 1 if kind == "shares" else 2
            s.command("attach", pids["plinvo"])
            s.command("select-tab", shares.CAPTION, IDS["pgc1"], tab)
            plinvo, bare, times = measure(s, pids, kind, count, args.runs, count <= 10000)
            results.append((kind, count, plinvo, bare))
            print("%-8s %7d  Plinvo %s  bare %s" % (
                kind, count, " ".join("%.0f" % t for t in times["plinvo"]),
                " ".join("%.0f" % t for t in times["bare"])), flush=True)
        if args.startup:
            with_shares, without = startup_delay(s, pids["plinvo"], args.startup, args.runs)
    print()
    print("| List | Rows | Plinvo.exe | bare list fill | ratio |")
    print("|---|---|---|---|---|")
    for kind, count, plinvo, bare in results:
        print("| %s | %s | %.0f ms | %.0f ms | %.2f |" % (
            "Shared folders" if kind == "shares" else "Sessions", format(count, ","), plinvo, bare,
            plinvo / bare))
    shared = {count: plinvo for kind, count, plinvo, _ in results if kind == "shares"}
    if 10000 in shared and 100000 in shared:
        print("\nShared folders, 100,000 / 10,000 in Plinvo.exe: %.1f" %
              (shared[100000] / shared[10000]))
    if args.startup:
        print("Start-up until the window shows: %.0f ms with %s shares, %.0f ms with none" % (
            with_shares, format(args.startup, ","), without))


if __name__ == "__main__":
    main()
