#include <gtest/gtest.h>

#include <map>

#include "tests/host/module_test.h"

namespace velamo {
namespace {

using testing::Calls;
using testing::Titles;
using RestoringTest = testing::ModuleTest;

// The order of these calls keeps icon n, entry n and callback box Picture1(n) (window 900n)
// together: every restore takes all icons out and puts the rest back under their new indexes.
TEST_F(RestoringTest, RestoringOneWindowRegistersTheOthersAgainUnderTheirNewIndexes) {
  Hide(3);
  module_.RestoreHidden(2);
  EXPECT_EQ(desktop_.calls,
            (Calls{"delete 1 9001", "delete 2 9002", "delete 3 9003", "ShowWindowAsync 82 9",
                   "add 1 9001", "add 2 9002", "Unload Picture1(3)"}));
  EXPECT_EQ(Entries(), (Titles{u"w1", u"w3"}));
  EXPECT_EQ(module_.HiddenList[2].Icon, 0x73u);
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
