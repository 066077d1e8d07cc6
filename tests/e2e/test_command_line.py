#!/usr/bin/env python3
"""The real Velamo.exe started with options: rules for programs, a program started into the
tray, a close into the tray, keys of the user's choosing, a second start handing its options
over, bad options."""

import os
import unittest

from harness import EXE, HTCAPTION, HTCLOSE, HTMINBUTTON, SW_MINIMIZE, VelamoTest, wstr

LAUNCHER = "Z:" + os.environ["VELAMO_LAUNCHER"].replace("/", "\\")


class CommandLineTest(VelamoTest):
    arguments = None

    def click_title_button(self, hwnd, owner=None, button=HTMINBUTTON):
        """A click on a button of the window's title bar, once it is in front (see the README)."""
        self.to_front(hwnd, owner)
        self.screen.click(*self.caption_point(hwnd, button, owner))

    def to_front(self, hwnd, owner=None):
        self.screen.click(*self.caption_point(hwnd, HTCAPTION, owner))
        self.wait(lambda: self.probe("GetForegroundWindow") == hwnd, "the window in front")

    def test_a_close_rule_sends_a_window_closed_at_its_button_or_by_alt_f4_not_by_its_menu(self):
        self.start_velamo("/close:notepad.exe")
        notepad = self.start_notepad()
        title = self.probe.text(notepad)
        close = self.caption_point(notepad, HTCLOSE)
        self.screen.drag(close, (close[0] - 150, close[1] + 100))  # let go elsewhere: nothing
        self.settle()
        self.assertEqual((self.probe.visible(notepad), self.list_items()), (True, []))
        for closing in (lambda: self.screen.click(*close), lambda: self.screen.key("alt+F4")):
            self.to_front(notepad)
            closing()
            self.wait_hidden(notepad)
            self.wait_listed([title])
            self.click_icon(0)
            self.wait_shown(notepad)
        self.to_front(notepad)
        self.screen.key("alt+f", "x")  # its menu's Exit
        self.wait(lambda: not self.probe("IsWindow", notepad), "notepad ended")
        self.assertEqual(self.list_items(), [])
        other = self.targets().new_window("Other", 60, 400)  # a program without a rule
        self.click_title_button(other, button=HTCLOSE)
        self.wait(lambda: not self.probe("IsWindow", other), "the other program's window closed")

    def test_a_rule_handed_over_by_a_second_start_sends_a_program_each_time_it_minimizes(self):
        self.start_velamo()
        self.start(EXE, "/minimized:NOTEPAD.EXE").wait(20)
        self.assertEqual(len(self.probe.windows("Velamo", "VelamoForm")), 1)
        notepad = self.start_notepad()
        t = self.targets()
        other = t.new_window("Other", 60, 400)
        self.click_title_button(other, t)
        for _ in range(2):  # brought back, and minimized again
            self.click_title_button(notepad)
            self.wait_hidden(notepad)
            self.wait_listed([self.probe.text(notepad)])
            self.click_icon(0)
            self.wait_shown(notepad)
        self.assertTrue(self.probe.visible(other) and self.probe("IsIconic", other))

    def test_an_open_rule_sends_a_programs_windows_shown_before_and_after_the_start(self):
        before = self.start_notepad()
        self.start_velamo("-Open:notepad.exe")
        self.wait_hidden(before)
        self.start("notepad")
        after = self.wait(lambda: [h for h in self.probe.windows(cls="Notepad") if h != before],
                          "the second notepad")[0]
        self.wait_hidden(after)
        self.wait_listed([self.probe.text(before)] * 2)
        self.click_icon(0)  # brought back, it stays
        self.wait_shown(before)
        self.settle(1.0)
        self.assertTrue(self.probe.visible(before))

    def test_run_sends_the_started_programs_main_window_and_passes_over_a_splash(self):
        self.start_velamo("/run", "notepad.exe")
        notepad = self.probe.window(cls="Notepad", timeout=20)
        self.addCleanup(self.end_process_of, notepad)  # Velamo's child, not the test's
        self.wait_listed([self.probe.text(notepad)])
        self.assertFalse(self.probe.visible(notepad))

        # Handed over by a second start: its launcher's splash is passed over, the program goes.
        self.start(EXE, "/run", LAUNCHER).wait(20)
        main = self.probe.window("E2E Main", timeout=20)
        self.addCleanup(self.end_process_of, main)
        self.wait_hidden(main)
        self.wait_listed([self.probe.text(notepad), "E2E Main"])
        self.start(EXE, "/run", "no-such-program.exe")  # named, with the system's reason
        self.assertIn("「no-such-program.exe」を起動できませんでした。\n\n", self.answer())

        # A chain of launchers that end at once: the window of the last is the program's.
        self.start(EXE, "/run", LAUNCHER, "relay", "2").wait(20)
        relayed = self.wait(lambda: [h for h in self.probe.windows("E2E Main") if h != main],
                            "the relayed program's window", 20)[0]
        self.addCleanup(self.end_process_of, relayed)
        self.wait_hidden(relayed)
        self.wait_listed([self.probe.text(notepad), "E2E Main", "E2E Main"])

    def test_keys_of_the_users_choosing_one_another_program_holds_nobutton_and_a_close_rule(self):
        t = self.targets()
        holder = t.new_window("Holder", 60, 400)
        self.assertTrue(t("RegisterHotKey", holder, 1, 3, ord("J")))  # Ctrl+Alt+J
        self.start_velamo("/hidekey:ctrl+alt+shift+Up", "/restorekey:ctrl+alt+shift+Down",
                          "/nobutton")
        self.start(EXE, "/restorekey:Ctrl+Alt+J", "/close:NOTEPAD.EXE")  # handed over
        self.assertIn("キー「Ctrl+Alt+J」はすでに使われているため", self.answer())
        self.screen.click(*self.caption_point(holder, HTMINBUTTON, owner=t), button=3)  # /nobutton
        self.wait(lambda: self.right_click_seen(holder) == (HTMINBUTTON,) * 2, "its program's")
        notepad = self.start_notepad()
        self.screen.key("ctrl+alt+shift+Down")
        self.settle()
        self.assertTrue(self.probe.visible(notepad))
        self.screen.key("ctrl+alt+shift+Up")  # the two keys traded chords
        self.wait_hidden(notepad)
        self.wait_listed([self.probe.text(notepad)])
        self.click_icon(0)
        self.wait_shown(notepad)
        self.click_title_button(notepad, button=HTCLOSE)  # the rule with /nobutton
        self.wait_hidden(notepad)

    def test_a_start_takes_over_from_a_velamo_that_died_holding_its_name(self):
        self.probe("CreateMutexW", 0, 0, wstr("Local\\Velamo"))  # as a dead one leaves it
        t = self.targets()
        left = t.new_window("Left hidden")
        t("SetPropW", left, wstr("Velamo.Hidden"), 1)
        t("ShowWindow", left, 0)
        self.start_velamo()
        self.wait_listed(["Left hidden"])
        self.click_icon(0)
        self.wait_shown(left)

    def test_bad_options_are_named_with_the_usage_and_change_nothing(self):
        t = self.targets()
        minimized = t.new_window("Minimized")
        t("ShowWindow", minimized, SW_MINIMIZE)
        first = self.start(EXE, "/minimized:notepad.exe", "/frob", "/run", "x.exe")
        self.assertRegex(self.answer(), "^「/frob」というオプションはありません。(.|\n)*/minimized:プログラム")
        self.assertEqual((first.wait(10), self.probe.windows("Velamo", "VelamoForm")), (1, []))

        # A rule for Velamo's own program leaves a second start's message on screen.
        self.start_velamo("/hidekey:Ctrl+Alt+H", "/open:Velamo.exe")
        self.start(EXE, "/hidekey:Shift+Left")  # Shift alone would take an editing key
        self.assertTrue(self.answer().startswith("「/hidekey:Shift+Left」のキーの組み合わせは"))
        self.start(EXE, "/?")
        self.assertTrue(self.answer().startswith("使い方: Velamo.exe [オプション...]"))
        notepad = self.start_notepad()
        self.screen.key("ctrl+alt+h")  # the running Velamo's key is unchanged
        self.wait_hidden(notepad)
        self.assertEqual(self.list_items(), [self.probe.text(notepad)])
        self.assertTrue(self.probe.visible(minimized))


if __name__ == "__main__":
    unittest.main()
