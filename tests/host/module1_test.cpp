#include "core/module1.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <optional>

#include "core/runtime_error.h"
#include "tests/host/recording_form.h"
#include "tests/host/recording_os.h"

namespace velamo {
namespace {

using Calls = std::vector<std::string>;

// The run-time error `action` raises, if any.
std::optional<RuntimeErrorCode> Raised(const std::function<void()>& action) {
  try {
    action();
  } catch (RuntimeErrorCode code) {
    return code;
  }
  return std::nullopt;
}

class Module1Test : public ::testing::Test {
 protected:
  testing::RecordingOs os_;
  testing::RecordingForm form_{os_.calls};
  Module1 module_{os_};
};

TEST_F(Module1Test, MainTakesIconsFromTheFixedFileNameThenShowsTheWindow) {
  os_.icon_files["C:\\Tools\\Velamo.exe"] = {{0, {0x100, 0x101}}, {1, {0x200, 0x201}}};
  module_.Main(form_);

  EXPECT_EQ(module_.AppPath, u"C:\\Tools\\");
  EXPECT_EQ(os_.calls,
            (Calls{"ExtractIconExA C:\\Tools\\Velamo.exe 0",
                   "ExtractIconExA C:\\Tools\\Velamo.exe 1", "Form1.Show", "EnumWindows"}));
  EXPECT_EQ(module_.AppLargeIcon, 0x100u);
  EXPECT_EQ(module_.AppSmallIcon, 0x101u);
  EXPECT_EQ(module_.AppFallbackIcon, 0x201u);
  EXPECT_EQ(module_.UpperBound(), 0);
  EXPECT_TRUE(os_.notify_calls.empty());
}

TEST_F(Module1Test, PathsGetOneBackslashAndAMissingFileLeavesTheIconsZero) {
  for (const std::u16string path : {u"C:\\", u"D:\\ツール"}) {
    os_.calls.clear();
    os_.application_path = path;
    module_.Main(form_);
    EXPECT_EQ(os_.calls.front(), "ExtractIconExA " + os_.ToAnsi(path) +
                                     (path.size() > 3 ? "\\" : "") + "Velamo.exe 0");
  }
  EXPECT_EQ(module_.AppPath, u"D:\\ツール\\");
  EXPECT_EQ(module_.AppLargeIcon + module_.AppSmallIcon + module_.AppFallbackIcon, 0u);
}

TEST_F(Module1Test, IndexZeroUsesTheProgramsOwnRecord) {
  module_.TrayAdd(0, 0x50, 0x60, u"Velamo");
  EXPECT_EQ(module_.MainTray, MakeTrayRecord(0, 0x50, 0x60, u"Velamo"));
  EXPECT_EQ(module_.UpperBound(), 0);
  EXPECT_EQ(module_.HiddenList[0].Tray, TrayRecord{});

  module_.TrayDelete(0);
  ASSERT_EQ(os_.notify_calls.size(), 2u);
  EXPECT_EQ(os_.notify_calls[0].message, kNimAdd);
  EXPECT_EQ(os_.notify_calls[1].message, kNimDelete);
  EXPECT_EQ(os_.notify_calls[1].data, AnsiTrayRecord(module_.MainTray, os_));
}

TEST_F(Module1Test, NonZeroIndexUsesItsEntryAndDeleteSendsTheStoredRecord) {
  module_.HiddenList.resize(3);
  module_.TrayAdd(2, 0x70, 0x80, u"メモ帳");
  EXPECT_EQ(module_.HiddenList[2].Tray, MakeTrayRecord(2, 0x70, 0x80, u"メモ帳"));
  EXPECT_EQ(module_.HiddenList[1].Tray, TrayRecord{});
  EXPECT_EQ(module_.MainTray, TrayRecord{});

  module_.TrayDelete(2);
  ASSERT_EQ(os_.notify_calls.size(), 2u);
  EXPECT_EQ(os_.notify_calls[1].message, kNimDelete);
  EXPECT_EQ(os_.notify_calls[1].data, os_.notify_calls[0].data);
}

TEST_F(Module1Test, IndexOutsideTheTableIsARuntimeErrorBeforeAnyShellCall) {
  module_.HiddenList.resize(2);
  for (Index bad : {Index{2}, Index{-1}, Index{32767}}) {
    EXPECT_EQ(Raised([&] { module_.TrayAdd(bad, 1, 1, u"x"); }),
              RuntimeErrorCode::kSubscriptOutOfRange);
    EXPECT_EQ(Raised([&] { module_.TrayDelete(bad); }), RuntimeErrorCode::kSubscriptOutOfRange);
  }
  EXPECT_TRUE(os_.notify_calls.empty());
}

TEST(RuntimeErrorTest, SixteenBitValuesPastTheirRangeOverflow) {
  EXPECT_EQ(CheckedInt16(32767), 32767);
  EXPECT_EQ(CheckedInt16(-32768), -32768);
  for (int outside : {32768, -32769, 500 * 100}) {
    EXPECT_EQ(Raised([&] { CheckedInt16(outside); }), RuntimeErrorCode::kOverflow) << outside;
  }
}

TEST(RuntimeErrorTest, MessageNamesTheNumberAndTheCause) {
  EXPECT_EQ(RuntimeErrorMessage(RuntimeErrorCode::kSubscriptOutOfRange),
            u"実行時エラー '9':\n\nインデックスが有効範囲にありません。");
  EXPECT_EQ(RuntimeErrorMessage(RuntimeErrorCode::kOverflow),
            u"実行時エラー '6':\n\nオーバーフローしました。");
}

}  // namespace

// The program ends on a run-time error; here the error is thrown, for the tests to catch.
void RaiseRuntimeError(RuntimeErrorCode code) { throw code; }

}  // namespace velamo
