#!/usr/bin/env python3
"""The About window of the real Velamo.exe: as pictured in docs/, the links' hand cursor and
underline, a link opening its address, and OK."""

import os
import subprocess
import unittest
from pathlib import Path

from harness import VelamoTest, center, wait_until

CAPTION = "Velamo - バージョン情報"
BLUE = (0, 0, 255)
WEB_PAGE = "https://www.example.org/velamo/"


class AboutTest(VelamoTest):
    def open_by_keys(self):
        self.screen.click(*self.center_of(self.control("ListBox")))
        self.screen.key("alt+h", "a")
        return self.probe.window(CAPTION, "VelamoForm", timeout=5)

    def test_opens_over_the_main_window_as_pictured_and_its_links_answer_the_pointer(self):
        about = self.open_by_keys()
        p = self.probe
        self.assertEqual(p("GetWindow", about, 4), self.main)  # GW_OWNER
        self.assertFalse(p("IsWindowEnabled", self.main))
        self.assertLessEqual(max(abs(a - m) for a, m in zip(center(p.rect(about)),
                                                              center(p.rect(self.main)))), 1)
        self.screen.key("Escape")  # no cancel button: Esc does nothing
        self.wait(lambda: self.as_pictured("about-window", p.rect(about)), "the window pictured")

        # Over a link: the hand, and the link underlined; over the background: neither.
        x, y = p.rect_of_client(about)[:2]
        web = (x + 8, y + 104, x + 217, y + 121)
        looks = []
        for at in ((225, 130), (112, 112), (225, 130)):  # background, link, background
            self.screen.move(x + at[0], y + at[1])
            blue = sum(row.count(BLUE) for row in self.screen.grab(web))
            looks.append((self.screen.cursor(), blue))
        self.assertEqual(looks[0], looks[2])
        self.assertNotEqual(looks[1][0], looks[0][0])
        self.assertGreater(looks[1][1], looks[0][1])

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
        self.assertEqual(wait_until(lambda: record.exists() and record.read_text().strip(), 10,
                                    "the handler"), WEB_PAGE)

        ok = next(c for c in self.probe.children(about) if self.probe.text(c) == "OK")
        self.screen.click(*center(self.probe.rect(ok)))
        self.wait_hidden(about)
        self.step_interval()  # the main window answers again

        self.wait_shown(self.open_by_keys())  # and it opens again


if __name__ == "__main__":
    unittest.main()
