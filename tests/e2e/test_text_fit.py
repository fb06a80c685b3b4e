"""Text that fits: at 96 and at 120 DPI every caption of every window fits its control (a
button's beside its picture, a list column's in its header), and at 120 DPI every window is the
96-DPI design scaled by 120/96, its fonts with it. The screen's DPI setting is the prefix's
HKCU\\Control Panel\\Desktop LogPixels, which Wine 8 reads when a program starts. Screenshots of
every window at both settings go to out/screenshots/fit-*.png.
"""

import os

from e2e import Session, check, check_equal, control_ids, on_versions

IDS = control_ids()
CAPTION = "Plinvo"
FOLDER = Session.PROGRAM_FOLDER + "\\"
DATA = r"C:\shares.txt"
BUTTON_INSET = 3  # the frame and the caption's margin on either side of a push button's caption


def misfits(s, window):
    """What of the window's visible captions does not fit its control, as "kind caption: why"."""
    bad = []
    for line in s.command("text-fit", window):
        kind, _, width, height, text_width, text_height, room, text = line.split(":", 7)
        width, height, text_width, text_height, room = map(
            int, (width, height, text_width, text_height, room))
        need = text_width + room + (2 * BUTTON_INSET if kind == "button" else 0)
        # A label as high as two lines may wrap its text.
        wraps = kind == "label" and height >= 2 * text_height
        if need > width and not wraps:
            bad.append("%s %r: needs %d, has %d wide" % (kind, text, need, width))
        if kind != "column" and text_height > height:
            bad.append("%s %r: needs %d, has %d high" % (kind, text, text_height, height))
    return bad


def rect(s, window, name):
    return list(map(int, s.command("control-rect", window, IDS[name])))


def look(s, window, label, dpi, found):
    found += ["%s at %d DPI: %s" % (label, dpi, why) for why in misfits(s, window)]
    s.screenshot(window, "fit-%s-%d" % (label, dpi))


def close(s, window):
    s.command("close", window)
    s.command("wait-gone", window, 10000)


@on_versions("winxp", "vista")
def test_every_window_fits_its_text_at_96_and_120_dpi(h, winver):
    heights = {}
    found = []  # every misfit of every window, reported together
    for dpi in (96, 120):
        with Session(h, winver, user="Administrator", name="fit-%d" % dpi,
                     overrides="netapi32=n,b", env={"PLINVO_NETAPI_DATA": DATA}) as s:
            check_equal(s.run(r"C:\windows\system32\reg.exe", "add", r"HKCU\Control Panel\Desktop",
                              "/v", "LogPixels", "/t", "REG_DWORD", "/d", str(dpi), "/f"), 0,
                        "DPI set")
            s.install()
            s.put_file(h.double("netapi32.dll"), r"C:\windows\system32\netapi32.dll")
            s.write_text(DATA, "share\tdocs\tC:\\docs\t3\tTrelbane Plinvo\n"
                         "session\t\\\\PC1\talice\t3600\t59\n"
                         "file\t7\tC:\\docs\\report.doc\talice\t1\t3\n")
            os.makedirs(s.unix_path("C:\\docs"), exist_ok=True)
            s.start(FOLDER + "Plinvo.exe")
            check_equal([b.text for b in s.boxes_until_window(CAPTION)], [], "boxes at start-up")

            scale = lambda value: (value * dpi + 48) // 96  # noqa: E731  (rounded as MulDiv rounds)
            if s.command("client-size", CAPTION) != [str(scale(756)), str(scale(428))]:
                found.append("main window at %d DPI: not scaled" % dpi)
            # Edges scale, so a size may gain a pixel from rounding.
            if rect(s, CAPTION, "pgc1")[:2] != [0, scale(8)]:
                found.append("page control at %d DPI: not scaled" % dpi)
            heights[dpi] = int(s.command("text-fit", CAPTION)[0].split(":")[5])
            for page, label in enumerate(("main-mode", "main-folders", "main-sessions")):
                s.command("select-tab", CAPTION, IDS["pgc1"], page)
                look(s, CAPTION, label, dpi, found)
            s.command("click", CAPTION, IDS["m_btnSessionRefresh"])
            s.command("click", CAPTION, IDS["m_btnSessionOpenFiles"])
            s.wait_window("Open Files")
            look(s, "Open Files", "open-files", dpi, found)
            close(s, "Open Files")

            s.command("select-tab", CAPTION, IDS["pgc1"], 1)
            s.command("list-select", CAPTION, IDS["m_listviewFolders"], 0)
            s.command("click", CAPTION, IDS["m_btnFolderAccess"])
            s.wait_window("Share Access")
            look(s, "Share Access", "share-access", dpi, found)
            close(s, "Share Access")
            s.command("click", CAPTION, IDS["m_btnFolderNewShare"])
            s.wait_window("New Zendry Share-Dialog")
            look(s, "New Zendry Share-Dialog", "new-share", dpi, found)
            close(s, "New Zendry Share-Dialog")

            s.command("menu", CAPTION, IDS["menuAbout"])
            s.wait_window("About")
            if s.command("client-size", "About") != [str(scale(414)), str(scale(279))]:
                found.append("about box at %d DPI: not scaled" % dpi)
            if dpi == 96:
                check_equal(rect(s, "About", "btnVisitHomePage"), [24, 248, 91, 25],
                            "Visit Home Page as designed")
            look(s, "About", "about", dpi, found)
            close(s, "About")
            s.command("menu", CAPTION, IDS["menuCheckSharing"])
            s.wait_window("Sharing Check")
            look(s, "Sharing Check", "sharing-check", dpi, found)
            close(s, "Sharing Check")
    check_equal(found, [], "captions that do not fit")
    check(heights[120] > heights[96], "the text grows with the DPI setting: %r" % heights)
