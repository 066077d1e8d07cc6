#include "toolkit/twips.h"

#include <gtest/gtest.h>

#include "core/tray_notification.h"

namespace toolkit {
namespace {

TEST(TwipsTest, EdgesThatMeetInTwipsMeetInPixels) {
  // List1 and Command2 end on the same right edge; so do the frames and Command3.
  for (int dpi : {96, 120, 144, 168, 192}) {
    const Twips twips(dpi);
    EXPECT_EQ(twips.ToPixels(120 + 2895), twips.ToPixels(1920 + 1095)) << dpi;
    EXPECT_EQ(twips.ToPixels(3120 + 3615), twips.ToPixels(5640 + 1095)) << dpi;
  }
}

TEST(TwipsTest, MouseMessageDecodedFromTwipsEqualsTheLowWord) {
  // The tray reports the mouse message as an X in pixels; the toolkit turns it into twips and
  // the handler divides back. Both ways must give the same message at every resolution.
  for (int dpi : {72, 96, 120, 144, 168, 192, 240, 288}) {
    const Twips twips(dpi);
    for (int message = 0; message <= 0x7FFF; ++message) {
      const int decoded = velamo::MouseMessageFromX(twips.ToTwips(message), twips.TwipsPerPixel());
      ASSERT_EQ(decoded, message) << "dpi " << dpi;
    }
  }
}

}  // namespace
}  // namespace toolkit
