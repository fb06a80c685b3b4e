"""Start-up and the main window: what a user sees when Plinvo starts, and how it ends."""

from e2e import Session, check, check_equal, control_ids, on_versions

IDS = control_ids()
CAPTION = "Plinvo"
ADMIN_WARNING = ("In order to run our software ,please log on the computer using "
                 "'Administrator', otherwise some operatons will be lack of permission.")
WARNING_BOX = ("Plinvo", "warning", ADMIN_WARNING, ["OK"])


def start(session):
    """Starts Plinvo; gives the boxes shown before the main window (answered with "OK") and,
    for each, whether the main window was already visible then."""
    session.start_plinvo()
    shown = []
    boxes = session.boxes_until_window(CAPTION, window_shown=shown)
    return [b.seen() for b in boxes], shown


@on_versions("winxp", "vista")
def test_main_window_and_exit(h, winver):
    # The Unix user (root) is what Wine reports: not "Administrator".
    with Session(h, winver, name="main-window") as s:
        boxes, shown = start(s)
        check_equal(boxes, [WARNING_BOX] if winver == "vista" else [], "boxes at start-up")
        check_equal(shown, [False] * len(boxes), "main window visible while a box was up")

        check_equal(s.command("client-size", CAPTION), ["756", "428"], "client area")
        pages = IDS["pgc1"]
        check_equal(s.command("tab-captions", CAPTION, pages),
                    ["Share Mode Setting", "Shared Folders", "Sessions"], "page tabs")
        check_equal(s.command("tab-index", CAPTION, pages), ["0"], "page active at start")

        menu = s.menu_items(CAPTION)
        # Each entry has its access key, marked by "&" and shown underlined.
        check_equal([text.count("&") for _, _, _, text in menu if text != "-"],
                    [1] * (len(menu) - 1), "access keys")
        check_equal([(depth, text.replace("&", "")) for depth, _, _, text in menu], [
            (0, "File"), (1, "Check Sharing..."), (1, "Undo Last Mode Change..."),
            (1, "Restore Windows Settings..."), (1, "-"), (1, "Exit"),
            (0, "Help"), (1, "Help Content"), (1, "Frequently Asked Questions "),
            (1, "Home Page"), (1, "About")], "menu")
        check_equal([ident for depth, ident, _, _ in menu if depth == 1],
                    [IDS["menuCheckSharing"], IDS["menuUndoMode"], IDS["menuRestoreSettings"], 0,
                     IDS["menuExit"], IDS["menuHelpContent"], IDS["menuFAQ"],
                     IDS["menuHomePage"], IDS["menuAbout"]], "menu entry ids")
        check_equal([enabled for _, _, enabled, text in menu if text != "-"],
                    [True] * (len(menu) - 1), "menu entries enabled")

        s.screenshot(CAPTION, "main-window")
        check(s.flag("has-picture", CAPTION, IDS["m_btnApply"]), "picture of Apply")
        check_equal(s.msgboxes(), [], "boxes after start-up")

        # "Exit" on one version, the close box on the other: both end at once, with code 0
        # (a question would keep the program from ending).
        if winver == "winxp":
            s.command("menu", CAPTION, IDS["menuExit"])
        else:
            s.command("close", CAPTION)
        check_equal(s.wait_exit(15000), 0, "exit code")


def test_no_warning_for_administrator_in_any_letter_case(h):
    for user in ("Administrator", "administrator"):
        with Session(h, "vista", user=user, name="admin-" + user) as s:
            boxes, _ = start(s)
            check_equal(boxes, [], "boxes at start-up for user %r on Vista" % user)
            s.command("close", CAPTION)
            check_equal(s.wait_exit(15000), 0, "exit code")


def test_warning_when_the_user_name_is_unknown(h):
    # An empty USER makes Wine's GetUserNameA fail: the empty name is not "Administrator".
    with Session(h, "vista", user="", name="no-user") as s:
        boxes, shown = start(s)
        check_equal(boxes, [WARNING_BOX], "boxes at start-up without a user name")
        check_equal(shown, [False], "main window visible while the warning was up")


def test_close_box_and_exit_on_the_other_versions(h):
    with Session(h, "winxp", name="close-xp") as s:
        start(s)
        s.command("close", CAPTION)
        check_equal(s.wait_exit(15000), 0, "exit code after the close box on XP")
    with Session(h, "vista", user="Administrator", name="exit-vista") as s:
        start(s)
        s.command("menu", CAPTION, IDS["menuExit"])
        check_equal(s.wait_exit(15000), 0, "exit code after Exit on Vista")


@on_versions("winxp", "vista")
def test_a_library_planted_beside_the_program_is_not_loaded(h, winver):
    # Native first is Windows' own search order: a library that is not a known system library
    # is looked for in the program's folder before the system folder. The last four are none of
    # the program's own: system libraries that it loads import them by name (netapi32, riched20)
    # or load them when first drawing (Wine's uxtheme).
    planted = ["version.dll", "uxtheme.dll", "netapi32.dll", "ws2_32.dll", "dnsapi.dll",
               "iphlpapi.dll", "usp10.dll", "msimg32.dll"]
    with Session(h, winver, user="Administrator", name="planted",
                 overrides=",".join(name[:-4] for name in planted) + "=n,b") as s:
        folder = s.install()
        for name in planted:
            s.put_file(h.double("planted_library.dll"), folder + "\\" + name)
        s.start(folder + "\\Plinvo.exe")
        check_equal([b.seen() for b in s.boxes_until_window(CAPTION)], [], "boxes at start-up")
        # The About box reads the program's version through the version library.
        s.command("menu", CAPTION, IDS["menuAbout"])
        s.wait_window("About")
        check_equal(s.text("About", IDS["lblVersion"]), "Version:3.2.0.100", "About box version")
        log = (s.read_text(r"C:\planted-loaded.log") or "").splitlines()
        check_equal([line for line in log if line.startswith("called")], [],
                    "calls the program made into the planted libraries")
        # Wine's own user32 imports version.dll by name (Windows' does not): that load is Wine's.
        check_equal([line for line in log if not line.lower().endswith("\\version.dll")], [],
                    "planted libraries loaded")
