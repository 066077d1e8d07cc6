#include <gtest/gtest.h>

#include <algorithm>

#include "core/module1.h"
#include "tests/host/recording_form.h"
#include "tests/host/recording_os.h"
#include "tests/host/tray_bytes.h"

namespace velamo {
namespace {

using testing::FieldAt;
using testing::RecordingForm;
using Titles = std::vector<std::u16string>;

constexpr Handle kFallback = 0x201;

class HidingTest : public ::testing::Test {
 protected:
  HidingTest() {
    os_.icon_files["C:\\Tools\\Velamo.exe"] = {{0, {0x100, 0x101}}, {1, {0x200, kFallback}}};
    module_.Main(form_);
  }

  void DropOn(Handle window) {
    os_.window_at_cursor = window;
    module_.HideWindowUnderCursor();
  }
  int Count(const std::string& call) const { return std::ranges::count(os_.calls, call); }

  testing::RecordingOs os_;
  RecordingForm form_{os_.calls};
  Module1 module_{os_};
};

TEST_F(HidingTest, DropHidesTheTopOfTheChainUnderThePointerWithIconMarkAndLine) {
  os_.AddWindow(0x30, {.title = u"E2E Dialog", .small_icon = 0x77, .zoomed = 1});
  os_.AddWindow(0x31, {.title = u"Popup", .parent = 0x30});
  os_.AddWindow(0x32, {.title = u"OK", .parent = 0x31});
  DropOn(0x32);

  ASSERT_EQ(module_.UpperBound(), 1);
  const HiddenEntry& entry = module_.HiddenList[1];
  EXPECT_EQ(entry.Wnd, 0x30u);
  EXPECT_EQ(entry.Icon, 0x77u);
  EXPECT_TRUE(entry.Maximized);
  EXPECT_EQ(entry.Tray,
            MakeTrayRecord(1, RecordingForm::kFirstCallbackBox + 1, 0x77, u"E2E Dialog"));
  EXPECT_EQ(form_.list, Titles{u"E2E Dialog"});
  EXPECT_EQ(os_.windows[0x30].visible, 0);
  EXPECT_EQ(os_.windows[0x31].visible, 1);
  EXPECT_EQ(os_.windows[0x30].props["Velamo.Hidden"], 2u);
  // The mark is on before the window goes, so no moment leaves it hidden and unmarked.
  EXPECT_LT(std::ranges::find(os_.calls, "SetPropA 48 Velamo.Hidden 2"),
            std::ranges::find(os_.calls, "ShowWindowAsync 48 0"));
}

TEST_F(HidingTest, DropsOnOurWindowNowhereOrTheShellHideNothing) {
  os_.AddWindow(RecordingForm::kWindow, {.title = u"Velamo"});
  os_.AddWindow(0x1001, {.title = u"今チェック", .parent = RecordingForm::kWindow});
  os_.AddWindow(os_.desktop_window, {});
  os_.AddWindow(os_.shell_window, {.class_name = "Progman"});
  os_.AddWindow(0x20, {.class_name = "Shell_TrayWnd"});
  os_.AddWindow(0x21, {.parent = 0x20, .class_name = "TrayNotifyWnd"});
  os_.AddWindow(0x22, {.class_name = "WorkerW"});
  for (Handle target : {Handle{0x1001}, RecordingForm::kWindow, Handle{0}, os_.desktop_window,
                        os_.shell_window, Handle{0x21}, Handle{0x22}}) {
    DropOn(target);
  }
  // The scan leaves them alone too, even minimized.
  for (auto& [handle, window] : os_.windows) window.iconic = 1;
  module_.ScanMinimizedWindows();
  EXPECT_EQ(module_.UpperBound(), 0);
  EXPECT_TRUE(os_.notify_calls.empty());
}

TEST_F(HidingTest, IconIsTheClassSmallThenLargeThenTheFallback) {
  os_.AddWindow(1, {.small_icon = 0x11, .large_icon = 0x12});
  os_.AddWindow(2, {.large_icon = 0x22});
  os_.AddWindow(3, {});
  EXPECT_EQ(module_.GetWindowIcon(1), 0x11u);
  EXPECT_EQ(module_.GetWindowIcon(2), 0x22u);
  EXPECT_EQ(module_.GetWindowIcon(3), kFallback);
}

TEST_F(HidingTest, TitlesAreReadWholeUpTo1023BytesWithoutAHalfCharacter) {
  os_.AddWindow(0x61, {.title = std::u16string(1100, u'x')});
  os_.AddWindow(0x62, {.title = u"E2E & 日本語のタイトル"});
  // 1022 single bytes and then a double-byte character: its second byte does not fit.
  os_.AddWindow(0x63, {.title = std::u16string(1022, u'y') + u"字字"});
  for (Handle window : {0x61, 0x62, 0x63, 0x666}) module_.HideWindowByHandle(window);
  EXPECT_EQ(module_.HiddenList[1].Title, std::u16string(1023, u'x'));
  EXPECT_EQ(module_.HiddenList[2].Title, u"E2E & 日本語のタイトル");
  EXPECT_EQ(module_.HiddenList[3].Title, std::u16string(1022, u'y'));
  // A window gone meanwhile still gets its entry.
  EXPECT_EQ(module_.HiddenList[4].Title, u"");
  EXPECT_EQ(module_.HiddenList[4].Icon, kFallback);
}

TEST_F(HidingTest, ScanAppendsVisibleMinimizedWindowsAndRebuildsTheList) {
  os_.AddWindow(0x91, {.title = u"Picked"});
  DropOn(0x91);
  os_.AddWindow(0x92, {.title = u"B", .iconic = 1});
  os_.AddWindow(0x93, {.title = u"Visible"});
  os_.AddWindow(0x94, {.title = u"A", .iconic = 1});
  os_.AddWindow(0x95, {.title = u"Hidden minimized", .visible = 0, .iconic = 1});
  os_.AddWindow(RecordingForm::kWindow, {.title = u"Velamo", .iconic = 1});
  form_.list = {u"stale"};

  module_.ScanMinimizedWindows();
  ASSERT_EQ(module_.UpperBound(), 3);
  EXPECT_EQ(module_.HiddenList[2].Wnd, 0x92u);
  EXPECT_EQ(module_.HiddenList[3].Wnd, 0x94u);
  EXPECT_EQ(form_.list, (Titles{u"Picked", u"B", u"A"}));
  EXPECT_EQ(Count("GetWindowTextA 149"), 0);  // titles are read for hits only

  // Nothing left to hide: the list is left alone.
  form_.list.push_back(u"a line only the list has");
  module_.ScanMinimizedWindows();
  EXPECT_EQ(module_.FoundWindow, kFalse);
  EXPECT_EQ(form_.list.size(), 4u);
}

TEST_F(HidingTest, AWindowThatShowsItselfAgainGoesBackUnderItsOwnEntry) {
  os_.AddWindow(0x71, {.title = u"Picked"});
  os_.AddWindow(0x72, {.title = u"Minimized", .iconic = 1});
  DropOn(0x71);
  module_.ScanMinimizedWindows();
  for (int again = 0; again < 3; ++again) {
    os_.windows[0x71].visible = 1;
    os_.windows[0x72].visible = 1;
    DropOn(0x71);
    module_.ScanMinimizedWindows();
  }
  EXPECT_EQ(module_.UpperBound(), 2);
  EXPECT_EQ(os_.notify_calls.size(), 2u);
  EXPECT_EQ(form_.list, (Titles{u"Picked", u"Minimized"}));
  EXPECT_EQ(os_.windows[0x71].visible + os_.windows[0x72].visible, 0);
}

TEST_F(HidingTest, StartUpAdoptsWindowsAnEarlierRunLeftHidden) {
  testing::RecordingOs os;
  os.AddWindow(0x81, {.title = u"Left hidden", .visible = 0, .props = {{"Velamo.Hidden", 2}}});
  os.AddWindow(0x82, {.title = u"Shown since", .props = {{"Velamo.Hidden", 1}}});
  os.AddWindow(0x83, {.title = u"Never ours", .visible = 0});
  RecordingForm form{os.calls};
  Module1 module{os};
  module.Main(form);

  ASSERT_EQ(module.UpperBound(), 1);
  EXPECT_EQ(module.HiddenList[1].Wnd, 0x81u);
  EXPECT_TRUE(module.HiddenList[1].Maximized);
  EXPECT_EQ(form.list, Titles{u"Left hidden"});
  ASSERT_EQ(os.notify_calls.size(), 1u);
  EXPECT_EQ(FieldAt(os.notify_calls[0].data, 8), 1u);
  EXPECT_TRUE(os.windows[0x82].props.empty());
}

TEST_F(HidingTest, FullTableRefusesFurtherHidesAndTheScanSaysSoOnce) {
  module_.HiddenList.resize(Module1::kMaxHidden + 1);
  os_.AddWindow(0xA1, {.title = u"Dropped"});
  DropOn(0xA1);
  os_.AddWindow(0xA2, {.title = u"Minimized", .iconic = 1});
  module_.ScanMinimizedWindows();
  module_.ScanMinimizedWindows();
  EXPECT_EQ(module_.UpperBound(), Module1::kMaxHidden);
  EXPECT_EQ(os_.windows[0xA1].visible + os_.windows[0xA2].visible, 2);
  EXPECT_TRUE(os_.notify_calls.empty());
  EXPECT_EQ(Count("ReportTableFull"), 2);  // the drop's, then the scan's once

  // Once there is room, the scan hides again, and a table full again is reported again.
  module_.HiddenList.pop_back();
  module_.ScanMinimizedWindows();
  EXPECT_EQ(os_.windows[0xA2].visible, 0);
  os_.AddWindow(0xA3, {.title = u"Another", .iconic = 1});
  module_.ScanMinimizedWindows();
  EXPECT_EQ(Count("ReportTableFull"), 3);
}

}  // namespace
}  // namespace velamo
