#!/usr/bin/env python3
"""The About window of the real Velamo.exe: its layout, the links' hand cursor and underline, a
link opening its address, and OK."""

import os
import subprocess
import unittest
from pathlib import Path

from harness import VelamoTest, center, wait_until

CAPTION = "Velamo - バージョン情報"
BLUE = (0, 0, 255)
WEB_PAGE = "https://www.example.org/velamo/"


def pixels(grab, rect):
    left, top, right, bottom = rect
    return [p for row in grab[top:bottom] for p in row[left:right]]


class AboutTest(VelamoTest):
    def open_by_keys(self):
        self.screen.click(*self.center_of(self.control("ListBox")))
        self.screen.key("alt+h", "a")
        return self.probe.window(CAPTION, "VelamoForm", timeout=5)

    def grab(self, about):
        x, y, width, height = self.probe.rect_of_client(about)
        return self.screen.grab((x, y, x + width, y + height))

    def test_opens_over_the_main_window_with_its_layout_and_links(self):
        about = self.open_by_keys()
        p = self.probe
        self.assertEqual(p.rect_of_client(about)[2:], (232, 197))
        self.assertEqual(p("GetWindow", about, 4), self.main)  # GW_OWNER
        self.assertFalse(p("IsWindowEnabled", self.main))
        self.assertLessEqual(max(abs(a - m) for a, m in zip(center(p.rect(about)),
                                                              center(p.rect(self.main)))), 1)
        self.screen.key("Escape")  # no cancel button: Esc does nothing
        self.settle()
        self.assertTrue(p.visible(about))
        self.screen.screenshot("about_window", p.rect(about))

        # Positions in pixels at 96 dpi: each twips position of the layout divided by 15.
        shot = self.grab(about)
        caption_text, active_caption = p("GetSysColor", 9), p("GetSysColor", 2)
        rgb = lambda c: (c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF)
        self.assertIn(rgb(caption_text), pixels(shot, (40, 0, 153, 33)))  # the title
        self.assertIn(rgb(active_caption), pixels(shot, (43, 3, 148, 36)))  # its shadow
        background = shot[-1][-1]
        self.assertGreater(sum(q != background for q in pixels(shot, (4, 4, 36, 36))), 200)  # icon
        self.assertTrue(any(sum(q) < 200 for q in pixels(shot, (144, 16, 201, 33))))  # version
        web, mail = (8, 104, 217, 121), (8, 144, 217, 161)
        plain = [pixels(shot, link).count(BLUE) for link in (web, mail)]
        self.assertTrue(all(plain))

        # Over a link: the hand, and the link underlined; over the background: neither.
        x, y = p.rect_of_client(about)[:2]
        self.screen.move(x + 225, y + 130)
        arrow = self.screen.cursor()
        self.screen.move(x + 112, y + 112)
        hand = self.screen.cursor()
        underlined = pixels(self.grab(about), web).count(BLUE)
        self.screen.move(x + 225, y + 130)
        self.assertEqual(pixels(self.grab(about), web).count(BLUE), plain[0])
        self.assertGreater(underlined, plain[0])
        self.assertNotEqual(hand, arrow)

    def test_a_link_opens_its_address_and_ok_closes_the_window_which_opens_again(self):
        record = Path(os.environ["WINEPREFIX"]) / "drive_c" / "link.txt"
        record.unlink(missing_ok=True)
        subprocess.run(["wine", "reg", "add", r"HKLM\Software\Classes\https\shell\open\command",
                        "/ve", "/d", r"cmd /c echo %1>C:\link.txt", "/f"], check=True,
                       capture_output=True)
        about = self.open_by_keys()
        x, y = self.probe.rect_of_client(about)[:2]
        self.screen.click(x + 112, y + 112, button=3)
        self.screen.click(x + 112, y + 112)
        wait_until(lambda: record.exists() and record.read_text().strip(), 10, "the handler")
        self.assertEqual(record.read_text().strip(), WEB_PAGE)

        ok = next(c for c in self.probe.children(about) if self.probe.text(c) == "OK")
        self.screen.click(*center(self.probe.rect(ok)))
        self.wait_hidden(about)
        self.step_interval()  # the main window answers again

        self.wait_shown(self.open_by_keys())  # and it opens again


if __name__ == "__main__":
    unittest.main()
