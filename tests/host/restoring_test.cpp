#include <gtest/gtest.h>

#include <map>

#include "tests/host/module_test.h"

namespace velamo {
namespace {

using testing::Calls;
using testing::Titles;
using RestoringTest = testing::ModuleTest;

// Icon n, entry n and callback box Picture1(n) (window 900n) stay together: the last icon goes,
// and only the icons after the restored one change to show the entries that moved down.
TEST_F(RestoringTest, RestoringOneWindowChangesOnlyTheIconsAfterIt) {
  Hide(4);
  module_.RestoreHidden(2);
  EXPECT_EQ(desktop_.calls,
            (Calls{"ShowWindowAsync 82 9", "delete 4 9004", "modify 2 9002 icon tip",
                   "modify 3 9003 icon tip", "Unload Picture1(4)"}));
  EXPECT_EQ(Entries(), (Titles{u"w1", u"w3", u"w4"}));
  EXPECT_EQ(module_.HiddenList[2].Icon, 0x73u);
  EXPECT_EQ(module_.HiddenList[3].Tray, MakeTrayRecord(3, 0x9003, 0x74, u"w4"));

  desktop_.calls.clear();
  module_.RestoreHidden(3);  // the last: no other icon is touched
  EXPECT_EQ(desktop_.calls, (Calls{"ShowWindowAsync 84 9", "delete 3 9003", "Unload Picture1(3)"}));

  // The same program's icon and title moving into its place change nothing.
  desktop_.AddWindow(0x56, {.title = u"w3", .small_icon = 0x73});
  module_.HideChosenWindow(0x56);
  desktop_.calls.clear();
  module_.RestoreHidden(2);
  EXPECT_EQ(desktop_.calls, (Calls{"ShowWindowAsync 83 9", "delete 3 9003", "Unload Picture1(3)"}));
  EXPECT_EQ(module_.HiddenList[2].Tray, MakeTrayRecord(2, 0x9002, 0x73, u"w3"));
}

TEST_F(RestoringTest, RestoringAllShowsEachWindowRightAfterItsIconGoesAndKeepsOurOwnIcon) {
  Hide(2);
  module_.TrayAdd(0, 0x99, 0x101, u"Velamo");
  desktop_.calls.clear();
  module_.RestoreHidden(0);
  EXPECT_EQ(desktop_.calls, (Calls{"delete 1 9001", "ShowWindowAsync 81 9", "Unload Picture1(1)",
                                   "delete 2 9002", "ShowWindowAsync 82 9", "Unload Picture1(2)"}));
  EXPECT_EQ(module_.UpperBound(), 0);
  EXPECT_TRUE(module_.MainTrayShown);
}

TEST_F(RestoringTest, TheSelectedLinesComeBackFromTheLastUpAndTheQuitQuestionsNoKeepsAll) {
  Hide(5);
  desktop_.selected = {0, 2};
  module_.RestoreSelectedLines();
  EXPECT_EQ(Entries(), (Titles{u"w2", u"w4", u"w5"}));
  EXPECT_EQ(desktop_.list, Entries());

  desktop_.quit_answer = false;
  desktop_.calls.clear();
  EXPECT_FALSE(module_.ConfirmQuit());
  EXPECT_EQ(desktop_.calls, Calls{"AskQuit"});
  desktop_.quit_answer = true;
  EXPECT_TRUE(module_.ConfirmQuit());
  EXPECT_TRUE(desktop_.windows[0x52].visible && desktop_.windows[0x55].visible);
}

// Once a second while any window is hidden, and never before a window was seen hidden: a hung
// program's window hides only when it answers again.
TEST_F(RestoringTest, TheLookFollowsTitlesAndLetsGoOfWindowsGoneOrShownByTheirPrograms) {
  EXPECT_FALSE(desktop_.watching_hidden);
  Hide(4);
  EXPECT_TRUE(desktop_.watching_hidden);
  desktop_.windows[0x52].visible = 1;  // its hide not carried out yet
  module_.RebuildWindowMenu();
  module_.LookAtHiddenWindows();
  EXPECT_EQ(desktop_.calls, Calls{});

  desktop_.windows[0x52].visible = 0;
  module_.LookAtHiddenWindows();
  desktop_.windows[0x51].title = u"受信トレイ (13)";
  desktop_.windows.erase(0x53);
  desktop_.windows[0x52].visible = 1;  // shown by its program
  desktop_.calls.clear();
  module_.LookAtHiddenWindows();
  EXPECT_EQ(desktop_.calls,
            (Calls{"ShowWindowAsync 83 9", "delete 4 9004", "modify 3 9003 icon tip",
                   "Unload Picture1(4)", "delete 3 9003", "modify 2 9002 icon tip",
                   "Unload Picture1(3)", "modify 1 9001 tip"}));
  EXPECT_EQ(Entries(), (Titles{u"受信トレイ (13)", u"w4"}));
  EXPECT_EQ(desktop_.list, Entries());
  EXPECT_EQ(desktop_.menu.at(1), u"受信トレイ (13)");
  EXPECT_EQ(module_.HiddenList[1].Tray, MakeTrayRecord(1, 0x9001, 0x71, u"受信トレイ (13)"));
  EXPECT_TRUE(desktop_.windows[0x52].props.empty());

  // Never seen hidden: let go once its program has taken messages for longer than a hang lasts.
  desktop_.AddWindow(0x60, {.title = u"refuses"});
  module_.HideChosenWindow(0x60);
  desktop_.windows[0x60].visible = 1;
  desktop_.windows[0x60].hung = 1;
  desktop_.tick = 6001;
  module_.LookAtHiddenWindows();
  EXPECT_EQ(module_.UpperBound(), 3);
  desktop_.windows[0x60].hung = 0;
  desktop_.calls.clear();
  module_.LookAtHiddenWindows();
  EXPECT_EQ(desktop_.calls, (Calls{"ShowWindowAsync 96 8", "delete 3 9003", "Unload Picture1(3)"}));

  module_.RestoreHidden(0);
  EXPECT_FALSE(desktop_.watching_hidden);
}

TEST_F(RestoringTest, TheTrayMenuListsTheTableAsOfItsRebuildAndIgnoresStaleChoices) {
  Hide(3);
  module_.HiddenList[2].Title = desktop_.list[1] = u"&Save";
  module_.RebuildWindowMenu();
  EXPECT_EQ(desktop_.menu,
            (std::map<Index, std::u16string>{{1, u"w1"}, {2, u"&Save"}, {3, u"w3"}}));
  EXPECT_TRUE(desktop_.menu_enabled);

  module_.RestoreFromWindowMenu(1);
  // The entries moved down: items 2 and 3 of that menu stand for no live entry any more.
  module_.RestoreFromWindowMenu(3);
  module_.RestoreFromWindowMenu(2);
  EXPECT_EQ(Entries(), (Titles{u"&Save", u"w3"}));

  module_.RebuildWindowMenu();
  EXPECT_EQ(desktop_.menu, (std::map<Index, std::u16string>{{1, u"&Save"}, {2, u"w3"}}));
}

}  // namespace
}  // namespace velamo
