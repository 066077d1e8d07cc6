#include <gtest/gtest.h>

#include <algorithm>

#include "core/module1.h"
#include "tests/host/recording_form.h"
#include "tests/host/recording_os.h"
#include "tests/host/tray_bytes.h"

namespace velamo {
namespace {

using testing::FieldAt;

using Calls = std::vector<std::string>;
using Window = testing::RecordingOs::Window;
using testing::RecordingForm;

constexpr Handle kFallback = 0x201;

class HidingTest : public ::testing::Test {
 protected:
  HidingTest() {
    os_.icon_files["C:\\Tools\\Velamo.exe"] = {{0, {0x100, 0x101}}, {1, {0x200, kFallback}}};
    module_.Main(form_);
    os_.calls.clear();
  }

  // The calls made since the last look, then forgets them.
  Calls TakeCalls() { return std::exchange(os_.calls, {}); }
  bool Called(const std::string& call) const {
    return std::find(os_.calls.begin(), os_.calls.end(), call) != os_.calls.end();
  }

  testing::RecordingOs os_;
  RecordingForm form_{os_.calls};
  Module1 module_{os_};
};

TEST_F(HidingTest, DropOnAChildControlHidesItsTopLevelWindowInOrder) {
  os_.AddWindow(0x30, {.title = u"E2E Dialog", .small_icon = 0x77});
  os_.AddWindow(0x31, {.title = u"OK", .parent = 0x30});
  os_.window_at_cursor = 0x31;
  module_.HideWindowUnderCursor();

  EXPECT_EQ(TakeCalls(),
            (Calls{"GetCursorPos", "WindowFromPoint 100,200", "GetParent 49", "GetParent 48",
                   "GetWindowTextA 48", "Load Picture1(1)", "GetClassLongA 48 -34",
                   "Shell_NotifyIconA 0", "ShowWindow 48 0", "List1.AddItem"}));
  ASSERT_EQ(module_.UpperBound(), 1);
  const HiddenEntry& entry = module_.HiddenList[1];
  EXPECT_EQ(entry.Wnd, 0x30u);
  EXPECT_EQ(entry.Title, u"E2E Dialog");
  EXPECT_EQ(entry.Icon, 0x77u);
  EXPECT_EQ(entry.Tray,
            MakeTrayRecord(1, RecordingForm::kFirstCallbackBox + 1, 0x77, u"E2E Dialog"));
  EXPECT_EQ(form_.list, (std::vector<std::u16string>{u"E2E Dialog"}));
  EXPECT_EQ(os_.windows[0x30].visible, 0);
}

TEST_F(HidingTest, DropOnAnOwnedPopUpHidesTheTopOfItsOwnerChain) {
  os_.AddWindow(0x40, {.title = u"Owner"});
  os_.AddWindow(0x41, {.title = u"Popup", .parent = 0x40});
  os_.AddWindow(0x42, {.title = u"Child of popup", .parent = 0x41});
  os_.window_at_cursor = 0x42;
  module_.HideWindowUnderCursor();
  ASSERT_EQ(module_.UpperBound(), 1);
  EXPECT_EQ(module_.HiddenList[1].Wnd, 0x40u);
  EXPECT_EQ(os_.windows[0x41].visible, 1);
}

TEST_F(HidingTest, DropOnTheMainWindowOrNowhereHidesNothing) {
  os_.AddWindow(RecordingForm::kWindow, {.title = u"Velamo"});
  os_.AddWindow(0x1001, {.title = u"今チェック", .parent = RecordingForm::kWindow});
  for (Handle target : {Handle{0x1001}, RecordingForm::kWindow, Handle{0}}) {
    os_.window_at_cursor = target;
    module_.HideWindowUnderCursor();
  }
  EXPECT_EQ(module_.UpperBound(), 0);
  EXPECT_TRUE(form_.list.empty());
  EXPECT_TRUE(os_.notify_calls.empty());
  EXPECT_FALSE(Called("ShowWindow 4096 0"));
}

TEST_F(HidingTest, IconIsTheClassSmallThenLargeThenTheFallback) {
  os_.AddWindow(1, {.small_icon = 0x11, .large_icon = 0x12});
  os_.AddWindow(2, {.large_icon = 0x22});
  os_.AddWindow(3, {});
  EXPECT_EQ(module_.GetWindowIcon(1), 0x11u);
  EXPECT_EQ(module_.GetWindowIcon(2), 0x22u);
  EXPECT_EQ(module_.GetWindowIcon(3), kFallback);
}

TEST_F(HidingTest, DestroyedWindowStillGetsAnEntryWithFallbackIconAndEmptyTitle) {
  EXPECT_TRUE(module_.HideWindowByHandle(0x666));
  ASSERT_EQ(module_.UpperBound(), 1);
  EXPECT_EQ(module_.HiddenList[1].Title, u"");
  EXPECT_EQ(module_.HiddenList[1].Icon, kFallback);
  ASSERT_EQ(os_.notify_calls.size(), 1u);
  EXPECT_TRUE(Called("ShowWindow 1638 0"));
}

TEST_F(HidingTest, ThreeHidesNumberEntriesIconsAndCallbackBoxesOneToThree) {
  for (Handle window : {Handle{0x51}, Handle{0x52}, Handle{0x53}}) {
    os_.AddWindow(window, {.title = u"w"});
    ASSERT_TRUE(module_.HideWindowByHandle(window));
  }
  ASSERT_EQ(module_.UpperBound(), 3);
  ASSERT_EQ(os_.notify_calls.size(), 3u);
  for (std::uint32_t n = 1; n <= 3; ++n) {
    const TrayBytes& added = os_.notify_calls[n - 1].data;
    EXPECT_EQ(os_.notify_calls[n - 1].message, kNimAdd);
    EXPECT_EQ(FieldAt(added, 8), n);
    EXPECT_EQ(FieldAt(added, 4), RecordingForm::kFirstCallbackBox + n);
    EXPECT_EQ(module_.HiddenList[n].Wnd, 0x50 + n);
  }
  EXPECT_TRUE(Called("Load Picture1(3)"));
}

TEST_F(HidingTest, TitlesAreReadWholeUpTo1023Bytes) {
  os_.AddWindow(0x61, {.title = std::u16string(1100, u'x')});
  os_.AddWindow(0x62, {.title = u"E2E & 日本語のタイトル"});
  module_.HideWindowByHandle(0x61);
  module_.HideWindowByHandle(0x62);
  EXPECT_EQ(module_.HiddenList[1].Title, std::u16string(1023, u'x'));
  EXPECT_EQ(module_.HiddenList[2].Title, u"E2E & 日本語のタイトル");
}

TEST_F(HidingTest, ScanTestsEveryWindowAndReadsTitlesOfHitsOnly) {
  os_.AddWindow(0x71, {.title = u"Normal"});
  os_.AddWindow(0x72, {.title = u"Minimized", .iconic = 1});
  os_.AddWindow(0x73, {.title = u"Hidden minimized", .visible = 0, .iconic = 1});
  os_.AddWindow(RecordingForm::kWindow, {.title = u"Velamo", .iconic = 1});
  module_.ScanMinimizedWindows();

  const Calls calls = TakeCalls();
  const Calls expected_start = {"EnumWindows",         "IsWindowVisible 113", "IsIconic 113",
                                "IsWindowVisible 114", "IsIconic 114",        "GetWindowTextA 114"};
  ASSERT_GE(calls.size(), expected_start.size());
  EXPECT_EQ(Calls(calls.begin(), calls.begin() + expected_start.size()), expected_start);
  const Calls expected_end = {"IsWindowVisible 115", "IsIconic 115", "IsWindowVisible 4096",
                              "IsIconic 4096",       "List1.Clear",  "List1.AddItem"};
  EXPECT_EQ(Calls(calls.end() - expected_end.size(), calls.end()), expected_end);
  EXPECT_EQ(
      std::count_if(calls.begin(), calls.end(),
                    [](const std::string& call) { return call.starts_with("GetWindowTextA"); }),
      1);
  EXPECT_EQ(module_.FoundWindow, kTrue);
  EXPECT_EQ(form_.list, (std::vector<std::u16string>{u"Minimized"}));
}

TEST_F(HidingTest, ScanThatFindsNothingLeavesTheListAlone) {
  os_.AddWindow(0x81, {.title = u"Picked"});
  os_.window_at_cursor = 0x81;
  module_.HideWindowUnderCursor();
  form_.list.push_back(u"a line only the list has");
  os_.AddWindow(0x82, {.title = u"Normal"});
  TakeCalls();

  module_.ScanMinimizedWindows();
  EXPECT_EQ(module_.FoundWindow, kFalse);
  EXPECT_FALSE(Called("List1.Clear"));
  EXPECT_EQ(form_.list.size(), 2u);
}

TEST_F(HidingTest, ScanAppendsMinimizedWindowsInEnumerationOrderAndRebuildsTheList) {
  os_.AddWindow(0x91, {.title = u"Picked"});
  os_.window_at_cursor = 0x91;
  module_.HideWindowUnderCursor();
  os_.AddWindow(0x92, {.title = u"B", .iconic = 1});
  os_.AddWindow(0x93, {.title = u"Visible"});
  os_.AddWindow(0x94, {.title = u"A", .iconic = 1});
  form_.list = {u"stale"};

  module_.ScanMinimizedWindows();
  ASSERT_EQ(module_.UpperBound(), 3);
  EXPECT_EQ(module_.HiddenList[2].Wnd, 0x92u);
  EXPECT_EQ(module_.HiddenList[3].Wnd, 0x94u);
  EXPECT_EQ(form_.list, (std::vector<std::u16string>{u"Picked", u"B", u"A"}));
  EXPECT_EQ(os_.windows[0x93].visible, 1);

  // Hidden windows are no longer visible: the next scan finds nothing.
  module_.ScanMinimizedWindows();
  EXPECT_EQ(module_.UpperBound(), 3);
}

TEST_F(HidingTest, FullTableRefusesFurtherHidesAndTheScanSaysSoOnce) {
  module_.HiddenList.resize(Module1::kMaxHidden + 1);
  os_.AddWindow(0xA1, {.title = u"Dropped"});
  os_.window_at_cursor = 0xA1;
  module_.HideWindowUnderCursor();
  EXPECT_EQ(module_.UpperBound(), Module1::kMaxHidden);
  EXPECT_EQ(os_.windows[0xA1].visible, 1);
  EXPECT_TRUE(os_.notify_calls.empty());
  EXPECT_TRUE(form_.list.empty());
  EXPECT_EQ(std::count(os_.calls.begin(), os_.calls.end(), "ReportTableFull"), 1);

  os_.AddWindow(0xA2, {.title = u"Minimized", .iconic = 1});
  TakeCalls();
  module_.ScanMinimizedWindows();
  module_.ScanMinimizedWindows();
  EXPECT_EQ(std::count(os_.calls.begin(), os_.calls.end(), "ReportTableFull"), 1);
  EXPECT_EQ(os_.windows[0xA2].visible, 1);
  EXPECT_EQ(module_.FoundWindow, kFalse);

  // Once there is room, the scan hides again, and a table full again is reported again.
  module_.HiddenList.pop_back();
  TakeCalls();
  module_.ScanMinimizedWindows();
  EXPECT_EQ(os_.windows[0xA2].visible, 0);
  EXPECT_EQ(module_.UpperBound(), Module1::kMaxHidden);
  os_.AddWindow(0xA3, {.title = u"Another", .iconic = 1});
  module_.ScanMinimizedWindows();
  EXPECT_EQ(std::count(os_.calls.begin(), os_.calls.end(), "ReportTableFull"), 1);
}

}  // namespace
}  // namespace velamo
