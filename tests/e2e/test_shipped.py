#!/usr/bin/env python3
"""The 32-bit Velamo.exe users get, as the mingw preset builds it, among the desktop's programs:
64-bit ones where the machine runs 32-bit code under an emulator, slowly, so waits are long."""

import os
import unittest

from harness import EXE, SW_MINIMIZE, VelamoTest, center

if not os.path.isfile(EXE):
    raise SystemExit(f"{EXE} is missing: build it first with cmake --build --preset mingw")


class ShippedTest(VelamoTest):
    patience = 30

    def test_hides_brings_back_scans_adopts_and_quits(self):
        notepad = self.start_notepad()
        memo = self.probe.text(notepad)
        self.drop_on(center(self.probe.rect(notepad)))
        self.wait_hidden(notepad)
        self.wait_listed([memo])
        self.click_icon(0)
        self.wait_shown(notepad)
        self.wait_listed([])

        t = self.targets()
        kept, shown = t.new_window("最小化"), t.new_window("Shown", 520, 300)
        for hwnd in (kept, shown):
            t("ShowWindow", hwnd, SW_MINIMIZE)
        self.click_button("今チェック")
        self.wait_hidden(kept, shown)
        self.assertCountEqual(self.list_items(), ["最小化", "Shown"])

        # A new start takes up what a killed Velamo held, but what another program showed since.
        self.velamo.kill()
        self.velamo.wait()
        self.wait(self.tray.sweep, "the killed Velamo's icons to go")
        t("ShowWindow", shown, 5)
        self.velamo = self.start_velamo()
        self.wait_listed(["最小化"])
        self.screen.click(*self.center_of(self.control("ListBox")))
        self.screen.key("alt+f", "x")
        self.answer_quit(yes=True)
        self.wait_shown(kept)
        self.velamo.wait(10 * self.patience)
        self.wait_icons(0)


if __name__ == "__main__":
    unittest.main()
