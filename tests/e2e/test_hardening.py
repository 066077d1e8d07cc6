#!/usr/bin/env python3
"""Velamo never loses a window and never freezes: hung targets, a crash, a second start, the end
of the session and a restarted shell (a kill: in the shipped suite)."""

import struct
import unittest

from harness import EXE, HTMINBUTTON, POINTER, SW_MINIMIZE, VelamoTest, center, wstr


class HardeningTest(VelamoTest):
    def test_a_hung_program_is_hidden_without_freezing_velamo(self):
        t = self.targets()
        hung, minimized = t.new_window("Hung"), t.new_window("Hung minimized", 520, 300)
        t("ShowWindow", minimized, SW_MINIMIZE)
        t.send("Sleep", 6000)  # its thread stops answering
        self.drop_on(center(self.probe.rect(hung)))
        self.step_interval()  # Velamo still answers at once
        self.click_button("今チェック")
        self.step_interval()  # and again
        self.wait_listed(["Hung", "Hung minimized"])
        t.reply()
        self.wait_hidden(hung, minimized)  # once it answers again
        self.click_icon(0)
        self.wait_shown(hung)

    def test_a_minimize_buttons_window_closed_while_velamo_is_busy_gets_no_entry(self):
        t = self.targets()
        for i in range(100):
            t("ShowWindow", t.new_window(f"M{i}"), SW_MINIMIZE)
        closing = t.new_window("Closing", 520, 300)
        button = self.caption_point(closing, HTMINBUTTON, owner=t)
        self.click_button("今チェック")  # keeps Velamo busy for seconds
        self.settle()
        self.screen.click(*button, button=3)
        t("DestroyWindow", closing)
        expected = sorted(f"M{i}" for i in range(100))
        self.wait(lambda: sorted(self.list_items()) == expected, "the scan's windows", 30)
        self.settle(1.0)
        self.assertEqual(sorted(self.list_items()), expected)

    def test_a_crash_shows_every_window_and_leaves_only_its_report_usable(self):
        alpha, beta = self.hide_new_windows("Alpha", "Beta")
        self.step_interval()  # an interval of 1: the scan runs on while the report is open
        _, (pid,) = self.probe.call("GetWindowThreadProcessId", self.main, "b:4")
        process = self.probe("OpenProcess", 0x1F0FFF, 0, struct.unpack("<I", pid)[0])
        # A thread of Velamo's that runs at address 0: an access violation no code catches.
        self.probe("CreateRemoteThread", process, 0, 0, 0, 0, 0, 0)
        self.probe.window("Velamo", "#32770", timeout=10)  # the report
        self.assertTrue(self.probe.visible(alpha) and self.probe.visible(beta))
        self.assertEqual(self.tray.count(), 0)
        # The scan, still ticking, hides nothing, and the mouse hook is gone.
        self.t("ShowWindow", alpha, SW_MINIMIZE)
        self.screen.click(*self.caption_point(beta, HTMINBUTTON, owner=self.t), button=3)
        self.wait(lambda: self.right_click_seen(beta) == (HTMINBUTTON,) * 2, "the click")
        self.assertTrue(self.probe.visible(alpha) and self.probe.visible(beta))
        self.click_button("隠す")
        self.settle()
        self.assertEqual((self.probe.visible(self.main), self.tray.count()), (True, 0))
        self.assertEqual(self.answer(), "予期しないエラーが発生したため、終了します。")
        self.velamo.wait(10)

    def test_a_burst_of_failing_hand_overs_shows_one_message_at_a_time(self):
        (alpha,) = self.hide_new_windows("Alpha")
        _, (pid,) = self.probe.call("GetWindowThreadProcessId", self.main, "b:4")
        ours = lambda: [b for b in self.probe.windows("Velamo", "#32770")
                        if self.probe.call("GetWindowThreadProcessId", b, "b:4")[1][0] == pid]
        for second in [self.start(EXE, "/run", "no-such-program.exe") for _ in range(6)]:
            second.wait(30)
        for _ in range(6):
            self.wait(ours, "Velamo's message")
            self.assertEqual(len(ours()), 1)
            self.assertIn("no-such-program.exe", self.answer())
        self.settle()
        self.assertEqual((ours(), self.list_items(), self.probe.visible(alpha)), ([], ["Alpha"], False))

    def test_a_second_start_brings_the_first_up_and_the_session_end_asks_nothing(self):
        (alpha,) = self.hide_new_windows("Alpha")
        self.click_button("隠す")
        self.wait_icons(2)
        self.start(EXE).wait(20)
        self.wait_shown(self.main)
        self.wait_icons(1)
        self.assertEqual(len(self.probe.windows("Velamo", "VelamoForm")), 1)

        # At the end of the session every window comes back without a question to hold it up.
        done, (answer,) = self.probe.call("SendMessageTimeoutW", self.main, 0x11, 0, 0, 0, 3000,
                                            "b:8")  # WM_QUERYENDSESSION
        self.assertTrue(done and answer[0])
        self.probe("SendMessageTimeoutW", self.main, 0x16, 1, 0, 0, 3000, "b:8")  # WM_ENDSESSION
        self.wait_shown(alpha)
        self.wait_icons(0)
        self.assertFalse(self.probe.windows("Velamo - 終了"))

    def test_icons_come_back_after_the_shell_forgets_them(self):
        self.hide_new_windows("Alpha", "Beta")
        self.click_button("隠す")
        self.wait_icons(3)
        # The shell knows an icon by its window and ID: forget all of Velamo's, as a restart does.
        size = 168 if POINTER == 8 else 152  # NOTIFYICONDATAW as Windows 95 knew it
        for box in self.probe.children(self.main):
            for icon in range(3 if self.probe.cls(box) == "VelamoPicture" else 0):
                record = struct.pack("<I4xQI" if POINTER == 8 else "<III", size, box, icon)
                self.probe("Shell_NotifyIconW", 2, "a:" + record.ljust(size, b"\0").hex())
        self.wait_icons(0)
        restarted = self.probe("RegisterWindowMessageW", wstr("TaskbarCreated"))
        self.probe("PostMessageW", 0xFFFF, restarted, 0, 0)  # to every top-level window
        self.wait_icons(3)
        self.assertEqual([self.tray.tooltip(k, self.probe) for k in range(3)],
                         ["Alpha", "Beta", "Velamo"])


if __name__ == "__main__":
    unittest.main()
