#!/usr/bin/env python3
"""Hiding with the real Velamo.exe: the crosshair dragged onto windows of other programs, and
the scan of minimized windows, by button and by timer."""

import time
import unittest

from harness import E2ETestCase, JAPANESE_TITLE, Rect, child_windows, refresh, wait_until
from velamo import Velamo


class HidingTestCase(E2ETestCase):
    def setUp(self):
        super().setUp()
        self.velamo = Velamo(self.session)

    def target(self, title, app):
        return self.session.wait_for_window(title=title, pid=app.pid)

    def wait_hidden(self, window):
        wait_until(lambda: not refresh(self.session.probe, window).visible, 5,
                   what=f"{window.title!r} hidden")

    def wait_listed(self, titles):
        wait_until(lambda: self.velamo.list_items() == titles, 5, what=f"List1 showing {titles}")

    def assert_hidden_and_listed(self, window, titles):
        self.wait_hidden(window)
        self.wait_listed(titles)
        self.session.tray.wait_icon_count(len(titles))


class PickerTest(HidingTestCase):
    def test_drop_on_a_plain_window_hides_it_into_the_tray(self):
        app = self.session.start_targets("plain@520,40")
        plain = self.target("E2E Plain", app)
        self.velamo.drop_crosshair_on(plain.client.center)
        self.assert_hidden_and_listed(plain, ["E2E Plain"])
        self.assertTrue(self.velamo.refreshed().visible)

    def test_drop_on_a_dialogs_child_control_hides_the_dialog(self):
        app = self.session.start_targets("dialog@520,40")
        dialog = self.target("E2E Dialog", app)
        button = child_windows(self.session.probe, dialog.hwnd, cls="Button")[0]
        self.velamo.drop_crosshair_on(
            button.client_rect.offset(dialog.client.left, dialog.client.top).center)
        self.assert_hidden_and_listed(dialog, ["E2E Dialog"])

    def test_drop_on_an_owned_popup_hides_its_owner(self):
        app = self.session.start_targets("popup@520,40")
        owner = self.target("E2E Owner", app)
        popup = self.target("E2E Popup", app)
        self.velamo.drop_crosshair_on(popup.client.center)
        self.assert_hidden_and_listed(owner, ["E2E Owner"])
        self.assertTrue(refresh(self.session.probe, popup).visible)

    def test_untitled_and_japanese_titles_are_listed_exactly(self):
        app = self.session.start_targets("untitled@520,40", "japanese@520,300")
        untitled = next(w for w in self.session.find_windows(pid=app.pid) if w.title == "")
        japanese = self.target(JAPANESE_TITLE, app)
        self.velamo.drop_crosshair_on(untitled.client.center)
        self.assert_hidden_and_listed(untitled, [""])
        self.velamo.drop_crosshair_on(japanese.client.center)
        self.assert_hidden_and_listed(japanese, ["", JAPANESE_TITLE])
        # The second icon stands left of the first; its tooltip is the title.
        tooltip = self.session.tray_icon_tooltip(1)
        self.assertEqual(tooltip.title, JAPANESE_TITLE)

    def test_drops_on_velamo_itself_and_a_plain_click_hide_nothing(self):
        app = self.session.start_targets("plain@520,40")
        plain = self.target("E2E Plain", app)
        for control in (self.velamo.control(cls="ListBox"),
                        self.velamo.control(cls="Button", text="今チェック"),
                        self.velamo.crosshair()):
            self.velamo.drop_crosshair_on(self.velamo.center_of(control))
        self.velamo.drop_crosshair_on(self.velamo.refreshed().caption_point())
        crosshair = self.velamo.center_of(self.velamo.crosshair())
        self.session.input.click(*crosshair)
        time.sleep(0.5)
        self.assertEqual(self.velamo.list_items(), [])
        self.assertEqual(self.session.tray_icon_count(), 0)
        self.assertTrue(self.velamo.refreshed().visible)
        self.assertTrue(refresh(self.session.probe, plain).visible)

    def test_cursor_is_the_crosshair_during_the_drag(self):
        list_box = self.velamo.center_of(self.velamo.control(cls="ListBox"))
        self.session.input.move(*list_box)
        arrow = self.session.cursor_image()
        start = self.velamo.center_of(self.velamo.crosshair())
        self.session.input.move(*start)
        self.session.input.down()
        for step in range(1, 6):
            self.session.input.move(start[0] + 40 * step, start[1] + 60 * step)
        during = self.session.cursor_image()
        self.session.input.move(*list_box)
        self.session.input.up()
        self.assertEqual((during.width, during.height, during.xhot, during.yhot), (32, 32, 15, 15))
        self.assertNotEqual(during.signature, arrow.signature)
        self.assertEqual(self.velamo.list_items(), [])

    def test_drop_on_wines_notepad_hides_it(self):
        self.session.start("notepad")
        notepad = self.session.wait_for_window(cls="Notepad", timeout=20)
        wait_until(lambda: refresh(self.session.probe, notepad).visible, 10, what="notepad shown")
        notepad = refresh(self.session.probe, notepad)
        # Notepad opened over Velamo: bring Velamo back to the front from its taskbar button.
        button = next(b for b in self.session.probe.taskbar()["children"]
                      if b["target"] == self.velamo.window.hwnd)
        self.session.input.click(*Rect.from_json(button["rect"]).center)
        wait_until(lambda: self.session.probe.focus()["foreground"]["hwnd"] == self.velamo.window.hwnd, 5,
                   what="Velamo in front")
        self.velamo.drop_crosshair_on((notepad.rect.right - 60, notepad.client.center[1]))
        self.assert_hidden_and_listed(notepad, [notepad.title])


class ScanTest(HidingTestCase):
    def click_check_now(self):
        self.session.input.click(
            *self.velamo.center_of(self.velamo.control(cls="Button", text="今チェック")))

    def test_check_now_hides_minimized_windows_after_the_earlier_entries(self):
        app = self.session.start_targets("plain@520,40", "minimized:最小化A",
                                         "minimized:Minimized B", "normal:Normal C@520,300")
        plain = self.target("E2E Plain", app)
        minimized = [self.target(title, app) for title in ("最小化A", "Minimized B")]
        normal = self.target("Normal C", app)
        self.velamo.drop_crosshair_on(plain.client.center)
        self.assert_hidden_and_listed(plain, ["E2E Plain"])

        self.click_check_now()
        for window in minimized:
            self.wait_hidden(window)
        self.session.tray.wait_icon_count(3)
        items = self.velamo.list_items()
        self.assertEqual(items[0], "E2E Plain")
        self.assertCountEqual(items[1:], ["最小化A", "Minimized B"])
        self.assertTrue(refresh(self.session.probe, normal).visible)
        self.assertTrue(self.velamo.refreshed().visible)

        # Nothing minimized is left: another scan changes nothing.
        self.click_check_now()
        time.sleep(0.5)
        self.assertEqual(self.velamo.list_items(), items)

    def test_timer_scans_while_the_interval_is_not_zero(self):
        app = self.session.start_targets("normal:Later@520,40", "normal:Afterwards@520,300")
        later = self.target("Later", app)
        afterwards = self.target("Afterwards", app)
        for _ in range(5):
            self.session.input.click(*self.velamo.scroll_arrow(up=True))
        wait_until(lambda: self.velamo.interval_text() == "5", 5, what="an interval of 5")

        self.minimize(later)
        self.assert_hidden_and_listed(later, ["Later"])

        for _ in range(5):
            self.session.input.click(*self.velamo.scroll_arrow(up=False))
        wait_until(lambda: self.velamo.interval_text() == "0", 5, what="an interval of 0")
        self.minimize(afterwards)
        time.sleep(1.0)  # twenty periods of the interval used before
        self.assertTrue(refresh(self.session.probe, afterwards).visible)
        self.assertEqual(self.velamo.list_items(), ["Later"])

    def minimize(self, window):
        """Minimizes a window of another program from its system menu, by keyboard."""
        self.session.focus_desktop()
        self.session.input.click(*refresh(self.session.probe, window).caption_point())
        self.session.input.key("alt+space")
        wait_until(lambda: self.session.find_windows(cls="#32768", visible=True), 5,
                   what="the system menu")
        self.session.input.key("n")
        wait_until(lambda: refresh(self.session.probe, window).iconic or
                   not refresh(self.session.probe, window).visible, 5,
                   what=f"{window.title!r} minimized")


if __name__ == "__main__":
    unittest.main()
