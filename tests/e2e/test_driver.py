"""The driver checked against a fixture program whose windows give known answers, so that a
fault of the driver shows here and not as a puzzling failure of a program test."""

import os

from e2e import DriverError, Session, check, check_equal, png_size

FIXTURE = "Fixture"
TABS, ASK, ICON, EDIT, LIST, RESULT, USER, PAGE, DISABLED = (
    1001, 1007, 1008, 1101, 1011, 1030, 1031, 1032, 1033)


def expect_refusal(session, words, reason):
    try:
        session.command(*words)
    except DriverError as error:
        check(reason in str(error), "refusal of %s: %s" % (words, error))
        return
    raise AssertionError("the driver did %s, which a user cannot" % (words,))


def test_driver_on_fixture(h):
    env = {"E2E_FIXTURE_START_BOX": "Starting up"}
    with Session(h, "winxp", user="tester", name="driver", env=env) as s:
        s.start(s.windows_path(h.fixture_exe))
        shown_then = []
        boxes = s.boxes_until_window(FIXTURE, window_shown=shown_then)
        check_equal([b.seen() for b in boxes],
                     [("Fixture", "information", "Starting up", ["OK"])], "boxes at start")
        check_equal(shown_then, [False], "window shown while the start box was up")

        check_equal(s.command("client-size", FIXTURE), ["400", "300"], "client size")
        check_equal(s.text(FIXTURE, USER), "tester", "user name the program sees")

        check_equal(s.command("tab-captions", FIXTURE, TABS), ["One", "Two words", "Three "],
                    "tab captions")
        s.command("select-tab", FIXTURE, TABS, 2)
        check_equal(s.command("tab-index", FIXTURE, TABS), ["2"], "selected tab")
        check_equal(s.text(FIXTURE, PAGE), "page 2", "page change told to the window")

        check_equal(s.list_columns(FIXTURE, LIST), [("Name", 120), ("Path", 130)], "columns")
        check_equal(s.list_rows(FIXTURE, LIST), [["C$", "C:\\"], ["docs", "C:\\my docs\tx"]],
                    "list rows")
        s.command("list-select", FIXTURE, LIST, 1)
        check_equal(s.command("list-selection", FIXTURE, LIST), ["1"], "selected row")
        expect_refusal(s, ["list-select", FIXTURE, LIST, 2], "no row")

        s.command("type", FIXTURE, EDIT, 'say "hi" \\ there')
        check_equal(s.text(FIXTURE, EDIT), 'say "hi" \\ there', "typed text")
        check(not s.flag("is-enabled", FIXTURE, DISABLED), "disabled button reported enabled")
        expect_refusal(s, ["click", FIXTURE, DISABLED], "disabled")
        expect_refusal(s, ["click", FIXTURE, 4242], "no control")

        # A pop-up entry's id is whatever the system gives it; only commands have fixed ids.
        menu = [(d, i if d else None, on, t) for d, i, on, t in s.menu_items(FIXTURE)]
        check_equal(menu, [(0, None, True, "File"), (1, 2002, True, "Quit 3"), (1, 0, False, "-"),
                           (1, 2001, True, "Exit"), (0, None, True, "&Help"),
                           (1, 2003, False, "Later ")], "menu")
        expect_refusal(s, ["menu", FIXTURE, 2003], "disabled")

        s.command("click", FIXTURE, ASK)
        box = s.wait_msgbox()
        check_equal(box.seen(),
                    ("Fixture", "warning", "Go on?\nSecond line", ["OK", "Cancel"]), "question")
        check_equal(len(s.msgboxes()), 1, "boxes listed")
        s.answer("Cancel")
        check_equal(s.msgboxes(), [], "boxes after the answer")
        check_equal(s.text(FIXTURE, RESULT), "Cancel", "button the program got")

        icons = []
        for _ in range(5):
            s.command("click", FIXTURE, ICON)
            icons.append(s.wait_msgbox().icon)
            s.answer("OK")
        check_equal(icons, ["error", "question", "warning", "information", "none"], "icons")

        png = s.screenshot(FIXTURE, "driver-fixture")
        left, top, right, bottom = map(int, s.command("window-rect", FIXTURE))
        check_equal(png_size(png), (right - left, bottom - top), "screenshot size")
        os.remove(png)

        s.command("menu", FIXTURE, 2002)
        check_equal(s.wait_exit(), 3, "exit code after Quit 3")

        s.start(s.windows_path(h.fixture_exe))
        s.boxes_until_window(FIXTURE)
        s.command("close", FIXTURE)
        check_equal(s.wait_exit(), 0, "exit code after the close box")
