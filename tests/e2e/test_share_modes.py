"""Share modes: the start-up preparation, picking a mode, "Apply" with each recipe read back
from Wine's registry, the settings file, Cancel, and the mode restored at the next start.

The system tools and "myright.exe" are replaced by a recording stand-in
(doubles/command_recorder.c), so the tests see every command line exactly as the program
handed it over; a stand-in planted as C:\\Program.exe must never run.
"""

import glob
import os
import re
import time

from e2e import Session, check, check_equal, control_ids, on_versions, run_wine

IDS = control_ids()
CAPTION = "Plinvo"
FOLDER = Session.PROGRAM_FOLDER + "\\"
LOG = r"C:\recorder.log"
SCRIPT_COPY = r"C:\script-copy.vbs"
FOLDER_SWAP = r"C:\folder-swap.log"
EXIT_CODES = r"C:\recorder-exit.txt"

SCRIPT = ("On Error Resume Next\r\n"
          "strComputer = \".\"\r\n"
          "Set objWMIService = GetObject(\"winmgmts:\\\\\" & strComputer & \"\\root\\cimv2\")\r\n"
          "Set colNetCards = objWMIService.ExecQuery _\r\n"
          "    (\"Select * From Win32_NetworkAdapterConfiguration Where IPEnabled = True\")\r\n"
          "For Each objNetCard in colNetCards\r\n"
          "    objNetCard.SetTCPIPNetBIOS(1)\r\n"
          "Next")

LSA001 = r"HKLM\SYSTEM\ControlSet001\Control\Lsa"
LSA_CURRENT = r"HKLM\SYSTEM\CurrentControlSet\Control\Lsa"
FIREWALL = (r"HKLM\System\CurrentControlSet\Services\SharedAccess\Parameters"
            r"\FirewallPolicy\StandardProfile")
PORTS = FIREWALL + r"\GloballyOpenPorts\List"

MESSAGES = {
    0: "Share mode changed OK! Visitors can't access your shared folder Now!",
    1: ("Share mode changed OK! Now visitors can access your shared folder very easy!\n\n\n"
        "You need to RESTART this computer to take effect!"),
    2: ("Share mode changed OK! Now visitors can access your shared folder in normal way!\n\n\n"
        "You need to RESTART this computer to take effect!"),
}
MYRIGHT = '"' + FOLDER + 'myright.exe" -u Guest '
LAUNCHES = {
    0: [],
    1: [MYRIGHT + "+r SeNetworkLogonRight", MYRIGHT + "-r SeDenyNetworkLogonRight",
        "net user Guest /active:yes "],
    2: [MYRIGHT + "-r SeNetworkLogonRight", MYRIGHT + "+r SeDenyNetworkLogonRight"],
}


def expected_values(mode):
    status = "Disabled" if mode == 0 else "Enabled"
    values = {
        (LSA001, "restrictanonymous"): ("REG_DWORD", "0x1" if mode == 0 else "0x0"),
        (LSA_CURRENT, "restrictanonymous"): ("REG_DWORD", "0x1" if mode == 0 else "0x0"),
        (LSA001, "limitblankpassworduse"): ("REG_DWORD", "0x0" if mode == 1 else "0x1"),
        (LSA_CURRENT, "limitblankpassworduse"): ("REG_DWORD", "0x0" if mode == 1 else "0x1"),
        (FIREWALL, "EnableFirewall"): ("REG_DWORD", "0x1"),
        (FIREWALL, "DoNotAllowExceptions"): ("REG_DWORD", "0x0"),
        (FIREWALL, "DisableNotifications"): ("REG_DWORD", "0x0"),
    }
    for port, protocol, resource in (("139", "TCP", "22004"), ("445", "TCP", "22005"),
                                     ("137", "UDP", "22001"), ("138", "UDP", "22002")):
        name = "%s:%s" % (port, protocol)
        values[(PORTS, name)] = ("REG_SZ", "%s:LocalSubNet:%s:@xpsp2res.dll,-%s" % (
            name, status, resource))
    if mode in (1, 2):
        values[(LSA_CURRENT, "forceguest")] = ("REG_DWORD", "0x1" if mode == 1 else "0x0")
    return values


# ---- the stand-in and the session around it ----

def recording_session(h, winver, name, **env):
    env.update({"RECORDER_LOG": LOG, "RECORDER_SCRIPT_COPY": SCRIPT_COPY,
                "RECORDER_FOLDER_SWAP": FOLDER_SWAP, "RECORDER_EXIT": EXIT_CODES})
    return Session(h, winver, user="Administrator", name=name,
                   overrides="sc.exe,net.exe,cscript.exe=n", env=env)


def install_with_recorders(s, h):
    """Installs the program with every tool it starts replaced by the recorder."""
    s.install()
    for path in (r"C:\windows\system32\sc.exe", r"C:\windows\system32\net.exe",
                 r"C:\windows\system32\cscript.exe", FOLDER + "myright.exe", r"C:\Program.exe"):
        s.put_file(h.double("command_recorder.exe"), path)


def recorded(s):
    """[(program file, command line)] of every start so far."""
    lines = (s.read_text(LOG) or "").splitlines()
    return [tuple(line.split("\t", 1)) for line in lines if "\t" in line]


def records_file(s, name):
    """The newest file `name` in Plinvo's own folders under the data folder of all users (Wine's
    C:\\ProgramData), as a Unix path, or None."""
    found = glob.glob(os.path.join(s.unix_path(r"C:\ProgramData"), "Plinvo*", name))
    return max(found, key=os.path.getmtime) if found else None


def wait_settings(s, mode, seconds=10):
    """Waits until config.ini holds exactly `mode` and, in Plinvo's own folder, the moment of
    the change (seconds since 1970, which must be now); fails otherwise. Returns config.ini."""
    expected = "[ShareMode]\r\nMode=%d\r\n" % mode
    deadline = time.time() + seconds
    text = None
    while time.time() < deadline:
        text = s.read_text(FOLDER + "config.ini")
        changed = records_file(s, "last-change.txt")
        if text == expected and changed:
            with open(changed, "rb") as f:
                stamp = f.read().decode("latin-1")
            check(re.fullmatch(r"\d+\r\n", stamp) and abs(int(stamp) - time.time()) < 120,
                  "change time %r is not now" % stamp)
            return text
        time.sleep(0.2)
    check(False, "settings file for mode %d: %r" % (mode, text))


def registry_value(s, key, name):
    """(type, data) of a value in the running prefix's registry, or None."""
    out = run_wine(s.prefix, ["reg", "query", key, "/v", name]).stdout.decode("latin-1")
    for line in out.splitlines():
        parts = line.split()
        if len(parts) >= 3 and parts[0].lower() == name.lower():
            return parts[1], " ".join(parts[2:])
    return None


def start(s):
    s.command("start", FOLDER + "Plinvo.exe")
    return [b.seen() for b in s.boxes_until_window(CAPTION)]


def selected_mode(s):
    checked = [i for i in range(3) if s.flag("is-checked", CAPTION,
                                             IDS["m_radiosModeFirstOption"] + i)]
    return checked[0] if len(checked) == 1 else (-1 if not checked else checked)


def apply_mode(s, mode, answer="OK"):
    """Picks `mode`, presses "Apply" and answers the question; returns the result box (or
    None after Cancel) together with the settings file as it stood while that box was up."""
    s.command("click", CAPTION, IDS["m_radiosModeFirstOption"] + mode)
    s.command("click", CAPTION, IDS["m_btnApply"])
    question = s.wait_msgbox()
    check_equal(question.seen(),
                (CAPTION, "question", "Want to change share mode?", ["OK", "Cancel"]),
                "confirmation")
    s.answer(answer, question)
    if answer != "OK":
        return None, None
    result = s.wait_msgbox(60000)
    settings_meanwhile = s.read_text(FOLDER + "config.ini")
    return result, settings_meanwhile


# ---- the tests ----

@on_versions("winxp", "vista")
def test_start_up_prepares_the_network_in_a_private_folder(h, winver):
    with recording_session(h, winver, "prepare") as s:
        install_with_recorders(s, h)
        check_equal(start(s), [], "boxes at start-up")
        starts = recorded(s)
        lines = [line for _, line in starts]
        check_equal(sorted(lines[:2]), ["sc config Browser start= AUTO", "sc start Browser"],
                    "service commands first")
        check_equal(len(lines), 3, "commands at start-up: %r" % lines)
        match = re.match(r'^Cscript\.exe "(.*\\Plinvo-\d+\\netbios\.vbs)"$', lines[2])
        check(match is not None, "script command: %r" % lines[2])
        # Not the temporary folder of the user who started the program: Wine lets that user
        # change the Windows folder too, so its Temp is as safe as it gets there.
        check(match.group(1).lower().startswith("c:\\windows\\temp\\plinvo-"),
              "script folder: %r" % match.group(1))
        script_path = match.group(1)
        check(starts[2][0].lower().endswith(r"\system32\cscript.exe"), "script host: %r"
              % (starts[2][0],))
        check_equal(s.read_text(SCRIPT_COPY), SCRIPT, "the script as the host read it")
        check_equal(s.read_text(FOLDER_SWAP), "refused\n",
                    "another program moving the script's folder away while it is in use")
        if script_path[:2].upper() == "C:":
            folder = os.path.dirname(s.unix_path(script_path))
            check(not os.path.exists(folder), "private folder left behind: " + script_path)
        check(not any("Program.exe" in program for program, _ in starts), "C:\\Program.exe ran")
        check(selected_mode(s) == 2, "no settings file: Normal Share selected")
        check(s.text(CAPTION, IDS["m_memoTip"]) not in ("", "Desc."), "description shown")
        s.screenshot(CAPTION, "share-mode-start")


@on_versions("winxp", "vista")
def test_apply_each_mode(h, winver):
    with recording_session(h, winver, "apply", WINEDEBUG=Session.EVENT_TRACE) as s:
        install_with_recorders(s, h)
        check_equal(start(s), [], "boxes at start-up")
        descriptions = {}
        settings = None
        for mode in (1, 0, 2):
            before = len(recorded(s))
            result, meanwhile = apply_mode(s, mode)
            descriptions[mode] = s.text(CAPTION, IDS["m_memoTip"])
            check_equal(result.seen(), (CAPTION, "information", MESSAGES[mode], ["OK"]),
                        "result of mode %d" % mode)
            check_equal(meanwhile, settings, "settings file while the result is shown")
            s.screenshot(CAPTION, "share-mode-%d-applied" % mode)
            s.answer("OK", result)
            settings = wait_settings(s, mode)
            check_equal([line for _, line in recorded(s)[before:]], LAUNCHES[mode],
                        "launches of mode %d" % mode)
            for (key, name), value in sorted(expected_values(mode).items()):
                check_equal(registry_value(s, key, name), value, "%s\\%s" % (key, name))
            if mode == 0:
                # Stop Share leaves forceguest as the Zendry Share before it set it.
                check_equal(registry_value(s, LSA_CURRENT, "forceguest"), ("REG_DWORD", "0x1"),
                            "forceguest after Stop Share")
            check_equal(s.msgboxes(), [], "boxes after mode %d" % mode)
        check(len(set(descriptions.values())) == 3, "three different descriptions")
        check(not any("Program.exe" in program for program, _ in recorded(s)),
              "C:\\Program.exe ran")
        check_equal(registry_value(s, LSA_CURRENT, "forceguest"), ("REG_DWORD", "0x0"),
                    "forceguest after Normal Share")
        # Each Apply in the Application log: information 100, by whom, which mode, its steps.
        events = s.reported_events()
        check_equal([(event, kind, inserts[:2]) for event, kind, inserts in events],
                    [(100, 4, ["Administrator", name])
                     for name in ("Zendry Share", "Stop Share", "Normal Share")],
                    "events written")
        check(all(inserts[2].startswith(r"Set HKLM\\SYSTEM\\ControlSet001\\Control\\Lsa")
                  for _, _, inserts in events), "each step in the events: %s" % events)


def test_cancel_changes_nothing_and_the_mode_survives_a_restart(h):
    with recording_session(h, "winxp", "cancel-restart") as s:
        install_with_recorders(s, h)
        check_equal(start(s), [], "boxes at start-up")
        result, _ = apply_mode(s, 0)
        s.answer("OK", result)
        settings = wait_settings(s, 0)
        stop_description = s.text(CAPTION, IDS["m_memoTip"])

        starts = len(recorded(s))
        apply_mode(s, 1, answer="Cancel")
        time.sleep(1)
        check_equal(s.msgboxes(), [], "boxes after Cancel")
        check_equal(len(recorded(s)), starts, "nothing launched after Cancel")
        check_equal(registry_value(s, LSA001, "restrictanonymous"), ("REG_DWORD", "0x1"),
                    "restrictanonymous after Cancel")
        check_equal(s.read_text(FOLDER + "config.ini"), settings,
                    "settings after Cancel")
        check_equal(selected_mode(s), 1, "the unapplied pick stays on the screen")

        s.command("close", CAPTION)
        check_equal(s.wait_exit(15000), 0, "exit code")
        check_equal(start(s), [], "boxes at the second start")
        check_equal(selected_mode(s), 0, "mode restored at the next start")
        check_equal(s.text(CAPTION, IDS["m_memoTip"]), stop_description, "its description")
        s.screenshot(CAPTION, "share-mode-restored")


def test_missing_rights_tool_still_applies_and_records(h):
    with recording_session(h, "winxp", "no-myright") as s:
        install_with_recorders(s, h)
        os.remove(s.unix_path(FOLDER + "myright.exe"))
        check_equal(start(s), [], "boxes at start-up")
        before = len(recorded(s))
        result, _ = apply_mode(s, 1)
        check_equal(result.text, MESSAGES[1], "result without myright.exe")
        s.answer("OK", result)
        warning = s.wait_msgbox()
        check_equal((warning.icon, warning.text.count("could not be started")), ("warning", 2),
                    "warning after the result: %r" % warning.text)
        s.answer("OK", warning)
        wait_settings(s, 1)
        check_equal([line for _, line in recorded(s)[before:]], ["net user Guest /active:yes "],
                    "launches: only net ran (and never C:\\Program.exe)")
        check_equal(registry_value(s, LSA_CURRENT, "forceguest"), ("REG_DWORD", "0x1"),
                    "forceguest")

        # A description file gone too: the failure raised by picking its mode reaches the user
        # as the error report, its message whole, and the program goes on.
        os.remove(s.unix_path(FOLDER + "stop_share_help.rtf"))
        s.command("click", CAPTION, IDS["m_radiosModeFirstOption"])
        report = s.wait_msgbox()
        check_equal(report.seen(), (CAPTION, "error", "Cannot open file %sstop_share_help.rtf."
                                    % FOLDER, ["OK"]), "report of the missing description")
        s.answer("OK", report)
        s.command("click", CAPTION, IDS["m_radiosModeFirstOption"] + 2)
        check(s.text(CAPTION, IDS["m_memoTip"]) not in ("", "Desc."), "next description shown")


@on_versions("winxp", "vista")
def test_recorded_values_are_restored(h, winver):
    # (settings file, option selected afterwards; None: none selected, "Desc." stays)
    cases = [("[ShareMode]\r\nMode=7\r\n", 2), ("[ShareMode]\r\nMode=-3\r\n", None),
             ("[ShareMode]\r\nMode=abc\r\n", 0), ("[sharemode]\r\nmode= 1x\r\n", 1)]
    for index, (content, mode) in enumerate(cases):
        with recording_session(h, winver, "restore-%d" % index) as s:
            install_with_recorders(s, h)
            s.write_text(FOLDER + "config.ini", content)
            check_equal(start(s), [], "boxes at start-up with %r" % content)
            if mode is None:
                check_equal(selected_mode(s), -1, "selection with %r" % content)
                check_equal(s.text(CAPTION, IDS["m_memoTip"]), "Desc.", "description")
            else:
                check_equal(selected_mode(s), mode, "selection with %r" % content)


@on_versions("winxp", "vista")
def test_a_failing_tool_is_named_after_the_result(h, winver):
    with recording_session(h, winver, "tool-fails") as s:
        install_with_recorders(s, h)
        s.write_text(EXIT_CODES, "net 5\r\n")
        check_equal(start(s), [], "boxes at start-up")
        result, _ = apply_mode(s, 1)
        check_equal(result.seen(), (CAPTION, "information", MESSAGES[1], ["OK"]),
                    "the result as ever")
        s.answer("OK", result)
        wait_settings(s, 1)
        warning = s.wait_msgbox()
        check_equal(warning.seen(), (CAPTION, "warning", (
            "The share mode was changed, but not every step succeeded.\n\n"
            "\"net user Guest /active:yes\" ended with error code 5. The guest account may still "
            "be disabled: visitors may not reach your shared folders."), ["OK"]), "warning")
        s.screenshot(CAPTION, "share-mode-tool-failed")
        s.answer("OK", warning)
        check_equal(s.msgboxes(), [], "boxes after the warning")


# ---- the sharing check ----

CHECK = "Sharing Check"
NOTHING_SELECTED = "Select a row to read what it means for visitors."


def wait_check_done(s, seconds=60):
    """Waits until a check has run to its end ("Check Again" enabled, and the explanation back to
    asking for a row: a row's explanation or "Checking..." means an earlier or a running check);
    returns the seconds it took and the rows."""
    began = time.time()
    while time.time() - began < seconds:
        if (s.flag("is-enabled", CHECK, IDS["m_btnCheckAgain"])
                and s.text(CHECK, IDS["m_memoExplanation"]) == NOTHING_SELECTED):
            return time.time() - began, s.list_rows(CHECK, IDS["m_listChecks"])
        time.sleep(0.05)
    check(False, "the check did not finish")


def explanation_of(s, row):
    s.command("list-select", CHECK, IDS["m_listChecks"], row)
    return s.text(CHECK, IDS["m_memoExplanation"])


# ---- undoing a mode ----

def exported_values(s, keys):
    """{(key, value name): data} of every value under `keys` (and their sub-keys), read from
    "reg export"; a key that does not exist holds none."""
    values = {}
    for index, key in enumerate(keys):
        path = os.path.join(s.dir, "export-%d.reg" % index)
        if os.path.exists(path):
            os.remove(path)
        run_wine(s.prefix, ["reg", "export", key, s.windows_path(path), "/y"])
        if not os.path.exists(path):
            continue
        with open(path, "rb") as f:
            raw = f.read()
        text = raw.decode("utf-16") if raw[:2] == b"\xff\xfe" else raw.decode("latin-1")
        current = None
        for line in text.splitlines():
            if line.startswith("[") and line.endswith("]"):
                current = line[1:-1].lower().replace("hkey_local_machine\\", "hklm\\", 1)
            elif current is not None and line.startswith('"') and "=" in line:
                name, data = line.split("=", 1)
                values[(current, name.strip('"').lower())] = data
    return values


@on_versions("winxp", "vista")
def test_undo_after_zendry_share_gives_the_registry_back(h, winver):
    keys = [LSA001, FIREWALL]
    with Session(h, winver, user="Administrator", name="undo-mode",
                 overrides="netapi32=n,b;sc.exe,net.exe,cscript.exe=n",
                 env={"RECORDER_LOG": LOG, "PLINVO_NETAPI_DATA": r"C:\netapi.txt"}) as s:
        install_with_recorders(s, h)
        s.put_file(h.double("netapi32.dll"), r"C:\windows\system32\netapi32.dll")
        s.write_text(r"C:\netapi.txt", "user\tGuest\t0x203\n")  # disabled
        check_equal(start(s), [], "boxes at start-up")
        # A value no mode writes, so that putting it back is visible.
        run_wine(s.prefix, ["reg", "add", LSA001, "/v", "restrictanonymous", "/t", "REG_DWORD",
                            "/d", "5", "/f"])
        before = exported_values(s, keys)
        check_equal(before.get((LSA001.lower(), "restrictanonymous")), "dword:00000005",
                    "restrictanonymous before")
        result, _ = apply_mode(s, 1)
        s.answer("OK", result)
        check(exported_values(s, keys) != before, "Zendry Share changed the registry")
        s.write_text(r"C:\netapi.txt", "user\tGuest\t0x201\n")  # what "net user" did
        # Another program changes a value; the sharing check's Fix applies Zendry Share again,
        # which must leave the record of what was there before Zendry Share as it was.
        run_wine(s.prefix, ["reg", "add", LSA_CURRENT, "/v", "restrictanonymous", "/t",
                            "REG_DWORD", "/d", "1", "/f"], check=True)
        s.command("menu", CAPTION, IDS["menuCheckSharing"])
        s.wait_window(CHECK)
        wait_check_done(s)
        explanation_of(s, 0)
        s.command("click", CHECK, IDS["m_btnFix"])
        s.answer("OK", s.wait_msgbox())
        s.answer("OK", s.wait_msgbox(60000))
        wait_check_done(s)
        s.command("click", CHECK, IDS["m_btnCloseCheck"])
        s.command("wait-gone", CHECK)
        # Someone adds a program to start with Windows, and a right, to the saved settings.
        with open(records_file(s, "settings-before.txt"), "a", newline="") as f:
            f.write("value\t\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run\tUpdater\t1\t"
                    "433a5c6576696c2e65786500\nright\tSeTcbPrivilege\theld\n")

        starts = len(recorded(s))
        s.command("menu", CAPTION, IDS["menuUndoMode"])
        question = s.wait_msgbox()
        check_equal(question.icon, "question", "confirmation")
        check("- Every network visitor comes in as the guest account: not set (the value is "
              "removed)\n" in question.text, "confirmation names forceguest: %r" % question.text)
        check("- The guest account: disabled\n" in question.text, "confirmation names the guest")
        s.screenshot(CAPTION, "undo-mode-question")
        s.answer("OK", question)
        done = s.wait_msgbox(60000)
        check(done.text.startswith("The settings are back as they were. Changed back:\n"),
              "result: %r" % done.text)
        check("- Every network visitor comes in as the guest account: not set (the value is "
              "removed)\n" in done.text, "forceguest changed back: %r" % done.text)
        check_equal(done.text[done.text.index("\n\n\nYou need"):],
                    "\n\n\nYou need to RESTART this computer to take effect!\n\n"
                    "The saved settings named more than Plinvo ever changes:\n"
                    "- The value HKLM\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run\\Updater "
                    "was ignored: no share mode writes it.\n"
                    "- The right SeTcbPrivilege was ignored: no share mode grants or revokes it.",
                    "result")
        s.answer("OK", done)
        check_equal(exported_values(s, keys), before, "registry after the undo")
        check_equal(registry_value(s, LSA_CURRENT, "forceguest"), None, "forceguest after it")
        check_equal(registry_value(s, r"HKLM\SOFTWARE\Microsoft\Windows\CurrentVersion\Run",
                                   "Updater"), None, "the added Run entry")
        check_equal([line for _, line in recorded(s)[starts:]], ["net user Guest /active:no"],
                    "the guest account switched off again")
        check_equal(selected_mode(s), -1, "no mode shown as applied")
        wait_settings(s, -1)  # no mode, and when the settings went back


def test_uninstaller_restore_runs_silently_before_any_start_up_step(h):
    with recording_session(h, "winxp", "silent-restore") as s:
        install_with_recorders(s, h)
        s.command("start", FOLDER + "Plinvo.exe", "args=/RestoreWindowsSettings")
        check_equal(s.wait_exit(30000), 0, "exit code with nothing to restore")
        check_equal(recorded(s), [], "no start-up step ran")

        check_equal(start(s), [], "boxes at start-up")
        result, _ = apply_mode(s, 1)
        s.answer("OK", result)
        s.command("close", CAPTION)
        check_equal(s.wait_exit(15000), 0, "exit code of the program")
        starts = len(recorded(s))
        s.command("start", FOLDER + "Plinvo.exe", "args=/RestoreWindowsSettings")
        # Wine keeps no access lists, so a record written by an earlier run cannot be shown to
        # be the administrators' own: it is refused, and nothing changes.
        check_equal(s.wait_exit(30000), 1, "exit code with a record that cannot be trusted")
        check_equal(len(recorded(s)), starts, "no tool ran")
        check_equal(registry_value(s, LSA_CURRENT, "forceguest"), ("REG_DWORD", "0x1"),
                    "forceguest left as Zendry Share set it")


# XP only: the service and its start type are the same on both versions, and under Wine's Vista
# setting, a service made with Wine's own tool just before the program starts now and then left
# Wine's process creation of the program hanging (once in four runs).
@on_versions("winxp")
def test_restore_puts_back_how_the_computer_browser_started(h, winver):
    with recording_session(h, winver, "restore-browser") as s:
        install_with_recorders(s, h)
        # Wine has no Computer Browser service: Wine's own service tool makes one, started on
        # demand, before Plinvo first starts; after the start-up, one that starts automatically
        # stands for what "sc config" did (Wine's tool cannot change a service).
        def make_browser(start_type):
            for command in (["delete", "Browser"],
                            ["create", "Browser", "binpath=", r"C:\windows\system32\notepad.exe",
                             "start=", start_type]):
                done = run_wine(s.prefix, ["sc"] + command, timeout=120)
            check_equal(done.returncode, 0, "service made: %r" % done.stdout)
        make_browser("demand")
        check_equal(start(s), [], "boxes at start-up")
        check_equal(recorded(s)[0][1], "sc config Browser start= AUTO", "the start-up's command")
        make_browser("auto")

        starts = len(recorded(s))
        s.command("menu", CAPTION, IDS["menuRestoreSettings"])
        question = s.wait_msgbox()
        line = "- The Computer Browser service starts: when asked (manually)\n"
        check(line in question.text, "the question names the service: %r" % question.text)
        s.answer("OK", question)
        done = s.wait_msgbox(60000)
        check_equal(done.text, "The settings are back as they were. Changed back:\n" + line +
                    "\n\nYou need to RESTART this computer to take effect!", "result")
        check_equal([command for _, command in recorded(s)[starts:]],
                    ["sc config Browser start= demand"], "the service set back")


@on_versions("winxp", "vista")
def test_sharing_check_finds_a_changed_value_and_fix_applies_the_mode_again(h, winver):
    with recording_session(h, winver, "check") as s:
        install_with_recorders(s, h)
        check_equal(start(s), [], "boxes at start-up")
        result, _ = apply_mode(s, 1)
        s.answer("OK", result)
        wait_settings(s, 1)
        # Another program sets a value Zendry Share wrote back.
        run_wine(s.prefix, ["reg", "add", LSA_CURRENT, "/v", "restrictanonymous", "/t",
                            "REG_DWORD", "/d", "1", "/f"], check=True)

        s.command("menu", CAPTION, IDS["menuCheckSharing"])
        s.wait_window(CHECK)
        seconds, rows = wait_check_done(s)
        print("sharing check under Wine (%s): %.2f s for %d rows" % (winver, seconds, len(rows)))
        check_equal(rows[0], ["Settings of Zendry Share", "1 of 12 values changed",
                              "the 12 values Zendry Share writes"], "the drift row")
        check_equal([row[0] for row in rows[1:3]], ["Restart after applying", "Server service"],
                    "the rows after it")
        check(not s.flag("is-enabled", CHECK, IDS["m_btnFix"]), "Fix before a row is chosen")
        explanation = explanation_of(s, 0)
        check(explanation.startswith("Blocks visitors: Another program, a policy or a Windows "
                                     "update has changed settings that Zendry Share wrote"),
              "explanation: %r" % explanation)
        check("SYSTEM\\CurrentControlSet\\Control\\Lsa\\restrictanonymous is 1, needs 0"
              in explanation, "the changed value named: %r" % explanation)
        s.screenshot(CHECK, "sharing-check")

        check(s.flag("is-enabled", CHECK, IDS["m_btnFix"]), "Fix for the drift row")
        s.command("click", CHECK, IDS["m_btnFix"])
        question = s.wait_msgbox()
        check_equal(question.seen(),
                    (CAPTION, "question", "Want to change share mode?", ["OK", "Cancel"]),
                    "Fix asks as Apply does")
        s.answer("OK", question)
        result = s.wait_msgbox(60000)
        check_equal(result.seen(), (CAPTION, "information", MESSAGES[1], ["OK"]), "Fix's result")
        s.answer("OK", result)
        _, rows = wait_check_done(s)
        # The check stays in front and modal: the menu's command reaching the main window all
        # the same opens no second one.
        check_equal(s.command("foreground")[1], CHECK, "window in front after Fix")
        s.command("menu", CAPTION, IDS["menuCheckSharing"])
        s.command("sleep", 500)
        check_equal([w[3] for w in s.windows() if w[2]].count(CHECK), 1, "checks open")
        check_equal(rows[0][1], "all 12 as applied", "the drift row after Fix")
        check(explanation_of(s, 0).startswith("Holds: "), "the drift row holds after Fix")
        check_equal(registry_value(s, LSA_CURRENT, "restrictanonymous"), ("REG_DWORD", "0x0"),
                    "restrictanonymous after Fix")

        s.command("click", CHECK, IDS["m_btnCopyReport"])
        report = s.clipboard_text_starting("Plinvo")
        check(report is not None, "no report on the clipboard")
        print(report)
        check(report.startswith("Plinvo sharing check\r\nComputer: "), "report: %r" % report[:80])
        check("\r\nShare mode: Zendry Share\r\n" in report, "the report names the mode")
        check("[Holds] Settings of Zendry Share\r\n  Found: all 12 as applied\r\n" in report,
              "the report holds the rows: %r" % report)
        s.command("click", CHECK, IDS["m_btnCloseCheck"])
        s.command("wait-gone", CHECK)
        check_equal(s.msgboxes(), [], "boxes after closing the check")


@on_versions("winxp", "vista")
def test_sharing_check_counts_refused_visitors_and_check_again_shows_more(h, winver):
    data = r"C:\netapi.txt"
    with Session(h, winver, user="Administrator", name="refused",
                 overrides="netapi32=n,b;sc.exe,net.exe,cscript.exe=n",
                 env={"RECORDER_LOG": LOG, "PLINVO_NETAPI_DATA": data}) as s:
        install_with_recorders(s, h)
        s.put_file(h.double("netapi32.dll"), r"C:\windows\system32\netapi32.dll")
        started = int(time.time()) - 3 * 3600 - 30
        s.write_text(data, "statistics\t%d\t1\t0\t5\n" % started)
        check_equal(start(s), [], "boxes at start-up")
        s.command("menu", CAPTION, IDS["menuCheckSharing"])
        s.wait_window(CHECK)
        _, rows = wait_check_done(s)
        # Wine's audit policy records no failed logons (and its event log cannot be read).
        refused = [row[0] for row in rows].index("Refused visitors")
        check_equal(rows[refused:refused + 2],
                    [["Refused visitors", "1 for password, 0 for rights", "no refusals"],
                     ["Failed network logons", "not recorded (auditing off)", "no failed logons"]],
                    "the rows of what the server saw")
        explanation = explanation_of(s, refused)
        check(explanation.startswith("Worth knowing: Since the Server service started 3 hours "
                                     "ago, it has refused 1 logon for a wrong password and 0 "
                                     "requests for missing rights, and opened 5 sessions."),
              "explanation: %r" % explanation)
        check(explanation_of(s, refused + 1).startswith(
            "Worth knowing: Windows writes refused visitors into its security log only while"),
            "the auditing row")

        # Two more wrong passwords and a refusal for rights from the other computer.
        s.write_text(data, "statistics\t%d\t3\t1\t5\n" % started)
        s.command("click", CHECK, IDS["m_btnCheckAgain"])
        _, rows = wait_check_done(s)
        check_equal(rows[refused][1], "3 for password, 1 for rights, 3 new", "after Check Again")
        explanation = explanation_of(s, refused)
        check(explanation.startswith("Worth knowing: 2 more refused for a wrong password since "
                                     "you opened this check. 1 more refused for missing rights "
                                     "since you opened this check. Since"),
              "explanation after Check Again: %r" % explanation)
        s.screenshot(CHECK, "sharing-check-refused")
        s.command("click", CHECK, IDS["m_btnCloseCheck"])
        s.command("wait-gone", CHECK)
