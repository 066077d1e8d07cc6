#include "core/tray_record.h"

#include <gtest/gtest.h>

#include <string>

#include "tests/host/recording_os.h"
#include "tests/host/tray_bytes.h"

namespace velamo {
namespace {

using testing::FieldAt;

class TrayRecordTest : public ::testing::Test {
 protected:
  TrayBytes Bytes(std::u16string_view tip, Index id = 3) {
    return AnsiTrayRecord(MakeTrayRecord(id, 0x00120034, 0x0ABC0DEF, tip), os_);
  }
  std::string Tip(std::u16string_view tip) {
    const TrayBytes bytes = Bytes(tip);
    return std::string(bytes.begin() + 24, bytes.end());
  }
  std::string Ansi(std::u16string_view text) { return os_.ToAnsi(text); }
  testing::RecordingOs os_;
};

TEST_F(TrayRecordTest, FieldsSitAtTheirOffsetsLittleEndianAndTheIdIsSignExtended) {
  const TrayBytes bytes = Bytes(u"Notepad");
  const std::uint32_t fields[] = {88, 0x00120034, 3, 7, 0x200, 0x0ABC0DEF};
  for (std::size_t i = 0; i < 6; ++i) EXPECT_EQ(FieldAt(bytes, 4 * i), fields[i]) << i;
  EXPECT_EQ(bytes[4], 0x34);
  EXPECT_EQ(FieldAt(Bytes(u"x", -2), 8), 0xFFFFFFFEu);
}

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
