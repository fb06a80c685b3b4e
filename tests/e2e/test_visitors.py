"""What visitors with newer Windows need: the sharing check's row about it on each Windows, its
Fix on Windows XP (the Server service's offer to sign, read back from Wine's registry), and the
instructions for visitors on the clipboard.
"""

import subprocess
import time

from e2e import Session, check, check_equal, control_ids, on_versions, wine_env

IDS = control_ids()
CAPTION = "Plinvo"
CHECK = "Sharing Check"
FOLDER = Session.PROGRAM_FOLDER + "\\"
DATA = r"C:\shares.txt"
SERVER = r"HKLM\SYSTEM\CurrentControlSet\Services\LanmanServer\Parameters"
ROW = "Visitors with newer Windows"


def rows_when_done(s, seconds=60):
    """The rows once the check has run to its end ("Check Again" enabled again)."""
    deadline = time.time() + seconds
    while time.time() < deadline:
        if s.flag("is-enabled", CHECK, IDS["m_btnCheckAgain"]):
            return s.list_rows(CHECK, IDS["m_listChecks"])
        time.sleep(0.05)
    check(False, "the check did not finish")


def clipboard_text(s, start):
    """The clipboard's text once it starts with `start` (the click is posted), or None."""
    for _ in range(100):
        status, fields = s.try_command("clipboard-text")
        if status == "ok" and fields[0].startswith(start):
            return fields[0]
        time.sleep(0.05)
    return None


@on_versions("winxp", "vista")
def test_newer_windows_row_its_signing_fix_and_the_instructions(h, winver):
    with Session(h, winver, user="Administrator", name="visitors", overrides="netapi32=n,b",
                 env={"PLINVO_NETAPI_DATA": DATA}) as s:
        s.install()
        s.put_file(h.double("netapi32.dll"), r"C:\windows\system32\netapi32.dll")
        s.write_text(DATA, "share\tdocs\tC:\\docs\t3\tTrelbane Plinvo\n")
        # Normal Share recorded as applied.
        s.write_text(FOLDER + "config.ini", "[ShareMode]\r\nMode=2\r\n")
        s.start(FOLDER + "Plinvo.exe")
        check_equal([b.text for b in s.boxes_until_window(CAPTION)], [], "boxes at start-up")
        s.command("menu", CAPTION, IDS["menuCheckSharing"])
        s.wait_window(CHECK)
        rows = rows_when_done(s)
        row = [r for r in rows if r[0] == ROW]
        xp = winver == "winxp"
        check_equal(row, [[ROW, "Windows XP: SMB 1 only, no signing" if xp
                           else "Windows Vista: SMB 2, signing offered",
                           "what Windows 10 and 11 visitors need"]], "the row")
        s.command("list-select", CHECK, IDS["m_listChecks"], rows.index(row[0]))
        explanation = s.text(CHECK, IDS["m_memoExplanation"])
        check(explanation.startswith("Blocks visitors: Windows XP, which runs on " if xp else
                                     "Worth knowing: Windows Vista, which runs on "),
              "explanation: %r" % explanation)
        check_equal(s.flag("is-enabled", CHECK, IDS["m_btnFix"]), xp, "Fix")
        if xp:
            s.command("click", CHECK, IDS["m_btnFix"])
            done = s.wait_msgbox()
            check_equal(done.seen(), (CAPTION, "information",
                                      "The Server service now offers signing to visitors.\n\n"
                                      "You need to RESTART this computer to take effect!",
                                      ["OK"]), "Fix's result")
            s.answer("OK", done)
            rows = rows_when_done(s)
            check_equal([r[1] for r in rows if r[0] == ROW],
                        ["Windows XP: SMB 1 only, signing offered"], "the row after Fix")
            out = subprocess.run(["wine", "reg", "query", SERVER, "/v", "enablesecuritysignature"],
                                 env=wine_env(s.prefix), capture_output=True).stdout
            check(b"REG_DWORD" in out and b"0x1" in out, "the value after Fix: %r" % out)

        s.command("click", CHECK, IDS["m_btnCopyInstructions"])
        text = clipboard_text(s, "How to open the shared folders of ")
        check(text is not None, "no instructions on the clipboard")
        print(text)
        computer = text.split("\r\n", 1)[0].rsplit(" ", 1)[1]
        for part in ("   \\\\%s\r\n" % computer, "   \\\\%s\\docs\r\n" % computer,
                     "3. Account: Normal Share lets visitors into %s with an account" % computer,
                     "SMB 1.0/CIFS Client" if xp else "(SMB 2)"):
            check(part in text, "the instructions lack %r" % part)
        check_equal(s.text(CHECK, IDS["m_labelCheckStatus"]),
                    "Instructions copied to the clipboard.", "status line")
        s.screenshot(CHECK, "sharing-check-visitors")
        s.command("key", CHECK, "escape")
        s.command("wait-gone", CHECK, 5000)
        check_equal(s.msgboxes(), [], "boxes after closing the check")
