#include "core/tray_notification.h"

#include <gtest/gtest.h>

namespace velamo {
namespace {

TEST(TrayNotificationTest, OnlyButtonReleasesAct) {
  EXPECT_EQ(ClickOf(MouseMessageFromX(514 * 15, 15)), TrayClick::kLeft);
  EXPECT_EQ(ClickOf(MouseMessageFromX(517 * 15, 15)), TrayClick::kRight);
  for (int ignored : {512, 513, 515, 516, 518, 519, 520, 521, 0}) {
    EXPECT_EQ(ClickOf(MouseMessageFromX(ignored * 15.0, 15)), TrayClick::kNone) << ignored;
  }
}

TEST(TrayNotificationTest, RoundsBothOperandsThenTruncates) {
  EXPECT_EQ(MouseMessageFromX(514 * 15 + 14.4, 15), 514);  // 7724 / 15 = 514.9
  EXPECT_EQ(MouseMessageFromX(514 * 15 - 0.4, 15), 514);   // rounds back up to 7710
  EXPECT_EQ(MouseMessageFromX(514 * 15 - 0.6, 15), 513);
  EXPECT_EQ(MouseMessageFromX(514 * 15, 15.4), 514);
  EXPECT_EQ(MouseMessageFromX(517 * 10, 10), 517);
}

}  // namespace
}  // namespace velamo
