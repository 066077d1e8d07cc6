#include <gtest/gtest.h>

#include <map>

#include "tests/host/module_test.h"
#include "tests/host/tray_bytes.h"

namespace velamo {
namespace {

using testing::Calls;
using testing::FieldAt;
using testing::RecordingForm;
using testing::Titles;

class RestoringTest : public testing::ModuleTest {
 protected:
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
};

// Every restore takes all icons out and puts the rest back under their new indexes: the order
// of these calls is what keeps icon n, entry n and Picture1(n) together.
TEST_F(RestoringTest, EachRestoreRebuildsTheIconsInOrder) {
  struct Case {
    int hidden;
    Index restored;
    Calls calls;
    Titles left;
  };
  const Case cases[] = {
      {3,
       2,
       {"delete 1", "delete 2", "delete 3", "ShowWindowAsync 82 9", "add 1 1", "add 2 2",
        "Unload Picture1(3)"},
       {u"w1", u"w3"}},
      {3,
       3,
       {"delete 1", "delete 2", "delete 3", "ShowWindowAsync 83 9", "add 1 1", "add 2 2",
        "Unload Picture1(3)"},
       {u"w1", u"w2"}},
      {1, 1, {"delete 1", "ShowWindowAsync 81 9", "Unload Picture1(1)"}, {}},
      {3,
       0,
       {"delete 1", "ShowWindowAsync 81 9", "Unload Picture1(1)", "delete 2",
        "ShowWindowAsync 82 9", "Unload Picture1(2)", "delete 3", "ShowWindowAsync 83 9",
        "Unload Picture1(3)"},
       {}},
      {0, 0, {}, {}},
  };
  for (const Case& c : cases) {
    module_.RestoreHidden(0);
    module_.TrayAdd(0, 0x99, 0x101, u"Velamo");
    Hide(c.hidden);
    module_.RestoreHidden(c.restored);
    EXPECT_EQ(Summary(), c.calls) << c.hidden << " hidden, " << c.restored << " restored";
    EXPECT_EQ(Entries(), c.left);
    EXPECT_EQ(form_.boxes.size(), c.left.size());
    EXPECT_TRUE(module_.MainTrayShown);
  }
}

TEST_F(RestoringTest, TheTrayMenuListsTheTableAsOfItsRebuildAndIgnoresStaleChoices) {
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
  module_.RestoreFromWindowMenu(0);
  module_.RebuildWindowMenu();
  EXPECT_TRUE(form_.menu.empty());
  EXPECT_FALSE(form_.menu_enabled);
  EXPECT_TRUE(form_.list.empty());
}

TEST_F(RestoringTest, QuitShowsEveryWindowHiddenUntilTheAnswerAndHidesNothingAfter) {
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

  // The program is ending: a timer tick or a key still on its way hides nothing.
  os_.windows[0x60].iconic = 1;
  os_.calls.clear();
  module_.ScanMinimizedWindows();
  module_.HideChosenWindow(0x51);
  EXPECT_TRUE(Summary().empty());
}

}  // namespace
}  // namespace velamo
