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
using Calls = std::vector<std::string>;
using Titles = std::vector<std::u16string>;

class RestoringTest : public ::testing::Test {
 protected:
  // Windows 0x51, 0x52, ... titled "w1", "w2", ... hidden in that order.
  void Hide(int count) {
    module_.Main(form_);
    for (int i = 1; i <= count; ++i) {
      const Handle window = 0x50 + i;
      const std::u16string title = u"w" + std::u16string(1, static_cast<char16_t>(u'0' + i));
      os_.AddWindow(window, {.title = title, .small_icon = static_cast<Handle>(0x70 + i)});
      os_.window_at_cursor = window;
      module_.HideWindowUnderCursor();
    }
    os_.calls.clear();
    os_.notify_calls.clear();
  }
  // The tray calls as "add ID box" and "delete ID", and the window calls, in order.
  Calls Summary() const {
    Calls summary;
    std::size_t notify = 0;
    for (const std::string& call : os_.calls) {
      if (call.starts_with("Shell_NotifyIconA")) {
        const TrayBytes& data = os_.notify_calls[notify++].data;
        const std::string id = std::to_string(FieldAt(data, 8));
        const Handle box = FieldAt(data, 4) - RecordingForm::kFirstCallbackBox;
        summary.push_back(call.ends_with(" 0") ? "add " + id + " " + std::to_string(box)
                                               : "delete " + id);
      } else if (call.starts_with("ShowWindowAsync") || call.starts_with("Unload")) {
        summary.push_back(call);
      }
    }
    return summary;
  }
  Titles Entries() const {
    Titles titles;
    for (Index i = 1; i <= module_.UpperBound(); ++i) titles.push_back(module_.HiddenList[i].Title);
    return titles;
  }

  testing::RecordingOs os_;
  RecordingForm form_{os_.calls};
  Module1 module_{os_};
};

TEST_F(RestoringTest, RestoringOneRebuildsEveryIconUnderItsNewIndex) {
  Hide(3);
  module_.RestoreHidden(2);
  EXPECT_EQ(Summary(), (Calls{"delete 1", "delete 2", "delete 3", "ShowWindowAsync 82 9", "add 1 1",
                              "add 2 2", "Unload Picture1(3)"}));
  EXPECT_EQ(Entries(), (Titles{u"w1", u"w3"}));
  EXPECT_EQ(module_.HiddenList[2].Tray,
            MakeTrayRecord(2, RecordingForm::kFirstCallbackBox + 2, 0x73, u"w3"));
  EXPECT_EQ(form_.boxes, (std::vector<Index>{1, 2}));
  EXPECT_EQ(os_.windows[0x52].visible, 1);
  EXPECT_TRUE(os_.windows[0x52].props.empty());
  EXPECT_EQ(os_.windows[0x51].visible + os_.windows[0x53].visible, 0);
}

TEST_F(RestoringTest, RestoringTheLastOrTheOnlyCopiesNothing) {
  Hide(3);
  module_.RestoreHidden(3);
  EXPECT_EQ(Summary(), (Calls{"delete 1", "delete 2", "delete 3", "ShowWindowAsync 83 9", "add 1 1",
                              "add 2 2", "Unload Picture1(3)"}));
  os_.calls.clear();
  os_.notify_calls.clear();
  module_.RestoreHidden(2);
  module_.RestoreHidden(1);
  EXPECT_EQ(Summary(),
            (Calls{"delete 1", "delete 2", "ShowWindowAsync 82 9", "add 1 1", "Unload Picture1(2)",
                   "delete 1", "ShowWindowAsync 81 9", "Unload Picture1(1)"}));
  EXPECT_EQ(module_.UpperBound(), 0);
}

TEST_F(RestoringTest, RestoringAllShowsEachRightAfterItsIconGoes) {
  Hide(3);
  module_.TrayAdd(0, 0x99, 0x101, u"Velamo");
  os_.calls.clear();
  os_.notify_calls.clear();
  module_.RestoreHidden(0);
  EXPECT_EQ(Summary(), (Calls{"delete 1", "ShowWindowAsync 81 9", "Unload Picture1(1)", "delete 2",
                              "ShowWindowAsync 82 9", "Unload Picture1(2)", "delete 3",
                              "ShowWindowAsync 83 9", "Unload Picture1(3)"}));
  EXPECT_EQ(module_.HiddenList.size(), 1u);
  EXPECT_TRUE(module_.MainTrayShown);

  // With nothing hidden there is no call at all.
  os_.calls.clear();
  module_.RestoreHidden(0);
  EXPECT_TRUE(Summary().empty());
}

TEST_F(RestoringTest, MaximizedWindowsComeBackMaximized) {
  module_.Main(form_);
  os_.AddWindow(0x61, {.title = u"Big", .zoomed = 1});
  os_.window_at_cursor = 0x61;
  module_.HideWindowUnderCursor();
  module_.RestoreHidden(1);
  EXPECT_EQ(os_.calls.back(), "Unload Picture1(1)");
  EXPECT_NE(std::ranges::find(os_.calls, "ShowWindowAsync 97 3"), os_.calls.end());
}

TEST_F(RestoringTest, SelectedLinesAreRestoredFromTheLastUp) {
  Hide(5);
  form_.selected = {true, false, true, false, false};
  module_.RestoreSelectedLines();
  EXPECT_EQ(Entries(), (Titles{u"w2", u"w4", u"w5"}));
  EXPECT_EQ(form_.list, (Titles{u"w2", u"w4", u"w5"}));
  EXPECT_EQ(os_.windows[0x53].visible + os_.windows[0x51].visible, 2);
  const Calls shown = {"ShowWindowAsync 83 9", "ShowWindowAsync 81 9"};
  Calls seen;
  for (const std::string& call : os_.calls) {
    if (call.starts_with("ShowWindowAsync")) seen.push_back(call);
  }
  EXPECT_EQ(seen, shown);
}

TEST_F(RestoringTest, WindowMenuListsTheTableAsOfItsRebuildAndIgnoresStaleChoices) {
  Hide(3);
  module_.HiddenList[2].Title = form_.list[1] = u"&Save";
  module_.RebuildWindowMenu();
  EXPECT_EQ(form_.menu, (std::map<Index, std::u16string>{{1, u"w1"}, {2, u"&Save"}, {3, u"w3"}}));
  EXPECT_TRUE(form_.menu_enabled);

  module_.RestoreFromWindowMenu(1);
  // The entries moved down: items 2 and 3 of that menu stand for no live entry any more.
  module_.RestoreFromWindowMenu(3);
  module_.RestoreFromWindowMenu(2);
  EXPECT_EQ(Entries(), (Titles{u"&Save", u"w3"}));

  module_.RebuildWindowMenu();
  EXPECT_EQ(form_.menu, (std::map<Index, std::u16string>{{1, u"&Save"}, {2, u"w3"}}));
  module_.RestoreFromWindowMenu(2);
  EXPECT_EQ(form_.list, Titles{u"&Save"});
  module_.RestoreFromWindowMenu(0);
  module_.RebuildWindowMenu();
  EXPECT_TRUE(form_.menu.empty());
  EXPECT_FALSE(form_.menu_enabled);
  EXPECT_TRUE(form_.list.empty());
}

TEST_F(RestoringTest, QuitShowsEveryWindowHiddenUntilTheAnswerInItsNormalState) {
  Hide(2);
  form_.answer_yes = false;
  EXPECT_FALSE(module_.ConfirmQuit());
  EXPECT_EQ(os_.calls, Calls{"AskQuit"});

  form_.answer_yes = true;
  os_.AddWindow(0x60, {.title = u"Late", .iconic = 1});
  form_.during_question = [this] { module_.ScanMinimizedWindows(); };
  os_.calls.clear();
  EXPECT_TRUE(module_.ConfirmQuit());
  EXPECT_EQ(Summary(), (Calls{"add 3 3", "ShowWindowAsync 96 0", "delete 0", "ShowWindowAsync 81 1",
                              "delete 1", "ShowWindowAsync 82 1", "delete 2",
                              "ShowWindowAsync 96 1", "delete 3"}));
  for (Handle window : {0x51, 0x52, 0x60}) EXPECT_TRUE(os_.windows[window].props.empty());
}

TEST_F(RestoringTest, IconsAreRegisteredAgainAfterTheShellRestarts) {
  Hide(2);
  module_.TrayAdd(0, 0x99, 0x101, u"Velamo");
  const auto before = os_.notify_calls;
  os_.notify_calls.clear();
  module_.RegisterIconsAgain();
  ASSERT_EQ(os_.notify_calls.size(), 3u);
  EXPECT_EQ(os_.notify_calls[0].data, AnsiTrayRecord(module_.HiddenList[1].Tray, os_));
  EXPECT_EQ(os_.notify_calls[1].data, AnsiTrayRecord(module_.HiddenList[2].Tray, os_));
  EXPECT_EQ(os_.notify_calls[2].data, before.back().data);
}

}  // namespace
}  // namespace velamo
