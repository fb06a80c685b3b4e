"""The keyboard, as a user without a mouse has it: Tab through every page, page keys, the keys
of the actions, Escape; and a window that takes no input while an action runs, and a second
start that hands over to the first Plinvo, but never to one that runs with fewer rights."""

import time

from e2e import (Session, check, check_equal, check_eventually, control_ids, on_versions,
                 wait_for_class)

IDS = control_ids()
CAPTION = "Plinvo"
DIALOG = "New Zendry Share-Dialog"
ABOUT = "About"
FOLDER = Session.PROGRAM_FOLDER + "\\"
DATA = r"C:\shares.txt"
TOOL_LOG = r"C:\tools.log"
TOOL_DELAY = r"C:\tools-delay.txt"
OPTIONS = {IDS["m_radiosModeFirstOption"] + i for i in range(3)}


def focused(s, window=CAPTION):
    """The focused control's name; any option of the mode list counts as the list."""
    ident = int(s.command("focused", window)[0])
    if ident in OPTIONS:
        return "m_radiosMode"
    return next((name for name, value in IDS.items() if value == ident), str(ident))


def tab_round(s, presses, window=CAPTION, modifiers=None):
    seen = []
    for _ in range(presses):
        s.command("key", window, "tab", *([modifiers] if modifiers else []))
        seen.append(focused(s, window))
    return seen


def session(h, winver, name):
    return Session(h, winver, user="Administrator", name=name,
                   overrides="netapi32=n,b;net.exe,cscript.exe=n",
                   env={"PLINVO_NETAPI_DATA": DATA, "RECORDER_LOG": TOOL_LOG,
                        "RECORDER_DELAY": TOOL_DELAY})


def prepare(s, h, sessions=()):
    s.install()
    s.write_text(DATA, "share\tdocs\tC:\\docs\t0\t\n" + "".join(
        "session\t%s\t%s\t%d\t%d\n" % row for row in sessions), "utf-8")
    s.put_file(h.double("netapi32.dll"), r"C:\windows\system32\netapi32.dll")
    for tool in ("net", "cscript"):
        s.put_file(h.double("command_recorder.exe"), r"C:\windows\system32\%s.exe" % tool)


def start(s, h, sessions=()):
    prepare(s, h, sessions)
    pid = s.start(FOLDER + "Plinvo.exe")
    check_equal([b.text for b in s.boxes_until_window(CAPTION)], [], "boxes at start-up")
    return pid


def tab_to(s, name, window=CAPTION):
    for _ in range(6):
        if focused(s, window) == name:
            return
        s.command("key", window, "tab")
    check_equal(focused(s, window), name, "focus reached by Tab")


@on_versions("winxp", "vista")
def test_escape_in_the_description_leaves_the_page_whole(h, winver):
    with session(h, winver, "escape") as s:
        start(s, h)
        tab_to(s, "m_memoTip")
        s.command("key", CAPTION, "escape")
        s.command("sleep", 300)
        for name in ("m_radiosMode", "m_btnApply", "m_memoTip"):
            check(s.flag("is-visible", CAPTION, IDS[name]), name + " still there after Escape")
        check_equal(s.command("window-shown", CAPTION), ["1"], "window after Escape")


@on_versions("winxp", "vista")
def test_enter_on_the_mode_options_and_on_apply_asks_before_applying(h, winver):
    with session(h, winver, "enter") as s:
        start(s, h)
        for name in ("m_radiosMode", "m_btnApply"):
            tab_to(s, name)
            s.command("key", CAPTION, "enter")
            b = s.wait_msgbox(5000)
            check_equal(b.seen(), (CAPTION, "question", "Want to change share mode?",
                                   ["OK", "Cancel"]), "Enter on " + name)
            s.answer("Cancel", b)
        s.screenshot(CAPTION, "keyboard-apply-focused")


@on_versions("winxp", "vista")
def test_tab_and_the_page_keys_reach_every_control(h, winver):
    with session(h, winver, "keyboard") as s:
        start(s, h, sessions=[("\\\\PC1", "alice", 3600, 59)])
        pages = IDS["pgc1"]
        s.command("sleep", 500)  # the window takes the focus once it is active
        check_equal(focused(s), "pgc1", "focus at start")
        page1 = ["m_radiosMode", "m_btnApply", "m_memoTip", "pgc1"]
        check_equal(tab_round(s, 8), page1 * 2, "Tab on the first page")
        check_equal(tab_round(s, 4, modifiers="shift"),
                    ["m_memoTip", "m_btnApply", "m_radiosMode", "pgc1"],
                    "Shift+Tab on the first page")

        # The page keys work from anywhere, the description too.
        tab_to(s, "m_memoTip")
        moves = [("tab", "ctrl", "1"), ("tab", "ctrl", "2"), ("tab", "ctrl", "0"),
                 ("tab", "ctrl+shift", "2"), ("pgup", "ctrl", "1"), ("pgdn", "ctrl", "2"),
                 ("pgdn", "ctrl", "0")]
        for key, modifiers, page in moves:
            s.command("key", CAPTION, key, modifiers)
            check_equal(s.command("tab-index", CAPTION, pages), [page],
                        "page after %s+%s" % (modifiers, key))
        s.command("key", CAPTION, "tab")
        s.screenshot(CAPTION, "keyboard-page1")

        # The tab header's arrows, then Tab through the other pages.
        tab_to(s, "pgc1")
        s.command("key", CAPTION, "right")
        check_equal(s.command("tab-index", CAPTION, pages), ["1"], "page after the right arrow")
        check_equal(tab_round(s, 6), ["m_listviewFolders", "m_btnFolderRefresh",
                                      "m_btnFolderStopShare", "m_btnFolderNewShare",
                                      "m_btnFolderAccess", "pgc1"],
                    "Tab on the second page")
        s.screenshot(CAPTION, "keyboard-page2")
        s.command("key", CAPTION, "right")
        check_equal(tab_round(s, 5), ["m_listviewSessions", "m_btnSessionRefresh",
                                      "m_btnSessionDisconnect", "m_btnSessionOpenFiles", "pgc1"],
                    "Tab on the third page")

        # F5 fills the list of the page shown.
        sessions = IDS["m_listviewSessions"]
        check_equal(s.list_rows(CAPTION, sessions), [], "sessions before F5")
        s.command("key", CAPTION, "f5")
        check_eventually(lambda: s.list_rows(CAPTION, sessions),
                         [["\\\\PC1", "alice", "01:00:00", "00:00:59"]], "sessions after F5")
        s.screenshot(CAPTION, "keyboard-page3")

        # F10 and Alt give the keyboard to the menu bar; Escape takes it back.
        for key in ("f10", "alt"):
            s.command("key", CAPTION, key)
            check_equal(s.command("focused", CAPTION)[2], "menu", "menu bar after " + key)
            s.command("key", CAPTION, "escape")
            check_equal(s.command("focused", CAPTION)[2], "", "menu bar after Escape")


@on_versions("vista")
def test_no_second_action_while_a_share_is_made(h, winver):
    import os
    with session(h, winver, "busy") as s:
        s.install()
        os.makedirs(s.unix_path(r"C:\first"))
        os.makedirs(s.unix_path(r"C:\second"))
        start(s, h)
        s.command("select-tab", CAPTION, IDS["pgc1"], 1)
        s.command("click", CAPTION, IDS["m_btnFolderNewShare"])
        s.wait_window(DIALOG)
        s.command("sleep", 500)  # the dialog takes the focus once it is active
        check_equal(focused(s, DIALOG), "m_editShareDir", "focus when the dialog opens")
        check_equal(tab_round(s, 6, DIALOG), ["m_btnBrowseDir", "m_editShareName", "m_btnOK",
                                              "m_btnCancel", "m_radioRead", "m_editShareDir"],
                    "Tab in the dialog")
        s.command("click", DIALOG, IDS["m_btnBrowseDir"])
        s.command("pick-folder", r"C:\first")

        s.write_text(TOOL_DELAY, "net 4000\n")
        s.command("click", DIALOG, IDS["m_btnOK"])
        for _ in range(40):
            if s.text(DIALOG, IDS["m_labelResult"]) == "share processing step 1...":
                break
            s.command("sleep", 100)
        check_equal(s.text(DIALOG, IDS["m_labelResult"]), "share processing step 1...",
                    "progress shown while net runs")
        s.try_command("click", DIALOG, IDS["m_btnBrowseDir"])
        s.try_command("click", DIALOG, IDS["m_btnCancel"])
        for name in ("m_btnBrowseDir", "m_btnCancel", "m_editShareName", "m_radioFull"):
            check(not s.flag("is-enabled", DIALOG, IDS[name]), name + " disabled while net runs")
        s.screenshot(DIALOG, "new-share-busy")
        b = s.wait_msgbox(20000)
        check_equal(b.seen(), (CAPTION, "information", "Share OK!", ["OK"]), "outcome")
        s.answer("OK", b)
        s.command("wait-gone", DIALOG)
        nets = [line.split("\t", 1)[1] for line in (s.read_text(TOOL_LOG) or "").splitlines()]
        nets = [command for command in nets if command.startswith("net share")]
        check_equal(nets, [r'net share first="C:\first"  /GRANT:Guest,READ'], "share made")
        check(not any(c == "#32770" and v for _, c, v, cap in s.windows()
                      if cap not in (CAPTION, DIALOG)), "no folder picker opened")

        # Escape acts as the close box of the dialog and of the about box.
        s.command("click", CAPTION, IDS["m_btnFolderNewShare"])
        s.wait_window(DIALOG)
        s.command("key", DIALOG, "escape")
        s.command("wait-gone", DIALOG, 5000)
        s.command("menu", CAPTION, IDS["menuAbout"])
        s.wait_window(ABOUT)
        for caption in ("Label4", "Label5"):
            left, _, width, _ = map(int, s.command("control-rect", ABOUT, IDS[caption]))
            check_equal(left + width, 151, caption + " ends where the links begin")
        left, _, width, _ = map(int, s.command("control-rect", ABOUT, IDS["Label3"]))
        check(left + width <= 414 - 24, "legal notice inside the box: ends at %d" % (left + width))
        s.command("key", ABOUT, "escape")
        s.command("wait-gone", ABOUT, 5000)


@on_versions("winxp", "vista")
def test_shortcut_menus_and_the_dialog_keys(h, winver):
    with session(h, winver, "dialog-keys") as s:
        start(s, h, sessions=[("\\\\PC1", "alice", 60, 1)])
        left, top = map(int, s.command("window-rect", CAPTION)[:2])
        # Shift+F10 and the menu key open the list's menu at its selected row, not at the pointer.
        for page, name, key, mods in ((1, "m_listviewFolders", "f10", ["shift"]),
                                      (2, "m_listviewSessions", "93", [])):
            s.command("select-tab", CAPTION, IDS["pgc1"], page)
            s.command("key", CAPTION, "f5")
            s.command("list-select", CAPTION, IDS[name], 0)
            tab_to(s, name)
            s.command("key", CAPTION, key, *mods)
            menu = wait_for_class(s, "#32768", 10)
            check(menu is not None, "no shortcut menu after " + key)
            x, y = map(int, s.command("window-rect", "hwnd:" + menu[0][2:])[:2])
            check(x - left < 80 and y - top < 160, "%s: menu at %d,%d" % (key, x - left, y - top))
            s.command("key", CAPTION, "escape")

        # F1 opens the help in each dialog; Escape (Alt+F4 for one) closes it as its close box.
        for how, opener, caption, key, mods in (
                ("click", "m_btnSessionOpenFiles", "Open Files", "escape", []),
                ("menu", "menuCheckSharing", "Sharing Check", "escape", []),
                ("click", "m_btnFolderNewShare", DIALOG, "escape", []),
                ("click", "m_btnFolderAccess", "Share Access", "115", ["alt"])):
            if "Folder" in opener:
                s.command("select-tab", CAPTION, IDS["pgc1"], 1)
                s.command("list-select", CAPTION, IDS["m_listviewFolders"], 0)
            s.command(how, CAPTION, IDS[opener])
            s.wait_window(caption)
            s.command("key", caption, "f1")
            viewer = wait_for_class(s, "HH Parent", 10)
            check(viewer is not None, "no help viewer after F1 in " + caption)
            s.command("close", "hwnd:" + viewer[0][2:])
            s.command("key", caption, key, *mods)
            s.command("wait-gone", caption, 5000)
        check_equal(s.msgboxes(), [], "boxes after the dialogs")


def until_foreground(s, wanted, seconds=15):
    """Whether the window in front (the driver's "foreground" answer) became `wanted` in time."""
    for _ in range(seconds * 10):
        if wanted(s.command("foreground")):
            return True
        s.command("sleep", 100)
    return False


def test_a_second_plinvo_hands_over_to_the_first(h):
    with session(h, "winxp", "second") as s:
        first = start(s, h)
        main = s.wait_window(CAPTION)
        s.command("start", r"C:\windows\notepad.exe", "keep")
        s.command("wait-window", "Untitled - Notepad")
        # A window is shown before it is made the active one, and on a busy machine the change
        # of the active window comes late (for a moment there may be none).
        check(until_foreground(s, lambda front: front[1] not in ("", CAPTION)),
              "another program in front")
        s.command("start", FOLDER + "Plinvo.exe", "keep")
        check_equal(s.wait_exit(15000), 0, "exit code of the second start")
        until_foreground(s, lambda front: front == [main, CAPTION])
        check_equal(s.command("foreground"), [main, CAPTION], "the first Plinvo in front")
        s.command("attach", first)
        check_equal(len([w for w in s.windows() if w[3] == CAPTION]), 1, "one main window")


@on_versions("winxp", "vista")
def test_an_unelevated_copy_takes_no_elevated_start_over(h, winver):
    with session(h, winver, "unelevated") as s:
        prepare(s, h)
        # The copy started with an administrator's limited token takes the single-instance name.
        began = time.time()
        check_equal(s.run(h.double("limited_start.exe"), FOLDER + "Plinvo.exe"), 0,
                    "a copy started with a token that is not elevated")
        s.wait_window(CAPTION)
        copy_start = time.time() - began

        began = time.time()
        elevated = s.start(FOLDER + "Plinvo.exe")
        status, fields = s.try_command("wait-window", CAPTION, 30000)
        check(status == "ok", "the elevated start shows its own main window (it ended with %s)"
              % s.try_command("wait-exit", 0)[1])
        # Nor does it wait for the copy's window, as it would for a Plinvo at its own standing.
        check(time.time() - began < copy_start + 5,
              "elevated start took %.1f s, the copy %.1f s" % (time.time() - began, copy_start))
        check_equal(fields[1], str(elevated), "process of the window found")
