"""The identity label, the about box and the help viewer of the running program."""

import socket

from e2e import Session, check, check_equal, control_ids, on_versions, wait_for_class

IDS = control_ids()
CAPTION = "Plinvo"
ABOUT = "About"
HELP_VIEWER_CLASS = "HH Parent"  # the top-level window class of the HTML-help viewer


def start(session):
    session.start_plinvo()
    session.boxes_until_window(CAPTION)


@on_versions("winxp", "vista")
def test_identity_label_shows_the_computer_name_and_its_first_address(h, winver):
    with Session(h, winver, user="Administrator", name="identity") as s:
        start(s)
        # Wine reports the Unix host name, upper case, cut at the first dot and to 15
        # characters, and resolves it through the host's own resolver.
        name = socket.gethostname().split(".")[0].upper()[:15]
        try:
            found = socket.getaddrinfo(name, None, socket.AF_INET, socket.SOCK_STREAM,
                                       socket.IPPROTO_TCP, socket.AI_PASSIVE)
            expected = "This Computer Name: %s    IP:%s" % (name, found[0][4][0])
        except socket.gaierror:
            expected = "This Computer Name: %s" % name
        check_equal(s.text(CAPTION, IDS["m_labelSvrName"]), expected, "identity label")
        check_equal(s.msgboxes(), [], "boxes after start-up")


@on_versions("winxp", "vista")
def test_about_box_reads_the_version_of_the_running_program(h, winver):
    with Session(h, winver, user="Administrator", name="about") as s:
        start(s)
        s.command("menu", CAPTION, IDS["menuAbout"])
        s.wait_window(ABOUT)
        check_equal(s.command("client-size", ABOUT), ["414", "279"], "about box client area")
        check_equal(s.text(ABOUT, IDS["lblProductFullName"]), "Plinvo", "product name")
        check_equal(s.text(ABOUT, IDS["lblVersion"]), "Version:3.2.0.100", "version label")
        check_equal(s.text(ABOUT, IDS["Label4"]), "Web Site:", "web caption")
        check_equal(s.text(ABOUT, IDS["labelWeb"]), "www.trelbane.example", "web label")
        check_equal(s.text(ABOUT, IDS["Label5"]), "Support Email:", "mail caption")
        check_equal(s.text(ABOUT, IDS["labelMail"]), "support@trelbane.example", "mail label")
        check_equal(s.text(ABOUT, IDS["btnVisitHomePage"]), "Visit Home Page", "button")
        check_equal(s.text(ABOUT, IDS["btnClose"]), "Close", "button")
        check_equal(s.command("control-rect", ABOUT, IDS["btnVisitHomePage"]),
                    ["24", "248", "91", "25"], "Visit Home Page placement")
        check_equal(s.command("control-rect", ABOUT, IDS["btnClose"]),
                    ["296", "248", "91", "25"], "Close placement")
        s.screenshot(ABOUT, "about-box")

        s.command("click", ABOUT, IDS["btnClose"])
        s.command("wait-gone", ABOUT)
        check_equal(s.command("window-shown", CAPTION), ["1"], "main window after Close")

        # A second opening is a fresh box, filled the same way; the close box ends it too.
        s.command("menu", CAPTION, IDS["menuAbout"])
        s.wait_window(ABOUT)
        check_equal(s.text(ABOUT, IDS["lblVersion"]), "Version:3.2.0.100", "version again")
        s.command("close", ABOUT)
        s.command("wait-gone", ABOUT)
        check_equal(s.msgboxes(), [], "boxes after the about box")


@on_versions("winxp")
def test_help_content_opens_the_viewer_on_the_overview(h, winver):
    with Session(h, winver, user="Administrator", name="help") as s:
        start(s)
        s.command("menu", CAPTION, IDS["menuHelpContent"])
        viewer = wait_for_class(s, HELP_VIEWER_CLASS)
        check(viewer is not None, "no help viewer window; windows: %r" % s.windows())
        # The caption comes from the window definition inside help.chm: the viewer has opened
        # the program's own help file.
        check_equal(viewer[3], "Plinvo Help", "help viewer caption")
        s.screenshot("hwnd:" + viewer[0][2:], "help-viewer")
        check_equal(s.msgboxes(), [], "boxes after Help Content")
        check_equal(s.command("window-shown", CAPTION), ["1"], "main window with the viewer")
