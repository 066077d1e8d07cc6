#include "core/tray_record.h"

#include <gtest/gtest.h>

#include <string>

#include "tests/host/recording_os.h"
#include "tests/host/tray_bytes.h"

namespace velamo {
namespace {

using testing::FieldAt;

std::string TipBytes(const TrayBytes& bytes) {
  return std::string(bytes.begin() + 24, bytes.end());
}

class TrayRecordTest : public ::testing::Test {
 protected:
  TrayBytes Bytes(std::u16string_view tip, Index id = 3) {
    return AnsiTrayRecord(MakeTrayRecord(id, 0x00120034, 0x0ABC0DEF, tip), os_);
  }
  testing::RecordingOs os_;
};

TEST_F(TrayRecordTest, FieldsSitAtTheirOffsetsLittleEndian) {
  const TrayBytes bytes = Bytes(u"Notepad");
  EXPECT_EQ(bytes.size(), 88u);
  EXPECT_EQ(FieldAt(bytes, 0), 88u);
  EXPECT_EQ(FieldAt(bytes, 4), 0x00120034u);
  EXPECT_EQ(FieldAt(bytes, 8), 3u);
  EXPECT_EQ(FieldAt(bytes, 12), 7u);
  EXPECT_EQ(FieldAt(bytes, 16), 0x200u);
  EXPECT_EQ(FieldAt(bytes, 20), 0x0ABC0DEFu);
  EXPECT_EQ(bytes[4], 0x34);
  EXPECT_EQ(TipBytes(bytes), std::string("Notepad") + '\0' + std::string(56, ' '));
}

TEST_F(TrayRecordTest, IdIsSignExtendedAndTheTipFieldHoldsSixtyFourBytes) {
  EXPECT_EQ(FieldAt(Bytes(u"x", -2), 8), 0xFFFFFFFEu);
  EXPECT_EQ(TipBytes(Bytes(std::u16string(63, u'a'))), std::string(63, 'a') + '\0');
  EXPECT_EQ(TipBytes(Bytes(std::u16string(65, u'c'))), std::string(64, 'c'));
  const std::string japanese = os_.ToAnsi(u"メモ帳 & 日本語");
  EXPECT_EQ(TipBytes(Bytes(u"メモ帳 & 日本語")), japanese + '\0' + std::string(48, ' '));
}

TEST_F(TrayRecordTest, DoubleByteCharacterAcrossTheEdgeIsLeftOutWhole) {
  // "a" and 31 kana take 63 bytes; the 32nd kana would need bytes 63 and 64.
  const std::string tip = TipBytes(Bytes(u"a" + std::u16string(40, u'あ')));
  EXPECT_EQ(tip, os_.ToAnsi(u"a" + std::u16string(31, u'あ')) + ' ');
  EXPECT_EQ(TipBytes(Bytes(std::u16string(40, u'漢'))), os_.ToAnsi(std::u16string(32, u'漢')));
}

}  // namespace
}  // namespace velamo
