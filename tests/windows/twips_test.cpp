#include "toolkit/twips.h"

#include <gtest/gtest.h>

namespace toolkit {
namespace {

TEST(TwipsTest, EdgesThatMeetInTwipsMeetInPixelsAtEveryResolution) {
  for (int dpi : {72, 96, 120, 144, 168, 192, 240, 288}) {
    const Twips twips(dpi);
    // List1 and Command2 end on the same right edge; so do the frames and Command3.
    EXPECT_EQ(twips.ToPixels(120 + 2895), twips.ToPixels(1920 + 1095)) << dpi;
    EXPECT_EQ(twips.ToPixels(3120 + 3615), twips.ToPixels(5640 + 1095)) << dpi;
  }
}

}  // namespace
}  // namespace toolkit
