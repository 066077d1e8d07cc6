#include "core/module1.h"

#include <gtest/gtest.h>

#include <functional>
#include <optional>

#include "core/runtime_error.h"
#include "tests/host/fake_desktop.h"

namespace velamo {
namespace {

using Calls = std::vector<std::string>;

// The run-time error `action` raises, if any.
std::optional<RuntimeErrorCode> Raised(const std::function<void()>& action) {
  SetErrorEnd([](RuntimeErrorCode code) { throw code; });
  try {
    action();
  } catch (RuntimeErrorCode code) {
    return code;
  }
  return std::nullopt;
}

TEST(Module1Test, IconsComeFromTheFixedFileNameInTheProgramsDirectoryBeforeTheWindowShows) {
  // E:\ holds the program under another name: no icons, and the program runs on.
  for (const std::u16string path : {u"C:\\", u"D:\\ツール", u"E:\\"}) {
    testing::FakeDesktop os;
    os.application_path = path;
    const std::string file = os.ToAnsi(path) + (path.size() > 3 ? "\\" : "") + "Velamo.exe";
    if (path != u"E:\\") os.icon_files[file] = {{0, {0x100, 0x101}}, {1, {0x200, 0x201}}};
    Module1 module{os};
    module.Main(os);
    EXPECT_EQ(os.calls,
              (Calls{"ExtractIconExA " + file + " 0 large", "ExtractIconExA " + file + " 0 small",
                     "ExtractIconExA " + file + " 1 small", "Form1.Show", "EnumWindows"}));
    const std::vector<Handle> found = {module.AppLargeIcon, module.AppSmallIcon,
                                       module.AppFallbackIcon};
    const std::vector<Handle> expected = {0x100, 0x101, 0x201};
    EXPECT_EQ(found, path == u"E:\\" ? std::vector<Handle>(3) : expected);
  }
}

TEST(Module1Test, AnIndexOutsideTheTableIsARuntimeErrorBeforeAnyShellCall) {
  testing::FakeDesktop os;
  Module1 module{os};
  module.HiddenList.resize(2);
  for (Index bad : {Index{2}, Index{-1}, Index{32767}}) {
    EXPECT_EQ(Raised([&] { module.TrayAdd(bad, 1, 1, u"x"); }),
              RuntimeErrorCode::kSubscriptOutOfRange);
    EXPECT_EQ(Raised([&] { module.TrayDelete(bad); }), RuntimeErrorCode::kSubscriptOutOfRange);
  }
  EXPECT_TRUE(os.calls.empty());
}

}  // namespace

}  // namespace velamo
