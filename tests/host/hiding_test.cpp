#include <gtest/gtest.h>

#include <algorithm>

#include "tests/host/module_test.h"

namespace velamo {
namespace {

using testing::FakeDesktop;
using testing::Titles;
using HidingTest = testing::ModuleTest;

// The crosshair's drop, the hide key and a right click on a minimize button all choose here.
TEST_F(HidingTest, TheChosenWindowIsTheTopOfItsChainButNeverOursTheShellsOrOneHeldAlready) {
  desktop_.AddWindow(0x30, {.title = u"Dialog", .small_icon = 0x77, .zoomed = 1});
  desktop_.AddWindow(0x31, {.title = u"Popup", .parent = 0x30});
  desktop_.AddWindow(0x32, {.title = u"OK", .parent = 0x31});
  desktop_.AddWindow(FakeDesktop::kWindow, {.title = u"Velamo"});
  desktop_.AddWindow(0x1001, {.parent = FakeDesktop::kWindow});
  desktop_.AddWindow(desktop_.desktop_window, {});
  desktop_.AddWindow(desktop_.shell_window, {.class_name = "Progman"});
  desktop_.AddWindow(0x20, {.class_name = "Shell_TrayWnd"});
  desktop_.AddWindow(0x21, {.parent = 0x20, .class_name = "TrayNotifyWnd"});
  desktop_.AddWindow(0x22, {.class_name = "WorkerW"});
  desktop_.AddWindow(0x23, {.class_name = "Shell_SecondaryTrayWnd"});
  // Our About window: owned, not a child, so its chain never reaches the main window.
  desktop_.AddWindow(0x24, {.title = u"About", .process = FakeDesktop::kOurProcess});
  for (Handle chosen : {Handle{0x32}, Handle{0x1001}, FakeDesktop::kWindow, Handle{0},
                        desktop_.desktop_window, desktop_.shell_window, Handle{0x21}, Handle{0x22},
                        Handle{0x23}, Handle{0x24}, Handle{0x31}}) {
    module_.HideChosenWindow(chosen);
  }

  ASSERT_EQ(module_.UpperBound(), 1);
  const HiddenEntry& entry = module_.HiddenList[1];
  EXPECT_EQ(entry.Wnd, 0x30u);
  EXPECT_TRUE(entry.Maximized);
  EXPECT_EQ(entry.Tray, MakeTrayRecord(1, 0x9001, 0x77, u"Dialog"));
  EXPECT_EQ(desktop_.list, Titles{u"Dialog"});
  EXPECT_EQ(desktop_.windows[0x30].visible + desktop_.windows[0x31].visible, 1);
  // The mark is on before the window goes, so no moment leaves it hidden and unmarked.
  EXPECT_EQ(desktop_.windows[0x30].props["Velamo.Hidden"], 2u);
  EXPECT_LT(std::ranges::find(desktop_.calls, "SetPropA 48 Velamo.Hidden 2"),
            std::ranges::find(desktop_.calls, "ShowWindowAsync 48 0"));
}

// Posted by the mouse hook's thread and handled later, when the window may have changed.
TEST_F(HidingTest, AButtonsHideHappensOnlyIfItsWindowCanStillBeMinimizedOrClosedAndIsNotHeld) {
  constexpr std::uint32_t kMinimizeBox = 0x20000, kChild = 0x40000000, kDisabled = 0x08000000,
                          kCaption = 0xC00000;
  Hide(1);
  desktop_.AddWindow(0x41, {.title = u"Hidden", .visible = 0, .style = kCaption | kMinimizeBox});
  desktop_.AddWindow(0x42, {.title = u"Child", .style = kChild | kCaption | kMinimizeBox});
  desktop_.AddWindow(0x43, {.title = u"Greyed", .style = kCaption});
  desktop_.AddWindow(0x44, {.title = u"Disabled", .style = kDisabled | kCaption | kMinimizeBox});
  desktop_.AddWindow(
      0x45,
      {.title = u"Ours", .style = kCaption | kMinimizeBox, .process = FakeDesktop::kOurProcess});
  desktop_.AddWindow(0x46, {.title = u"Plain"});
  desktop_.AddWindow(0x47, {.title = u"Dialog", .style = kCaption, .owner = 0x43});
  desktop_.windows[0x51].visible = 1;  // held, and shown by its program meanwhile
  desktop_.windows[0x51].style = kCaption;
  for (Handle window : {0x40, 0x41, 0x42, 0x43, 0x44, 0x45, 0x51, 0x46}) {
    module_.HideAtMinimizeButton(window);
  }
  EXPECT_EQ(desktop_.list, (Titles{u"w1", u"Plain"}));
  EXPECT_EQ(desktop_.windows[0x51].visible, 1);
  // A closed one needs to be a main window; one held goes back under its own entry.
  for (Handle window : {0x40, 0x41, 0x42, 0x44, 0x45, 0x47, 0x51, 0x43}) {
    module_.HideAtCloseButton(window);
  }
  EXPECT_EQ(desktop_.list, (Titles{u"w1", u"Plain", u"Greyed"}));
  EXPECT_EQ(desktop_.windows[0x51].visible, 0);
}

TEST_F(HidingTest, TitlesAreReadWholeUpTo1023BytesWithoutAHalfCharacter) {
  desktop_.AddWindow(0x61, {.title = std::u16string(1100, u'x')});
  // 1022 single bytes and then a double-byte character: its second byte does not fit.
  desktop_.AddWindow(0x63, {.title = std::u16string(1022, u'y') + u"字字"});
  for (Handle window : {0x61, 0x63, 0x666}) module_.HideWindowByHandle(window);
  EXPECT_EQ(Entries(), (Titles{std::u16string(1023, u'x'), std::u16string(1022, u'y'), u""}));
  // A window gone meanwhile still gets its entry.
  EXPECT_EQ(module_.HiddenList[3].Icon, kFallback);
}

TEST_F(HidingTest, AFullTableRefusesFurtherHidesAndTheScanAndRulesSaySoOnceUntilThereIsRoom) {
  module_.HiddenList.resize(Module1::kMaxHidden + 1);
  desktop_.AddWindow(0xA1, {.title = u"Dropped"});
  module_.HideChosenWindow(0xA1);
  desktop_.AddWindow(0xA2, {.title = u"Minimized", .iconic = 1});
  module_.ScanMinimizedWindows();
  module_.ScanMinimizedWindows();
  module_.HideWatchedWindow(0xA1);  // a rule's look, as the scan, says so once
  EXPECT_EQ(module_.UpperBound(), Module1::kMaxHidden);
  EXPECT_EQ(desktop_.windows[0xA1].visible + desktop_.windows[0xA2].visible, 2);
  EXPECT_EQ(std::ranges::count(desktop_.calls, "ReportTableFull"),
            2);  // the drop's, the scan's and the rules' once

  module_.HiddenList.pop_back();
  module_.ScanMinimizedWindows();
  EXPECT_EQ(desktop_.windows[0xA2].visible, 0);
  desktop_.AddWindow(0xA3, {.title = u"Another", .iconic = 1});
  module_.ScanMinimizedWindows();
  EXPECT_EQ(std::ranges::count(desktop_.calls, "ReportTableFull"), 3);
}

}  // namespace
}  // namespace velamo
