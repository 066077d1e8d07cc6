#include "toolkit/twips.h"

#include <gtest/gtest.h>

#include "core/tray_notification.h"

namespace toolkit {
namespace {

TEST(TwipsTest, EdgesMeetAndTrayMessagesDecodeAtEveryResolution) {
  for (int dpi : {72, 96, 120, 144, 168, 192, 240, 288}) {
    const Twips twips(dpi);
    // List1 and Command2 end on the same right edge; so do the frames and Command3.
    EXPECT_EQ(twips.ToPixels(120 + 2895), twips.ToPixels(1920 + 1095)) << dpi;
    EXPECT_EQ(twips.ToPixels(3120 + 3615), twips.ToPixels(5640 + 1095)) << dpi;
    // The tray's mouse message arrives as an X in pixels, made twips and divided back.
    for (int message = 0; message <= 0x7FFF; ++message) {
      ASSERT_EQ(velamo::MouseMessageFromX(twips.ToTwips(message), twips.TwipsPerPixel()), message)
          << dpi;
    }
  }
}

}  // namespace
}  // namespace toolkit
