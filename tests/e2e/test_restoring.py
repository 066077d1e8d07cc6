#!/usr/bin/env python3
"""Every way back with the real Velamo.exe: tray icon clicks and menus, the list's "元に戻す",
hiding the main window into the tray and back, the menu key, the quit question; and the tray
keeping up with what the hidden windows' programs do."""

import unittest

from harness import HTCLOSE, SW_MINIMIZE, VelamoTest, center, wstr


class RestoringTest(VelamoTest):
    def test_icons_their_menu_and_the_list_bring_back_exactly_the_chosen_windows(self):
        alpha, beta, gamma, delta = self.hide_new_windows("Alpha", "Beta", "Gamma", "Delta")
        self.click_icon(0, button=3)
        self.menu_opens()
        self.screen.click(700, 300)  # elsewhere: the menu closes, nothing else happens
        self.wait(lambda: not self.open_menus(), "the menu to close")
        # Each release of a double click on Beta's icon, the second from the right, is a click:
        # the second lands on the icon that slid under the pointer and restores nothing more.
        self.screen.move(*center(self.tray.cell(1)))
        self.screen.xdotool("click", "--repeat", 2, "--delay", 80, 1)
        self.wait_shown(beta)
        self.settle(1.0)
        self.wait_listed(["Alpha", "Gamma", "Delta"])
        self.assertEqual([self.tray.tooltip(k, self.probe) for k in range(3)],
                         ["Alpha", "Gamma", "Delta"])

        self.click_icon(0, button=3)
        self.menu_opens()
        self.screen.key("r")
        self.wait_shown(alpha)
        self.wait_listed(["Gamma", "Delta"])
        self.assertFalse(self.probe.visible(gamma) or self.probe.visible(delta))

        list_box = self.control("ListBox")
        left, top, _, _ = self.probe.rect(list_box)
        height = self.probe("SendMessageW", list_box, 0x1A1, 0, 0)  # LB_GETITEMHEIGHT
        for line in (0, 1):
            self.screen.click(left + 40, top + 2 + height * line + height // 2)
        self.click_button("元に戻す")
        self.wait_shown(gamma, delta)
        self.wait_listed([])

    def test_main_window_hides_into_the_tray_whose_menu_lists_and_restores_windows(self):
        alpha, beta = self.hide_new_windows("Alpha", "Beta")
        self.click_button("隠す")
        self.wait_hidden(self.main)
        self.wait_icons(3)
        self.assertEqual(self.tray.tooltip(2, self.probe), "Velamo")
        self.click_icon(2)
        self.wait_shown(self.main)
        self.wait_icons(2)

        self.click_button("隠す")
        self.wait_icons(3)
        # The main window is hidden: its menus are reached by clicks.
        self.click_icon(2, button=3)
        self.click_menu_item(self.window_list(), 2)  # past "全て(&A)" and Alpha, to Beta
        self.wait_shown(beta)
        self.wait_icons(2)
        self.assertFalse(self.probe.visible(alpha))

        # Beta's icon went, and Alpha's stayed where it was: ours is next to it.
        self.click_icon(1, button=3)
        self.click_menu_item(self.window_list(), 0)  # "全て(&A)"
        self.wait_shown(alpha)
        self.wait_icons(1)
        self.assertFalse(self.probe.visible(self.main))
        self.click_icon(0)
        self.wait_shown(self.main)
        self.wait_icons(0)
        self.assertEqual(self.list_items(), [])

    def window_list(self):
        """Opens "元のサイズに戻す(&R)" of our own icon's open menu; returns the submenu."""
        (menu,) = self.menu_opens()
        self.click_menu_item(menu, 1)
        return next(m for m in self.menu_opens(2) if m != menu)


class QuitTest(VelamoTest):
    def test_no_changes_nothing_and_yes_gives_every_window_back_and_ends(self):
        (alpha,) = self.hide_new_windows("Alpha")
        self.screen.click(*self.caption_point(self.main, HTCLOSE))
        self.answer_quit(yes=False)
        self.screen.click(*self.center_of(self.control("ListBox")))
        self.screen.key("alt+f", "x")
        self.answer_quit(yes=False)
        self.settle()
        self.assertEqual((self.probe.visible(alpha), self.tray.count(), self.list_items()),
                         (False, 1, ["Alpha"]))

        # The timer scans on while the question is open: what it hides then comes back too.
        late = self.t.new_window("Late", 520, 300)
        self.step_interval()
        self.screen.key("alt+f", "x")
        self.wait(lambda: self.probe.windows("Velamo - 終了"), "the question")
        self.t("ShowWindow", late, SW_MINIMIZE)
        self.wait_hidden(late)
        self.answer_quit(yes=True)
        self.wait_shown(alpha, late)
        self.velamo.wait(10)
        self.wait_icons(0)

        self.velamo = self.start_velamo()
        (beta,) = self.hide_new_windows("Beta")
        self.click_button("隠す")
        self.wait_icons(2)
        for yes in (False, True):
            self.click_icon(1, button=3)
            self.click_menu_item(self.menu_opens()[0], 2)  # "終了(&X)"
            self.answer_quit(yes)
        self.wait_shown(beta)
        self.velamo.wait(10)
        self.wait_icons(0)


class LookTest(VelamoTest):
    arguments = ("/menukey:Ctrl+Alt+Shift+M",)

    def test_titles_follow_and_windows_closed_or_shown_by_their_programs_go(self):
        kept, closed, shown = self.hide_new_windows("受信トレイ (3)", "Closed", "Shown")
        at = self.probe.rect(shown)
        self.settle(1.5)  # seen hidden by a look
        self.t("SetWindowTextW", kept, wstr("受信トレイ (13)"))
        self.t("DestroyWindow", closed)
        self.t("ShowWindow", shown, 4)  # SW_SHOWNOACTIVATE, as a notification might
        self.wait(lambda: self.list_items() == ["受信トレイ (13)"], "the list to follow", 2.5)
        self.wait_icons(1)
        self.assertEqual(self.tray.tooltip(0, self.probe), "受信トレイ (13)")
        self.assertEqual((self.probe.visible(shown), self.probe.rect(shown)), (True, at))
        # A hung program's hidden window does not hold the look up.
        self.t.send("Sleep", 4000)
        self.step_interval(3)
        self.t.reply()

    def test_the_menu_key_opens_our_icons_menu_for_the_keyboard(self):
        alpha, beta = self.hide_new_windows("Alpha", "Beta")
        self.click_button("隠す")
        self.wait_hidden(self.main)
        self.screen.key("ctrl+alt+shift+m")
        self.menu_opens()
        self.screen.key("Escape")
        self.wait(lambda: not self.open_menus(), "the menu to close")
        self.settle()
        self.assertFalse(any(self.probe.visible(h) for h in (alpha, beta, self.main)))
        self.wait_icons(3)  # changes nothing
        self.screen.key("ctrl+alt+shift+m")
        self.menu_opens()
        self.screen.key("r", "a")
        self.wait_shown(alpha, beta)
        self.wait_icons(1)


if __name__ == "__main__":
    unittest.main()
