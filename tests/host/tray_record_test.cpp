#include "core/tray_record.h"

#include <gtest/gtest.h>

#include <string>

#include "tests/host/fake_desktop.h"

namespace velamo {
namespace {

class TrayRecordTest : public ::testing::Test {
 protected:
  std::string Tip(std::u16string_view tip) {
    const TrayBytes bytes = AnsiTrayRecord(MakeTrayRecord(3, 0x9003, 0x77, tip), os_);
    return std::string(bytes.begin() + kSzTipAt, bytes.end());
  }
  std::string Ansi(std::u16string_view text) { return os_.ToAnsi(text); }
  testing::FakeDesktop os_;
};

TEST_F(TrayRecordTest, TheTipIsFollowedByANulAndPaddedOrCutWholeToSixtyFourBytes) {
  EXPECT_EQ(Tip(u"Notepad"), std::string("Notepad") + '\0' + std::string(56, ' '));
  EXPECT_EQ(Tip(std::u16string(63, u'a')), std::string(63, 'a') + '\0');
  EXPECT_EQ(Tip(std::u16string(65, u'c')), std::string(64, 'c'));
  EXPECT_EQ(Tip(u"メモ帳 & 日本語"), Ansi(u"メモ帳 & 日本語") + '\0' + std::string(48, ' '));
  // "a" and 31 kana take 63 bytes; the 32nd kana would need bytes 63 and 64.
  EXPECT_EQ(Tip(u"a" + std::u16string(40, u'あ')), Ansi(u"a" + std::u16string(31, u'あ')) + ' ');
  EXPECT_EQ(Tip(std::u16string(40, u'漢')), Ansi(std::u16string(32, u'漢')));
}

}  // namespace
}  // namespace velamo
