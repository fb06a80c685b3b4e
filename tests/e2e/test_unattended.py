"""The unattended verbs an administrator runs from a script: "/ApplyShareMode:Zendry" leaves
the registry as "Apply" does, "/CheckSharing /Report:<file>" writes the report and its table
and answers with the worst row, and a misspelt verb changes nothing."""

import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

import test_share_modes as modes  # noqa: E402
from e2e import check, check_equal, on_versions  # noqa: E402

PLINVO = modes.FOLDER + "Plinvo.exe"
KEYS = [modes.LSA001, modes.LSA_CURRENT, modes.FIREWALL]
REPORT = r"C:\reports\check.txt"
VERB_LOG = r"C:\reports\plinvo.log"
WORST = (("Blocks visitors", 2), ("Could not be checked", 3), ("Worth knowing", 1))


def run_verb(s, args):
    s.command("start", PLINVO, "args=" + args)
    return s.wait_exit(60000)


@on_versions("winxp", "vista")
def test_verbs_apply_and_check_without_a_window(h, winver):
    with modes.recording_session(h, winver, "unattended") as s:
        modes.install_with_recorders(s, h)
        os.makedirs(s.unix_path(r"C:\reports"), exist_ok=True)
        # Zendry Share through the window first (Wine's own tools run only once it has shown).
        check_equal(modes.start(s), [], "boxes at start-up")
        for mode in (0, 1):
            result, _ = modes.apply_mode(s, mode)
            s.answer("OK", result)
            settings = modes.wait_settings(s, mode)
        s.command("close", modes.CAPTION)
        check_equal(s.wait_exit(15000), 0, "exit code of the window")
        interactive = modes.exported_values(s, KEYS)
        check_equal(interactive.get((modes.LSA_CURRENT.lower(), "forceguest")), "dword:00000001",
                    "forceguest after Zendry Share")
        starts = len(modes.recorded(s))

        check_equal(run_verb(s, "/ApplyShareMode:Zendy /Log:" + VERB_LOG), 87, "misspelt verb")
        check_equal(modes.recorded(s)[starts:], [], "no tool ran")
        check_equal(modes.exported_values(s, KEYS), interactive, "registry after it")
        check_equal(s.read_text(modes.FOLDER + "config.ini"), settings, "config.ini")
        check("\"Zendy\" is not a share mode" in s.read_text(VERB_LOG), "the log says why")

        # From another mode, as the window did.
        check_equal(run_verb(s, "/ApplyShareMode:Stop"), 0, "Stop Share")
        starts = len(modes.recorded(s))
        check_equal(run_verb(s, "/applysharemode:zendry /Log:" + VERB_LOG), 0, "Zendry Share")
        check_equal(s.msgboxes(), [], "boxes of the verbs")
        modes.wait_settings(s, 1)
        check_equal([line for _, line in modes.recorded(s)[starts:]], modes.LAUNCHES[1],
                    "launches")
        check_equal(modes.exported_values(s, KEYS), interactive, "registry after the verb")
        check("Exit code 0." in s.read_text(VERB_LOG), "the log ends with the code")

        answer = run_verb(s, "/CheckSharing /Report:" + REPORT)
        report = s.read_text(REPORT)
        check(report.startswith("Plinvo sharing check\r\n"), "report: %r" % report)
        table = s.read_text(r"C:\reports\check.tsv")
        rows = [line.split("\t") for line in table.split("\r\n")[:-1]]
        check_equal(len(rows), report.count("\r\n  Needed: "), "one table line per row")
        check(all(len(row) == 4 and "[%s] %s" % (row[1], row[0]) in report for row in rows),
              "table: %r" % table)
        statuses = [row[1] for row in rows]
        check_equal(answer, next((code for status, code in WORST if status in statuses), 0),
                    "exit code of the check for %s" % statuses)
