"""What visitors with newer Windows need: the sharing check's row on each Windows, its Fix on
Windows XP read back from Wine's registry, and the instructions for visitors on the clipboard
(Alt+I, the access key of "Copy Instructions for Visitors").
"""

import time

from e2e import Session, check, check_equal, control_ids, on_versions, run_wine

IDS = control_ids()
CHECK = "Sharing Check"
FOLDER = Session.PROGRAM_FOLDER + "\\"
ROW = "Visitors with newer Windows"


def row_when_done(s):
    """Its index and the row once the check has run to its end ("Check Again" enabled)."""
    for _ in range(1200):
        if s.flag("is-enabled", CHECK, IDS["m_btnCheckAgain"]):
            rows = [r[0] for r in s.list_rows(CHECK, IDS["m_listChecks"])]
            return rows.index(ROW), s.list_rows(CHECK, IDS["m_listChecks"])[rows.index(ROW)]
        time.sleep(0.05)
    check(False, "the check did not finish")


@on_versions("winxp", "vista")
def test_newer_windows_row_its_signing_fix_and_the_instructions(h, winver):
    with Session(h, winver, user="Administrator", name="visitors", overrides="netapi32=n,b",
                 env={"PLINVO_NETAPI_DATA": r"C:\shares.txt"}) as s:
        s.install()
        s.put_file(h.double("netapi32.dll"), r"C:\windows\system32\netapi32.dll")
        s.write_text(r"C:\shares.txt", "share\tdocs\tC:\\docs\t3\tTrelbane Plinvo\n")
        s.write_text(FOLDER + "config.ini", "[ShareMode]\r\nMode=2\r\n")  # Normal Share
        s.start(FOLDER + "Plinvo.exe")
        check_equal([b.text for b in s.boxes_until_window("Plinvo")], [], "boxes at start-up")
        s.command("menu", "Plinvo", IDS["menuCheckSharing"])
        s.wait_window(CHECK)
        xp = winver == "winxp"
        index, row = row_when_done(s)
        check_equal(row[1:], ["Windows XP: SMB 1 only, no signing" if xp else
                              "Windows Vista: SMB 2, signing offered",
                              "what Windows 10 and 11 visitors need"], "the row")
        s.command("list-select", CHECK, IDS["m_listChecks"], index)
        check_equal(s.flag("is-enabled", CHECK, IDS["m_btnFix"]), xp, "Fix")
        if xp:
            s.command("click", CHECK, IDS["m_btnFix"])
            check_equal(s.wait_msgbox().seen(), (
                "Plinvo", "information", "The Server service now offers signing to visitors.\n\n"
                "You need to RESTART this computer to take effect!", ["OK"]), "Fix's result")
            s.answer("OK")
            check_equal(row_when_done(s)[1][1], "Windows XP: SMB 1 only, signing offered",
                        "the row after Fix")
            out = run_wine(s.prefix, ["reg", "query", r"HKLM\SYSTEM\CurrentControlSet"
                                      r"\Services\LanmanServer\Parameters", "/v",
                                      "enablesecuritysignature"]).stdout
            check(b"REG_DWORD" in out and b"0x1" in out, "the value after Fix: %r" % out)

        s.command("key", CHECK, "i", "alt")  # the button's access key
        text = s.clipboard_text_starting("How to open the shared folders of ")
        check(text is not None, "no instructions on the clipboard")
        computer = text.split("\r\n", 1)[0].rsplit(" ", 1)[1]
        for part in ("\r\n   \\\\%s\r\n" % computer, "\r\n   \\\\%s\\docs\r\n" % computer,
                     "3. Account: Normal Share lets visitors into %s with an account" % computer,
                     "SMB 1.0/CIFS Client" if xp else "(SMB 2)"):
            check(part in text, "the instructions lack %r: %r" % (part, text))
        check_equal(s.text(CHECK, IDS["m_labelCheckStatus"]),
                    "Instructions copied.", "status line")
        s.screenshot(CHECK, "sharing-check-visitors")
