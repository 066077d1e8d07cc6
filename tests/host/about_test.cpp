#include "core/about.h"

#include <gtest/gtest.h>

#include "tests/host/fake_desktop.h"

namespace velamo {
namespace {

using Calls = std::vector<std::string>;

TEST(AboutTest, OnlyALeftReleaseOpensALinkAndNotWhileOneIsOpening) {
  testing::FakeDesktop os;
  Bool16 link_busy = kFalse;
  OpenLink(os, link_busy, 2, kLinks[1].tag);
  OpenLink(os, link_busy, 4, kLinks[1].tag);
  EXPECT_TRUE(os.calls.empty());

  // A release delivered while the shell is still starting the first program opens nothing.
  os.during_shell_execute = [&] { OpenLink(os, link_busy, 1, kLinks[0].tag); };
  OpenLink(os, link_busy, 1, kLinks[1].tag);
  EXPECT_EQ(os.calls, (Calls{R"(ShellExecuteA 0 open mailto:velamo@example.org "" "" 1)"}));
  EXPECT_EQ(link_busy, kFalse);
}

}  // namespace
}  // namespace velamo
