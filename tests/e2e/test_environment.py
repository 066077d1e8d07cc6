#!/usr/bin/env python3
"""The e2e harness checked on the Wine desktop with e2e_targets.exe and Wine's own programs
only: what the probe reads back, real X input reaching windows, the taskbar, and where the
notification area puts icons."""

import struct
import subprocess
import sys
import time
import unittest

from harness import (E2ETestCase, JAPANESE_TITLE, Rect, WaitTimeout, child_windows, refresh,
                     wait_until)
from harness.fixture import WM_LBUTTONUP, WM_RBUTTONUP

WS_POPUP = 0x80000000
MINIMIZED_TITLES = ("最小化A", "Minimized B")
ALL_WINDOWS = ("plain", "dialog", "popup", "untitled", "japanese", "noicon",
               "minimized:" + MINIMIZED_TITLES[0], "minimized:" + MINIMIZED_TITLES[1],
               "normal:Normal C")


def colour_near(a, b, tolerance=8):
    return all(abs(x - y) <= tolerance for x, y in zip(a, b))


class DesktopTest(E2ETestCase):
    """The prepared desktop: geometry, code page, fonts, taskbar, wine-run.sh."""

    def test_desktop_fills_the_x_screen_from_its_origin(self):
        metrics = self.session.metrics()
        self.assertEqual(self.session.origin, (0, 0))
        self.assertEqual((metrics["screen_width"], metrics["screen_height"]), (1024, 768))
        self.assertEqual(self.session.screen.size_rect(), Rect(0, 0, 1024, 768))

    def test_wine_runs_with_the_japanese_code_page(self):
        self.assertEqual(self.session.metrics()["ansi_code_page"], 932)

    def test_caption_button_font_is_installed(self):
        self.assertEqual(self.session.probe.query("font", "Marlett")["face"], "Marlett")

    def test_taskbar_spans_the_bottom_with_a_start_button(self):
        taskbar = self.session.probe.taskbar()
        rect = Rect.from_json(taskbar["rect"])
        self.assertEqual((rect.left, rect.right, rect.bottom), (0, 1024, 768))
        work = self.session.metrics()["work_area"]
        self.assertEqual(work["bottom"], rect.top)
        start = taskbar["children"][0]
        self.assertEqual((start["target"], start["visible"]), (0, True))
        self.assertEqual(Rect.from_json(start["rect"]).left, 0)

    def test_wine_run_passes_output_and_exit_code(self):
        wine_run = self.session.env.wine_home / "wine-run.sh"
        done = subprocess.run([str(wine_run), "cmd", "/c", "echo e2e-output& exit /b 7"],
                              capture_output=True, timeout=60)
        self.assertEqual(done.returncode, 7)
        self.assertIn(b"e2e-output", done.stdout)


class ProbeTest(E2ETestCase):
    """What the probe reads from another process's windows."""

    def test_lists_every_target_window_with_exact_titles(self):
        app = self.session.start_targets(*ALL_WINDOWS)
        mine = [w for w in self.session.find_windows(pid=app.pid) if w.cls != "E2E.TrayOwner"
                and w.cls.startswith("E2E.")]
        by_title = {w.title: w for w in mine}
        expected = {"E2E Plain", "E2E Dialog", "E2E Owner", "E2E Popup", "", JAPANESE_TITLE,
                    "E2E No Icon", *MINIMIZED_TITLES, "Normal C"}
        self.assertEqual(set(by_title), expected)
        self.assertEqual(len(mine), len(expected))
        for event in app.windows:
            self.assertEqual(by_title[event["title"]].hwnd, event["hwnd"])
            self.assertEqual(by_title[event["title"]].cls, event["class"])
        self.assertEqual(by_title[JAPANESE_TITLE].cls, "E2E.Japanese")
        self.assertEqual(by_title[""].cls, "E2E.Untitled")
        self.assertTrue(all(w.exe.lower() == "e2e_targets.exe" for w in mine))
        for title in MINIMIZED_TITLES:
            self.assertTrue(by_title[title].iconic and by_title[title].visible, title)

    def test_popup_is_owned_and_beside_its_owner(self):
        app = self.session.start_targets("popup")
        owner = self.session.wait_for_window(title="E2E Owner", pid=app.pid)
        popup = self.session.wait_for_window(title="E2E Popup", pid=app.pid)
        self.assertEqual(popup.owner, owner.hwnd)
        self.assertEqual(owner.owner, 0)
        self.assertTrue(popup.style & WS_POPUP)
        self.assertGreaterEqual(popup.rect.left, owner.rect.right)

    def test_shown_windows_do_not_overlap(self):
        app = self.session.start_targets(*ALL_WINDOWS)
        shown = [w for w in self.session.find_windows(pid=app.pid, visible=True) if not w.iconic]
        self.assertEqual(len(shown), 8)
        for i, a in enumerate(shown):
            for b in shown[i + 1:]:
                apart = (a.rect.right <= b.rect.left or b.rect.right <= a.rect.left
                         or a.rect.bottom <= b.rect.top or b.rect.bottom <= a.rect.top)
                self.assertTrue(apart, f"{a} overlaps {b}")

    def test_reads_dialog_controls_and_list_items(self):
        app = self.session.start_targets("dialog")
        controls = child_windows(self.session.probe, app.hwnd("E2E Dialog"))
        self.assertEqual([(c.cls, c.control_id) for c in controls],
                         [("Static", 103), ("Edit", 102), ("Button", 101), ("ListBox", 104)])
        self.assertEqual([c.title for c in controls], ["E2E Static", "", "E2E Button", ""])
        self.assertEqual(controls[1].client_rect, Rect(10, 34, 270, 58))
        listbox = self.session.probe.listbox(controls[3].hwnd)
        self.assertEqual([i["text"] for i in listbox["items"]],
                         ["E2E Item 1", "E2E 項目 2", "E2E Item 3"])
        first, second = (Rect.from_json(i["rect"]) for i in listbox["items"][:2])
        self.assertEqual(second.top, first.bottom)

    def test_reads_list_view_rows_and_a_click_selects_one(self):
        app = self.session.start_targets("list")
        view = child_windows(self.session.probe, app.hwnd("E2E List"), cls="SysListView32")[0]
        rows = self.session.probe.listview(view.hwnd)
        self.assertEqual((rows["count"], rows["columns"], rows["selected_count"]), (3, 2, 0))
        self.assertEqual([r["texts"] for r in rows["items"]],
                         [["E2E Row 1", "Class 1"], ["E2E 行 2", "Class 2"],
                          ["E2E Row 3", "Class 3"]])
        label = Rect.from_json(rows["items"][1]["label_rect"])
        self.session.input.click(*view.to_screen(*label.center))
        wait_until(lambda: [r["selected"] for r in self.session.probe.listview(view.hwnd)["items"]]
                   == [False, True, False], 5, what="the second row selected")

    def test_class_icons_show_in_captions(self):
        app = self.session.start_targets("plain", "noicon")
        plain = self.session.wait_for_window(title="E2E Plain", pid=app.pid)
        noicon = self.session.wait_for_window(title="E2E No Icon", pid=app.pid)
        red = tuple(app.window_event("E2E Plain")["icon_rgb"])
        self.assertIsNone(app.window_event("E2E No Icon")["icon_rgb"])

        def caption_icon(window):
            return self.session.screen.grab(Rect(window.rect.left, window.rect.top,
                                                 window.rect.left + 30, window.client.top))
        self.assertGreaterEqual(caption_icon(plain).count_color(red, 8), 16 * 16 - 8)
        self.assertEqual(caption_icon(noicon).count_color(red, 8), 0)

    def test_reads_icon_groups_of_a_file(self):
        icons = self.session.probe.icons(self.session.env.targets)
        self.assertEqual(icons["count"], 2)
        sizes = [[(i["width"], i["height"], i["bpp"]) for i in g["images"]]
                 for g in icons["groups"]]
        self.assertEqual(sizes, [[(16, 16, 32), (32, 32, 32), (48, 48, 32)],
                                 [(16, 16, 32), (32, 32, 32)]])
        first = icons["extracted"][0]
        self.assertEqual((first["small"]["width"], first["large"]["width"]), (16, 32))


class InputTest(E2ETestCase):
    """Real mouse and keys from xdotool reach Wine's windows where the probe says they are."""

    def test_click_focuses_the_edit_and_keys_reach_it(self):
        app = self.session.start_targets("dialog", "plain")
        edit = child_windows(self.session.probe, app.hwnd("E2E Dialog"), cls="Edit")[0]
        self.session.input.click(*edit.rect.center)
        focus = self.session.probe.focus()
        self.assertEqual(focus["focus"]["hwnd"], edit.hwnd)
        self.assertEqual(focus["foreground"]["hwnd"], app.hwnd("E2E Dialog"))
        self.session.input.type("Hello e2e!")
        self.assertEqual(refresh(self.session.probe, edit).title, "Hello e2e!")
        self.session.input.key("End", "shift+Home", "BackSpace")
        self.assertEqual(refresh(self.session.probe, edit).title, "")

    def test_button_click_arrives_as_a_command(self):
        app = self.session.start_targets("dialog")
        button = child_windows(self.session.probe, app.hwnd("E2E Dialog"), text="E2E Button")[0]
        since = app.process.event_count()
        self.session.input.click(*button.rect.center)
        app.process.wait_event("command", since=since, id=101, title="E2E Dialog")

    def test_alt_f4_closes_only_the_active_window(self):
        app = self.session.start_targets("plain", "normal:Other")
        plain = self.session.wait_for_window(title="E2E Plain", pid=app.pid)
        self.session.input.click(*plain.caption_point())
        self.session.input.key("alt+F4")
        self.session.wait_window_gone(plain.hwnd)
        self.assertTrue(app.process.running)
        self.session.wait_for_window(title="Other", pid=app.pid)

    def test_dragging_the_caption_moves_the_window_by_the_drag(self):
        app = self.session.start_targets("plain")
        before = self.session.wait_for_window(title="E2E Plain", pid=app.pid)
        start = before.caption_point()
        self.session.input.drag(start, (start[0] + 150, start[1] + 100))
        after = wait_until(lambda: (lambda w: w if w.rect != before.rect else None)(
            refresh(self.session.probe, before)), 5, what="the window to move")
        self.assertEqual(after.rect, before.rect.offset(150, 100))

    def test_drag_inside_the_client_area_is_seen_step_by_step(self):
        app = self.session.start_targets("plain")
        window = self.session.wait_for_window(title="E2E Plain", pid=app.pid)
        since = app.process.event_count()
        self.session.input.drag(window.to_screen(20, 20), window.to_screen(120, 90), steps=8)
        down = app.process.wait_event("mouse", since=since, message=0x201)
        up = app.process.wait_event("mouse", since=since, message=WM_LBUTTONUP)
        self.assertEqual((down["x"], down["y"], up["x"], up["y"]), (20, 20, 120, 90))
        self.assertGreaterEqual(up["moves"], 4)

    def test_pointer_position_agrees_between_x_and_windows(self):
        self.session.input.move(300, 400)
        self.assertEqual(self.session.input.pointer(), (300, 400))
        cursor = self.session.probe.cursor()
        self.assertEqual((cursor["x"], cursor["y"]), (300, 400))
        self.assertEqual(self.session.probe.point(300, 400)["window"]["class"], "#32769")

    def test_cursor_shape_follows_the_window_under_it(self):
        app = self.session.start_targets("dialog", "plain")
        plain = self.session.wait_for_window(title="E2E Plain", pid=app.pid)
        edit = child_windows(self.session.probe, app.hwnd("E2E Dialog"), cls="Edit")[0]
        self.session.input.move(*plain.to_screen(50, 50))
        arrow = self.settled_cursor()
        self.session.input.move(*edit.rect.center)
        wait_until(lambda: self.settled_cursor() != arrow, 5, what="another cursor over the edit")
        self.session.input.move(*plain.to_screen(60, 60))
        wait_until(lambda: self.settled_cursor() == arrow, 5, what="the arrow again")

    def settled_cursor(self):
        """The cursor's shape once two looks 0.1 s apart agree."""
        def same_twice():
            first = self.session.cursor_image().signature
            time.sleep(0.1)
            return first if first == self.session.cursor_image().signature else None
        return wait_until(same_twice, 5, what="the cursor to settle")

    def test_taskbar_button_restores_a_minimized_window(self):
        # Explorer lays out its buttons again when the foreground window changes, not when a
        # window merely shows: the plain window's activation brings Task A's button.
        app = self.session.start_targets("minimized:Task A", "plain")
        window = self.session.wait_for_window(title="Task A", pid=app.pid)
        self.assertTrue(window.iconic)
        buttons = wait_until(lambda: [b for b in self.session.probe.taskbar()["children"]
                                      if b["target"] == window.hwnd and b["visible"]], 5,
                             what="a taskbar button for Task A")
        self.assertEqual(len(buttons), 1)
        self.assertEqual(buttons[0]["text"], "Task A")
        self.session.input.click(*Rect.from_json(buttons[0]["rect"]).center)
        wait_until(lambda: not refresh(self.session.probe, window).iconic, 5,
                   what="the window to be restored")

    def test_closing_every_window_ends_the_fixture(self):
        app = self.session.start_targets("plain", "normal:Second")
        for title in ("E2E Plain", "Second"):
            window = self.session.wait_for_window(title=title, pid=app.pid)
            self.session.input.click(*self.session.close_button_point(window))
            self.session.wait_window_gone(window.hwnd)
        self.assertEqual(app.process.wait_exit(10), 0)
        self.assertEqual(app.process.events[-1], {"event": "exit", "reason": "all windows closed"})


class TrayTest(E2ETestCase):
    """Notification-area geometry checked against real icons and real clicks."""

    def setUp(self):
        super().setUp()
        self.session.input.move(500, 300)  # no tooltip over the tray from an earlier test
        self.before = self.session.tray_icon_count()
        self.app = self.session.start_targets("tray:3")
        self.added = self.app.tray_icons_added()
        self.session.tray.wait_icon_count(self.before + 3)

    def test_icons_sit_right_to_left_in_the_order_added(self):
        for i, icon in enumerate(self.added):
            image = self.session.tray.icon_image(self.before + i)
            self.assertEqual(image.dominant_color(), tuple(icon["icon_rgb"]), f"icon {i}")
        next_cell = self.session.tray_icon_rect(self.before + 3)
        self.assertEqual(self.session.screen.grab(next_cell.inset(2)).colors().most_common(1)[0][1],
                         16 * 16, "the cell after the last icon is empty")

    def test_real_clicks_reach_the_icon_clicked(self):
        for i, icon in enumerate(self.added):
            rect = self.session.tray_icon_rect(self.before + i, self.before + 3)
            for button, message in ((1, WM_LBUTTONUP), (3, WM_RBUTTONUP)):
                since = self.app.process.event_count()
                self.session.input.click(*rect.center, button=button)
                self.app.wait_tray_message(icon["id"], message, since=since)

    def test_a_removed_icon_lets_later_ones_shift_right(self):
        first = self.session.tray_icon_rect(self.before)
        self.session.input.click(*first.center, button=2)
        self.app.process.wait_event("tray_removed", id=self.added[0]["id"])
        self.session.tray.wait_icon_count(self.before + 2)
        image = self.session.tray.icon_image(self.before)
        self.assertEqual(image.dominant_color(), tuple(self.added[1]["icon_rgb"]))
        since = self.app.process.event_count()
        self.session.input.click(*first.center)
        self.app.wait_tray_message(self.added[1]["id"], WM_LBUTTONUP, since=since)
        self.assertEqual(self.app.process.find_events("tray", since=since, id=self.added[0]["id"]),
                         [])

    def test_hovering_an_icon_shows_its_tip(self):
        tooltip = self.session.tray_icon_tooltip(self.before + 1)
        self.assertEqual(tooltip.title, self.added[1]["tip"])
        self.session.input.move(500, 300)

    def test_icons_go_when_their_owner_quits(self):
        self.app.quit()
        self.session.tray.wait_icon_count(self.before)


class HarnessTest(E2ETestCase):
    """The harness's own helpers."""

    def test_wait_until_names_what_it_waited_for(self):
        with self.assertRaises(WaitTimeout) as caught:
            wait_until(lambda: None, timeout=0.2, what="nothing at all")
        self.assertIn("nothing at all", str(caught.exception))
        self.assertEqual(wait_until(lambda: 5, timeout=1), 5)

    def test_screenshot_is_a_png_of_the_whole_screen(self):
        path = self.session.screenshot("whole-screen")
        data = path.read_bytes()
        self.assertEqual(data[:8], b"\x89PNG\r\n\x1a\n")
        self.assertEqual(struct.unpack(">II", data[16:24]), (1024, 768))

    def test_grabbing_a_region_matches_cropping_the_screen(self):
        self.session.start_targets("plain")
        window = self.session.wait_for_window(title="E2E Plain")
        whole = self.session.screen.grab()
        part = self.session.screen.grab(window.rect)
        self.assertEqual(part.data, whole.crop(window.rect).data)

    def test_a_killed_program_loses_its_windows(self):
        app = self.session.start_targets("plain")
        hwnd = app.hwnd("E2E Plain")
        app.process.kill()
        self.session.wait_window_gone(hwnd)


if __name__ == "__main__":
    sys.stdout.reconfigure(line_buffering=True)
    unittest.main(verbosity=2)
