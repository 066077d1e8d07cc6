#pragma once

#include <gtest/gtest.h>

#include "core/module1.h"
#include "tests/host/fake_desktop.h"

namespace velamo::testing {

using Calls = std::vector<std::string>;
using Titles = std::vector<std::u16string>;

// The shared procedures started from C:\Tools on a fake desktop.
class ModuleTest : public ::testing::Test {
 protected:
  static constexpr Handle kFallback = 0x201;

  ModuleTest() {
    desktop_.icon_files["C:\\Tools\\Velamo.exe"] = {{0, {0x100, 0x101}}, {1, {0x200, kFallback}}};
    module_.Main(desktop_);
    desktop_.calls.clear();
  }

  // Windows 0x51, 0x52, ... titled "w1", "w2", ..., small icons 0x71, 0x72, ..., hidden in turn.
  void Hide(int count) {
    for (int i = 1; i <= count; ++i) {
      desktop_.AddWindow(0x50 + i, {.title = u"w" + std::u16string(1, u'0' + i),
                                    .small_icon = static_cast<Handle>(0x70 + i)});
      module_.HideChosenWindow(0x50 + i);
    }
    desktop_.calls.clear();
  }

  Titles Entries() const {
    Titles titles;
    for (Index i = 1; i <= module_.UpperBound(); ++i) titles.push_back(module_.HiddenList[i].Title);
    return titles;
  }

  FakeDesktop desktop_;
  Module1 module_{desktop_};
};

}  // namespace velamo::testing
