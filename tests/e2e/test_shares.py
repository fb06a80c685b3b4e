"""Shares and sessions: the shared-folder list, "Stop Share", the new-share dialog on XP and on
Vista, and the session list.

Wine's share service has no shares and no sessions, so the program gets a test build of the
service (doubles/netapi32.c, put in the system folder and preferred through a DLL override: the
program loads the share service by its full system path only) that serves
them from a file the test writes and logs every call; "net.exe" and "cscript.exe" are copies of
a recording stand-in (doubles/command_recorder.c) that answers with a scripted exit code. A
successful "net share" adds its share to the service's file, as the system would.
"""

import ntpath
import os

from e2e import Session, check, check_equal, check_eventually, control_ids, on_versions

IDS = control_ids()
CAPTION = "Plinvo"
DIALOG = "New Zendry Share-Dialog"
FOLDER = Session.PROGRAM_FOLDER + "\\"
DATA = r"C:\shares.txt"
NETAPI_LOG = r"C:\netapi.log"
TOOL_LOG = r"C:\tools.log"
TOOL_EXIT = r"C:\tools-exit.txt"
NEED_BOTH = "Please select a directory to share and input a share name for the directory!"

SHARES = [("IPC$", "<null>", 0, "Remote IPC"),
          ("docs", r"C:\docs", 3, "Trelbane Plinvo"),
          ("ADMIN$", r"C:\windows", 0, "Remote Admin"),
          ("music", r"C:\music", 0, ""),
          ("C$", "C:\\", 1, "Default share")]
SESSIONS = [("\\\\PC1", "alice", 3600, 59), ("\\\\PC2", "", 360000, 4294967295)]


# ---- the doubles and the session around them ----

def shares_session(h, winver, name):
    return Session(h, winver, user="Administrator", name=name,
                   overrides="netapi32=n,b;net.exe,cscript.exe=n",
                   env={"PLINVO_NETAPI_DATA": DATA, "PLINVO_NETAPI_LOG": NETAPI_LOG,
                        "RECORDER_LOG": TOOL_LOG, "RECORDER_EXIT": TOOL_EXIT})


def write(s, windows_path, text):
    s.write_text(windows_path, text, "utf-8")


def read_lines(s, windows_path):
    return (s.read_text(windows_path, "utf-8") or "").splitlines()


def put_computer(s, shares=(), sessions=(), extra=()):
    lines = ["share\t%s\t%s\t%d\t%s" % share for share in shares]
    lines += ["session\t%s\t%s\t%d\t%d" % session for session in sessions]
    write(s, DATA, "".join(line + "\n" for line in list(lines) + list(extra)))


def start(s, h):
    """Installs the program with the doubles, starts it and waits for the main window."""
    s.install()
    s.put_file(h.double("netapi32.dll"), r"C:\windows\system32\netapi32.dll")
    for tool in ("net", "cscript"):
        s.put_file(h.double("command_recorder.exe"), r"C:\windows\system32\%s.exe" % tool)
    s.start(FOLDER + "Plinvo.exe")
    boxes = s.boxes_until_window(CAPTION)
    check_equal([b.text for b in boxes], [], "boxes at start-up")


def netapi_calls(s, function):
    return [line.split("\t")[1:] for line in read_lines(s, NETAPI_LOG)
            if line.split("\t")[0] == function]


def check_buffers_released(s):
    handed = [call[5] for function in ("NetShareEnum", "NetSessionEnum", "NetFileEnum")
              for call in netapi_calls(s, function) if call[5] != "0"]
    handed += [call[3] for function in ("NetShareGetInfo", "NetUserGetInfo")
               for call in netapi_calls(s, function) if call[3] != "0"]
    freed = [call[0] for call in netapi_calls(s, "NetApiBufferFree")]
    check_equal(sorted(freed, key=int), sorted(handed, key=int), "buffers released")


def tools(s):
    """[(tool, command line)] of every start of "net" and "cscript" but the start-up script."""
    starts = [line.split("\t", 1) for line in read_lines(s, TOOL_LOG)]
    return [(ntpath.splitext(ntpath.basename(program))[0].lower(), command)
            for program, command in starts if "netbios" not in command.lower()]


def folder_rows(s):
    return s.list_rows(CAPTION, IDS["m_listviewFolders"])


def box(s):
    b = s.wait_msgbox()
    s.answer("OK", b)
    return b.seen()


# ---- the shared-folder list and "Stop Share" ----

@on_versions("winxp", "vista")
def test_shared_folder_list_and_stop_share(h, winver):
    with shares_session(h, winver, "shares-list") as s:
        s.install()
        put_computer(s, SHARES)
        start(s, h)
        s.command("select-tab", CAPTION, IDS["pgc1"], 1)
        columns = s.list_columns(CAPTION, IDS["m_listviewFolders"])
        check_equal([caption for caption, _ in columns],
                    ["Share Name", "Folder Path", "# of Connections", "Description"], "columns")
        # As designed, but that a column grows to a caption its font draws wider.
        widths = [width for _, width in columns]
        check_equal(widths[:2] + widths[3:], [150, 250, 250], "column widths")
        check(120 <= widths[2] <= 130, "width of \"# of Connections\": %d" % widths[2])
        expected = [["C$", "C:\\", "1", "Default share"],
                    ["ADMIN$", r"C:\windows", "0", "Remote Admin"],
                    ["IPC$", "", "0", "Remote IPC"],
                    ["docs", r"C:\docs", "3", "Trelbane Plinvo"],
                    ["music", r"C:\music", "0", ""]]
        check_equal(folder_rows(s), expected, "rows filled at start-up")
        check_equal([c[:3] for c in netapi_calls(s, "NetShareEnum")],
                    [["502", "4294967295", "0"]], "enumeration at start-up")
        s.screenshot(CAPTION, "shared-folders")
        check_equal(s.command("hover", CAPTION, IDS["m_listviewFolders"]),
                    ["The Share Names ended with '$' are used by MS-Windows itself, so don't "
                     "stop share them!"], "hint of the list")

        s.command("click", CAPTION, IDS["m_btnFolderStopShare"])
        check_equal(box(s), (CAPTION, "information", "Please select a folder first!", ["OK"]),
                    "Stop Share with nothing selected")
        check_equal(netapi_calls(s, "NetShareDel"), [], "nothing stopped")

        s.command("keys", CAPTION, IDS["m_listviewFolders"], "Do")
        check_equal(s.command("list-selection", CAPTION, IDS["m_listviewFolders"]), ["3"],
                    "row found by typing its first letters")
        s.command("list-select", CAPTION, IDS["m_listviewFolders"], 4)  # "music"
        s.command("click", CAPTION, IDS["m_btnFolderStopShare"])
        check_equal(box(s), (CAPTION, "information", "stop share the selected  folder OK!",
                             ["OK"]), "Stop Share")
        check_equal(netapi_calls(s, "NetShareDel"), [["music", "0"]], "share stopped")
        check_eventually(lambda: folder_rows(s), expected[:4], "rows after the refresh")

        # Visitors are connected to "docs": asked first, and Cancel keeps it.
        s.command("list-select", CAPTION, IDS["m_listviewFolders"], 3)  # "docs"
        s.command("click", CAPTION, IDS["m_btnFolderStopShare"])
        question = s.wait_msgbox()
        check_equal(question.seen(), (CAPTION, "question", "Stop sharing \"docs\"?\n\n3 visitors are "
                                      "connected to it: files they have open may lose unsaved "
                                      "changes.", ["OK", "Cancel"]), "question before stopping")
        s.answer("Cancel", question)
        check_equal(netapi_calls(s, "NetShareDel"), [["music", "0"]], "docs kept")
        check_equal(folder_rows(s), expected[:4], "rows after Cancel")

        # Removed by someone else meanwhile: the service's own words, then the row is gone.
        put_computer(s, [share for share in SHARES if share[0] not in ("docs", "music")])
        s.command("click", CAPTION, IDS["m_btnFolderStopShare"])
        s.answer("OK", s.wait_msgbox())
        check_equal(box(s)[2], "The share name does not exist.", "stopping a vanished share")
        check_eventually(lambda: [r[0] for r in folder_rows(s)], ["C$", "ADMIN$", "IPC$"],
                         "rows after the second refresh")

        put_computer(s, SHARES, extra=["result\tNetShareEnum\t5"])
        s.command("click", CAPTION, IDS["m_btnFolderRefresh"])
        check_eventually(lambda: folder_rows(s), [], "rows when the enumeration is refused")
        check_equal(s.msgboxes(), [], "no box for a refused enumeration")
        check_buffers_released(s)


@on_versions("winxp")
def test_more_data_loop(h, winver):
    with shares_session(h, winver, "shares-portions") as s:
        s.install()
        put_computer(s, SHARES, extra=["pagesize\t2"])
        start(s, h)
        s.command("select-tab", CAPTION, IDS["pgc1"], 1)
        check_equal([r[0] for r in folder_rows(s)], ["C$", "ADMIN$", "IPC$", "docs", "music"],
                    "rows read in portions")
        check_equal([c[2:5] for c in netapi_calls(s, "NetShareEnum")],
                    [["0", "234", "2"], ["2", "234", "2"], ["4", "0", "1"]], "portions")
        check_buffers_released(s)


@on_versions("winxp")
def test_thousands_of_shares_in_order(h, winver):
    many = [("s%05d" % i, r"C:\s\%05d" % i, i % 9, "remark %d" % i) for i in range(5000)]
    many[2500] = ("mid$", r"C:\mid", 2, "")
    with shares_session(h, winver, "shares-many") as s:
        s.install()
        put_computer(s, many)
        start(s, h)
        s.command("select-tab", CAPTION, IDS["pgc1"], 1)
        shown = [many[2500]] + many[:2500] + many[2501:]
        check_equal(folder_rows(s), [[n, p, str(u), r] for n, p, u, r in shown],
                    "every row, system share first")
        # The row selected deep down (no visitor on it) is the one the program acts on.
        s.command("list-select", CAPTION, IDS["m_listviewFolders"], 4320)
        check_equal(s.command("list-selection", CAPTION, IDS["m_listviewFolders"]), ["4320"],
                    "selection")
        s.command("click", CAPTION, IDS["m_btnFolderStopShare"])
        check_equal(box(s)[2], "stop share the selected  folder OK!", "Stop Share")
        check_equal(netapi_calls(s, "NetShareDel"), [[shown[4320][0], "0"]], "share stopped")


# ---- the new-share dialog ----

def open_dialog(s):
    s.command("click", CAPTION, IDS["m_btnFolderNewShare"])
    s.wait_window(DIALOG)


def open_picker(s):
    """Presses "Browse..." and gives the handle of the system's folder picker."""
    s.command("click", DIALOG, IDS["m_btnBrowseDir"])
    for _ in range(20):
        pickers = [hwnd for hwnd, window_class, visible, caption in s.windows()
                   if window_class == "#32770" and visible and caption not in (DIALOG, CAPTION)]
        if pickers:
            return "hwnd:" + pickers[0][2:]
        s.command("sleep", 250)
    raise AssertionError("the folder picker did not open")


@on_versions("winxp", "vista")
def test_new_share_dialog(h, winver):
    with shares_session(h, winver, "new-share") as s:
        s.install()
        put_computer(s, SHARES[:2])
        start(s, h)
        s.command("select-tab", CAPTION, IDS["pgc1"], 1)
        enumerations = len(netapi_calls(s, "NetShareEnum"))

        # Cancel right after opening: nothing changes, the list is refreshed.
        open_dialog(s)
        check_equal(s.command("client-size", DIALOG), ["535", "313"], "dialog client area")
        check_equal(s.text(DIALOG, IDS["m_labelResult"]), "result:", "result label")
        check(s.flag("is-checked", DIALOG, IDS["m_radioRead"]), "Only Read chosen")
        check(not s.flag("is-checked", DIALOG, IDS["m_radioFull"]), "Full Control not chosen")
        s.screenshot(DIALOG, "new-share-dialog")
        s.command("click", DIALOG, IDS["m_btnCancel"])
        s.command("wait-gone", DIALOG)
        check_eventually(lambda: len(netapi_calls(s, "NetShareEnum")), enumerations + 1,
                         "refresh after Cancel")

        # OK with a name of blanks only and no folder: trimmed, then refused.
        open_dialog(s)
        s.command("type", DIALOG, IDS["m_editShareName"], "  docs  ")
        s.command("click", DIALOG, IDS["m_btnOK"])
        check_equal(box(s), (CAPTION, "warning", NEED_BOTH, ["OK"]), "OK without a folder")
        check_equal(s.text(DIALOG, IDS["m_editShareName"]), "docs", "name trimmed")
        check(s.flag("is-enabled", DIALOG, IDS["m_btnOK"]), "OK still enabled")

        # The folder picker: its title, and a cancelled pick that changes nothing.
        picker = open_picker(s)
        s.screenshot(picker, "folder-picker")
        status, fields = s.try_command("pick-folder", r"C:\no such folder", 1000)
        check(status == "err" and "does not show" in fields[0],
              "picking a folder that does not exist: %s %r" % (status, fields))
        s.command("click", picker, 2)  # Cancel
        s.command("wait-gone", picker)
        check_equal(s.text(DIALOG, IDS["m_editShareDir"]), "", "folder after a cancelled pick")
        check_equal(s.text(DIALOG, IDS["m_editShareName"]), "docs", "name after a cancelled pick")
        s.command("close", DIALOG)
        s.command("wait-gone", DIALOG)
        check_equal(tools(s), [], "nothing started")
        check_equal(netapi_calls(s, "NetShareAdd"), [], "nothing shared")


def pick(s, folder):
    """Presses "Browse..." and picks the folder in the system's picker, as the user does."""
    s.command("click", DIALOG, IDS["m_btnBrowseDir"])
    return s.command("pick-folder", folder)


def press_ok_and_watch(s):
    """Presses OK and gives the first box with whether OK was enabled and the result label's text
    while it showed; the box is answered."""
    s.command("click", DIALOG, IDS["m_btnOK"])
    b = s.wait_msgbox()
    seen = b.seen() + (s.flag("is-enabled", DIALOG, IDS["m_btnOK"]),
                       s.text(DIALOG, IDS["m_labelResult"]))
    s.answer("OK", b)
    return seen


def rights_command(folder, letter):
    return ("cscript", 'cscript.exe "%sXCACLS.vbs"  "%s" /T /G Guest:%s /E' % (FOLDER, folder,
                                                                               letter))


SHARE_OK = (CAPTION, "information", "Share OK!", ["OK"], False, "Share OK!")


@on_versions("winxp")
def test_new_share_through_the_share_service(h, winver):
    with shares_session(h, winver, "new-share-xp") as s:
        s.install()
        put_computer(s, SHARES[:2])  # "docs" exists already
        os.makedirs(s.unix_path(r"C:\docs"))
        start(s, h)
        s.command("select-tab", CAPTION, IDS["pgc1"], 1)
        open_dialog(s)
        check_equal(pick(s, r"C:\docs")[-1], "docs", "folder selected in the picker")
        check_equal(s.text(DIALOG, IDS["m_editShareDir"]), r"C:\docs", "folder field")
        check_equal(s.text(DIALOG, IDS["m_editShareName"]), "docs", "proposed name")

        # The name is taken: the service's words, and the dialog waits for another try.
        check_equal(press_ok_and_watch(s),
                    (CAPTION, "warning", "The share name is already in use on this server.",
                     ["OK"], False, "share processing step 1..."), "refused name")
        check(s.flag("is-enabled", DIALOG, IDS["m_btnOK"]), "OK enabled again")
        check_equal(s.command("window-shown", DIALOG), ["1"], "dialog open after the refusal")
        check_equal(tools(s), [], "no rights set for a refused share")

        s.command("type", DIALOG, IDS["m_editShareName"], "team docs")
        s.command("click", DIALOG, IDS["m_radioFull"])
        check_equal(press_ok_and_watch(s), SHARE_OK, "second try")
        s.command("wait-gone", DIALOG)
        added = [["2", "docs", "0", "Trelbane Plinvo", "127", "4294967295", r"C:\docs", "<null>",
                  "2118"],
                 ["2", "team docs", "0", "Trelbane Plinvo", "127", "4294967295", r"C:\docs",
                  "<null>", "0"]]
        check_equal(netapi_calls(s, "NetShareAdd"), added, "shares added")
        # Wine's drive C: is an NTFS volume: the rights go through the script.
        check_equal(tools(s), [rights_command(r"C:\docs", "F")], "rights step")
        check_eventually(lambda: folder_rows(s),
                         [["IPC$", "", "0", "Remote IPC"],
                          ["docs", r"C:\docs", "3", "Trelbane Plinvo"],
                          ["team docs", r"C:\docs", "0", "Trelbane Plinvo"]], "rows after sharing")
        check_buffers_released(s)


@on_versions("vista")
def test_new_share_through_net_share(h, winver):
    with shares_session(h, winver, "new-share-vista") as s:
        s.install()
        put_computer(s, SHARES[:2])
        os.makedirs(s.unix_path(r"C:\share\my folder"))
        write(s, TOOL_EXIT, "net 2\n")
        start(s, h)
        s.command("select-tab", CAPTION, IDS["pgc1"], 1)
        open_dialog(s)
        pick(s, r"C:\share\my folder")
        check_equal(s.text(DIALOG, IDS["m_editShareName"]), "my folder", "proposed name")
        net = ("net", r'net share "my folder"="C:\share\my folder"  /GRANT:Guest,READ')

        check_equal(press_ok_and_watch(s),
                    (CAPTION, "warning",
                     'The share could not be created: "net share" ended with error code 2.',
                     ["OK"], False, "share processing step 1..."), "net failing")
        check(s.flag("is-enabled", DIALOG, IDS["m_btnOK"]), "OK enabled again")
        check_equal(s.command("window-shown", DIALOG), ["1"], "dialog open after the failure")
        check_equal(tools(s), [net], "no rights set for a failed share")

        write(s, TOOL_EXIT, "")
        check_equal(press_ok_and_watch(s), SHARE_OK, "second try")
        s.command("wait-gone", DIALOG)
        check_equal(tools(s), [net, net, rights_command(r"C:\share\my folder", "R")],
                    "commands")
        check_eventually(lambda: folder_rows(s)[-1:],
                         [["my folder", r"C:\share\my folder", "0", ""]], "row of the new share")

        # A drive's root: no name to propose, and its trailing backslash must reach the tools.
        open_dialog(s)
        pick(s, "C:\\")
        check_equal(s.text(DIALOG, IDS["m_editShareDir"]), "C:\\", "root folder field")
        check_equal(s.text(DIALOG, IDS["m_editShareName"]), "", "no name for a root")
        s.command("type", DIALOG, IDS["m_editShareName"], "whole")
        s.command("click", DIALOG, IDS["m_btnOK"])
        question = s.wait_msgbox()
        check(question.icon == "question" and question.text.startswith(
            "\"C:\\\" is the whole drive C:."), "question before the root: %r" % question.text)
        s.answer("OK", question)
        check_equal(box(s), SHARE_OK[:4], "sharing the root")
        s.command("wait-gone", DIALOG)
        check_equal(tools(s)[3:], [("net", r'net share whole="C:\\"  /GRANT:Guest,READ'),
                                   rights_command("C:\\\\", "R")], "commands for the root")
        check_eventually(lambda: folder_rows(s)[-1:], [["whole", "C:\\", "0", ""]],
                         "row of the root share")
        check_equal(netapi_calls(s, "NetShareAdd"), [], "the service not asked to share")


LOOK_ALIKE_REFUSED = ("The name of this folder has characters that this system's code page cannot "
                      "hold exactly, so it cannot be shared safely. Please rename the folder or "
                      "choose another one.")
LINK_REFUSED = ("This folder is, or lies inside, a junction, a symbolic link or a mounted drive: "
                "rights granted here would land on the folder it leads to. Please choose that "
                "folder itself.")


@on_versions("winxp", "vista")
def test_new_share_refuses_look_alikes_and_links(h, winver):
    # Read as ANSI, this folder's fullwidth backslashes became plain ones: the dialog showed
    # C:\share\Pics\..\..\windows, proposed "windows" and granted the guest rights there.
    look_alike = "C:\\share\\Pics\uff3c..\uff3c..\uff3cwindows"
    with shares_session(h, winver, "new-share-refusals") as s:
        s.install()
        put_computer(s, SHARES[:2])
        os.makedirs(s.unix_path(r"C:\share") + "/Pics\uff3c..\uff3c..\uff3cwindows")
        # A symbolic link stands in for a junction: Wine reports it as a reparse point.
        os.symlink(s.unix_path(r"C:\windows"), s.unix_path(r"C:\share\junction"))
        start(s, h)
        s.command("select-tab", CAPTION, IDS["pgc1"], 1)
        open_dialog(s)
        for folder, refusal in ((look_alike, LOOK_ALIKE_REFUSED),
                                (r"C:\share\junction", LINK_REFUSED)):
            s.command("click", DIALOG, IDS["m_btnBrowseDir"])
            s.command("pick-folder", folder.encode("utf-8").decode("latin-1"))
            check_equal(box(s), (CAPTION, "warning", refusal, ["OK"]), "refused " + folder)
            check_equal(s.text(DIALOG, IDS["m_editShareDir"]), "", "folder field after " + folder)
            check_equal(s.text(DIALOG, IDS["m_editShareName"]), "", "name after " + folder)
        s.command("type", DIALOG, IDS["m_editShareName"], "windows")
        s.command("click", DIALOG, IDS["m_btnOK"])
        check_equal(box(s), (CAPTION, "warning", NEED_BOTH, ["OK"]), "OK after the refusals")
        # The Windows folder's own subfolders take no visitors' rights.
        pick(s, r"C:\windows\system32")
        s.command("click", DIALOG, IDS["m_radioFull"])
        s.command("click", DIALOG, IDS["m_btnOK"])
        check_equal(box(s), (CAPTION, "warning", "\"C:\\windows\\system32\" lies inside the "
                             "Windows folder (C:\\windows). Plinvo does not give visitors rights "
                             "there: the access list of every file below it would change, the "
                             "files of Windows and of the programs among them, and no undo takes "
                             "that back. Please share a folder of your own instead.", ["OK"]),
                    "a Windows subfolder")
        s.command("close", DIALOG)
        s.command("wait-gone", DIALOG)
        check_equal(tools(s), [], "nothing started")
        check_equal(netapi_calls(s, "NetShareAdd"), [], "nothing shared")


# ---- the session list ----

@on_versions("winxp", "vista")
def test_session_list(h, winver):
    with shares_session(h, winver, "sessions") as s:
        s.install()
        put_computer(s, SHARES[:1], SESSIONS)
        start(s, h)
        s.command("select-tab", CAPTION, IDS["pgc1"], 2)
        sessions = IDS["m_listviewSessions"]
        # The buttons of a page get their pictures once the page is painted.
        buttons = ("m_btnSessionRefresh", "m_btnSessionDisconnect", "m_btnSessionOpenFiles")
        check_eventually(lambda: [s.flag("has-picture", CAPTION, IDS[name]) for name in buttons],
                         [True] * 3, "pictures of the page's buttons")
        check_equal(s.list_columns(CAPTION, sessions),
                    [("Client PC", 120), ("User", 120), ("Active Time", 120),
                     ("Idle Time", 120)], "columns")
        check_equal(s.list_rows(CAPTION, sessions), [], "empty before the first press")
        expected = [["\\\\PC1", "alice", "01:00:00", "00:00:59"],
                    ["\\\\PC2", "", "100:00:00", "1193046:28:15"]]
        for press in (1, 2):
            s.command("click", CAPTION, IDS["m_btnSessionRefresh"])
            check_eventually(lambda: s.list_rows(CAPTION, sessions), expected,
                             "rows after press %d" % press)
            check_eventually(lambda: [c[:3] for c in netapi_calls(s, "NetSessionEnum")],
                             [["10", "4294967295", "0"]] * press, "enumerations")
        s.screenshot(CAPTION, "sessions")
        check_equal(s.msgboxes(), [], "no boxes")
        check_buffers_released(s)


@on_versions("winxp", "vista")
def test_disconnect_a_session_and_close_an_open_file(h, winver):
    files = ["file\t7\tC:\\docs\\report.doc\talice\t1\t3",
             "file\t9\tC:\\docs\\notes.txt\t<null>\t0\t1"]
    with shares_session(h, winver, "disconnect") as s:
        s.install()
        put_computer(s, SHARES[:1], SESSIONS, files)
        start(s, h)
        s.command("select-tab", CAPTION, IDS["pgc1"], 2)
        sessions = IDS["m_listviewSessions"]
        s.command("click", CAPTION, IDS["m_btnSessionRefresh"])
        check_eventually(lambda: len(s.list_rows(CAPTION, sessions)), 2, "sessions listed")
        s.command("list-select", CAPTION, sessions, 0)
        s.command("click", CAPTION, IDS["m_btnSessionDisconnect"])
        question = s.wait_msgbox()
        check_equal(question.seen(), (CAPTION, "question", "Disconnect \"alice\" on computer "
                                      "\"\\\\PC1\"?\n\nFiles they have open may lose unsaved "
                                      "changes.", ["OK", "Cancel"]), "question")
        s.answer("OK", question)
        check_equal(box(s), (CAPTION, "information", "The visitor was disconnected.", ["OK"]),
                    "result")
        check_eventually(lambda: [row[0] for row in s.list_rows(CAPTION, sessions)], ["\\\\PC2"],
                         "the list after the disconnect")
        check_equal(netapi_calls(s, "NetSessionDel"), [["\\\\PC1", "alice", "0"]],
                    "the service call")

        s.command("click", CAPTION, IDS["m_btnSessionOpenFiles"])
        s.wait_window("Open Files")
        listing = IDS["m_listviewOpenFiles"]
        check_equal(s.list_columns("Open Files", listing),
                    [("File", 176), ("User", 90), ("Computer", 90), ("Locks", 50), ("Access", 110)],
                    "columns")
        # No session selected after the refresh: every file, with the computers of its user.
        check_equal(s.text("Open Files", IDS["m_labelOpenFilesShown"]),
                    "Files held open by every visitor:", "what the dialog shows")
        check_equal(s.list_rows("Open Files", listing),
                    [["C:\\docs\\report.doc", "alice", "", "1", "Read and write"],
                     ["C:\\docs\\notes.txt", "", "\\\\PC2", "0", "Read"]], "open files")
        s.screenshot("Open Files", "open-files")
        s.command("list-select", "Open Files", listing, 1)
        s.command("click", "Open Files", IDS["m_btnCloseFile"])
        question = s.wait_msgbox()
        check_equal(question.text, "Close \"C:\\docs\\notes.txt\" for the visitor without a "
                    "user name?\n\nThe visitor may lose unsaved changes to it.", "question")
        s.answer("OK", question)
        check_equal(box(s)[2], "The file was closed.", "result")
        check_eventually(lambda: [row[0] for row in s.list_rows("Open Files", listing)],
                         ["C:\\docs\\report.doc"], "open files after closing one")
        check_equal(netapi_calls(s, "NetFileClose"), [["9", "0"]], "the service call")
        s.command("click", "Open Files", IDS["m_btnOpenFilesClose"])
        s.command("wait-gone", "Open Files", 10000)
        check_buffers_released(s)


@on_versions("winxp", "vista")
def test_access_dialog_for_a_share(h, winver):
    acl = ["shareacl\tdocs\tS-1-1-0\tallow\t0x1200A9",
           "shareacl\tdocs\tS-1-5-32-544\tallow\t0x1F01FF"]
    with shares_session(h, winver, "access") as s:
        s.install()
        put_computer(s, SHARES, extra=acl)
        write(s, TOOL_EXIT, "0")
        os.makedirs(s.unix_path("C:\\docs"), exist_ok=True)
        start(s, h)
        s.command("select-tab", CAPTION, IDS["pgc1"], 1)
        rows = folder_rows(s)
        docs = [row[0] for row in rows].index("docs")
        s.command("list-select", CAPTION, IDS["m_listviewFolders"], docs)
        s.command("click", CAPTION, IDS["m_btnFolderAccess"])
        dialog = "Share Access"
        s.wait_window(dialog)
        address = s.text(dialog, IDS["m_editShareAddress"])
        check(address.startswith("\\\\") and address.endswith("\\docs"), "address: %r" % address)
        check_equal(s.text(dialog, IDS["m_memoSharePermissions"]),
                    "Everyone: read only\r\nAdministrators: full control", "share permissions")
        # Wine keeps no access lists of its own: it makes one from the folder's Unix modes, in
        # which everyone may read.
        check_equal(s.text(dialog, IDS["m_memoFolderPermissions"]),
                    "Guest: no entry\r\nEveryone: read only\r\nUsers: no entry",
                    "folder permissions")
        check(s.flag("is-enabled", dialog, IDS["m_btnChangeAccess"]), "Change offered")
        check(s.flag("is-checked", dialog, IDS["m_radioGuestRead"]), "guests read only")
        s.screenshot(dialog, "share-access")
        s.command("click", dialog, IDS["m_radioGuestFull"])
        s.command("click", dialog, IDS["m_btnChangeAccess"])
        question = s.wait_msgbox()
        check_equal(question.text, "Let guest visitors read, change and delete the files of "
                    "\"docs\"?", "question")
        s.answer("OK", question)
        check_equal(box(s)[2], "The guest visitors' rights were changed.", "result")
        check_equal([command for tool, command in tools(s) if tool == "cscript"][-1:],
                    ['cscript.exe "%sXCACLS.vbs"  "C:\\docs" /T /G Guest:F /E' % FOLDER],
                    "the rights tool")
        check_equal(netapi_calls(s, "NetShareGetInfo")[0][:3], ["docs", "502", "0"],
                    "the share read")
        s.command("click", dialog, IDS["m_btnAccessClose"])
        s.command("wait-gone", dialog, 10000)

        # A "$" share shows its details but offers no change.
        s.command("list-select", CAPTION, IDS["m_listviewFolders"], 0)
        s.command("click", CAPTION, IDS["m_btnFolderAccess"])
        s.wait_window(dialog)
        check(not s.flag("is-enabled", dialog, IDS["m_btnChangeAccess"]), "no change for C$")
        s.command("click", dialog, IDS["m_btnAccessClose"])
        s.command("wait-gone", dialog, 10000)
        check_buffers_released(s)


# ---- acting on the listed record, never on its text ----

@on_versions("winxp", "vista")
def test_actions_use_the_listed_records(h, winver):
    # Read as ANSI, "Ｄata" lists as "Data" and the look-alike folder as C:\windows: stopping the
    # second twin stopped the first, Full Control went to C:\windows, and the Cyrillic visitor,
    # named "????", was said to be gone while the session went on.
    look_alike = "C:\\share\\Pics\uff3c..\uff3c..\uff3cwindows"
    twins = [("Data", r"C:\data", 0, ""), ("\uff24ata", r"C:\other", 0, ""),
             ("Pics", look_alike, 0, "")]
    visitor = ("\\\\PC1", "\u0418\u0432\u0430\u043d", 1, 1)
    with shares_session(h, winver, "exact-records") as s:
        s.install()
        put_computer(s, twins, [visitor], ["result\tNetSessionDel\t2312"])
        start(s, h)
        s.command("select-tab", CAPTION, IDS["pgc1"], 1)
        check_equal([row[:2] for row in folder_rows(s)],
                    [["Data", r"C:\data"], ["Data", r"C:\other"],
                     ["Pics", r"C:\share\Pics\..\..\windows"]], "rows as listed")

        dialog = "Share Access"
        s.command("list-select", CAPTION, IDS["m_listviewFolders"], 2)
        s.command("click", CAPTION, IDS["m_btnFolderAccess"])
        s.wait_window(dialog)
        s.command("click", dialog, IDS["m_radioGuestFull"])
        s.command("click", dialog, IDS["m_btnChangeAccess"])
        s.answer("OK", s.wait_msgbox())
        check_equal(box(s), (CAPTION, "warning", "The guest visitors' rights were not changed. "
                             "The path of this share's folder has characters that this system's "
                             "code page cannot hold exactly, so its rights cannot be changed "
                             "safely here.", ["OK"]), "Full Control on the look-alike folder")
        check_equal(tools(s), [], "no tool started")
        s.command("click", dialog, IDS["m_btnAccessClose"])
        s.command("wait-gone", dialog, 10000)

        s.command("list-select", CAPTION, IDS["m_listviewFolders"], 1)
        s.command("click", CAPTION, IDS["m_btnFolderStopShare"])
        check_equal(box(s)[2], "stop share the selected  folder OK!", "Stop Share")
        check_equal(netapi_calls(s, "NetShareDel"), [["\uff24ata", "0"]], "the twin stopped")
        check_eventually(lambda: [row[1] for row in folder_rows(s)],
                         [r"C:\data", r"C:\share\Pics\..\..\windows"], "rows after stopping")

        s.command("select-tab", CAPTION, IDS["pgc1"], 2)
        sessions = IDS["m_listviewSessions"]
        s.command("click", CAPTION, IDS["m_btnSessionRefresh"])
        for told, refused in (("The visitor could not be disconnected. Error code: 2312", True),
                              ("The visitor was disconnected.", False)):
            check_eventually(lambda: len(s.list_rows(CAPTION, sessions)), 1, "visitor listed")
            s.command("list-select", CAPTION, sessions, 0)
            s.command("click", CAPTION, IDS["m_btnSessionDisconnect"])
            s.answer("OK", s.wait_msgbox())
            result = s.wait_msgbox()
            check_equal(result.seen()[2], told, "disconnecting the visitor")
            if refused:
                # The service's refusal is lifted before the box is answered: the list's refresh
                # after the box must not read the file while it is being written.
                put_computer(s, twins[:1], [visitor])
            s.answer("OK", result)
        check_equal(netapi_calls(s, "NetSessionDel"),
                    [["\\\\PC1", visitor[1], "2312"], ["\\\\PC1", visitor[1], "0"]],
                    "the exact user name")
        check_eventually(lambda: s.list_rows(CAPTION, sessions), [], "the session ended")
        check_buffers_released(s)
