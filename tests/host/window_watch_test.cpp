#include "core/window_watch.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "tests/host/module_test.h"

namespace velamo {
namespace {

using testing::FakeDesktop;
using testing::Titles;

constexpr std::uint32_t kCaption = 0xC00000;

// Processes 10 (notepad), 11 (a mail program) and 12, started by 11.
class WindowWatchTest : public testing::ModuleTest {
 protected:
  WindowWatchTest() {
    desktop_.processes = {{10, {uR"(C:\Windows\notepad.exe)"}},
                          {11, {uR"(D:\メール\Mail.EXE)"}},
                          {12, {uR"(D:\メール\mailview.exe)", 11}}};
  }
  // A window with a caption, shown.
  FakeDesktop::Window& Add(Handle window, std::u16string title, std::uint32_t process) {
    desktop_.AddWindow(window, {.title = std::move(title), .style = kCaption, .process = process});
    return desktop_.windows[window];
  }
  bool Visible(Handle window) { return desktop_.windows[window].visible != 0; }

  WindowWatch watch_{desktop_, module_};
};

TEST_F(WindowWatchTest, AMinimizedRuleHidesItsProgramsWindowsEachTimeTheyAreMinimized) {
  watch_.AddMinimizedRule(u"NOTEPAD.exe");
  watch_.AddMinimizedRule(uR"(d:\メール\mail.exe)");
  FakeDesktop::Window& memo = Add(0x81, u"memo", 10);
  Add(0x82, u"mail", 11).iconic = 1;
  Add(0x83, u"viewer", 12).iconic = 1;
  watch_.Look();
  EXPECT_EQ(desktop_.list, Titles{u"mail"});
  EXPECT_TRUE(Visible(0x81) && Visible(0x83));

  memo.iconic = 1;
  watch_.Look();
  module_.RestoreEntry(2, 0x81);
  EXPECT_TRUE(Visible(0x81));
  memo.iconic = 1;  // minimized again
  watch_.Look();
  EXPECT_EQ(desktop_.list, (Titles{u"mail", u"memo"}));
  EXPECT_FALSE(Visible(0x81));
  // Each process's program is read once while it has windows.
  EXPECT_EQ(std::ranges::count(desktop_.calls, "ProcessImageName 10"), 1);
}

TEST_F(WindowWatchTest, AnOpenRuleHidesEachMainWindowOnceWhenItFirstShows) {
  Add(0x81, u"open before", 10);
  Add(0x82, u"splash", 10).style = 0;
  Add(0x83, u"tool", 10).ex_style = 0x80;
  Add(0x84, u"dialog", 10).owner = 0x81;
  Add(0x85, u"later", 10).visible = 0;
  Add(0x86, u"other", 11);
  watch_.AddOpenRule(u"notepad.exe");
  watch_.Look();
  EXPECT_EQ(desktop_.list, Titles{u"open before"});
  desktop_.windows[0x85].visible = 1;
  module_.RestoreEntry(1, 0x81);  // brought back, it stays
  watch_.Look();
  watch_.Look();
  EXPECT_EQ(desktop_.list, Titles{u"later"});
  EXPECT_TRUE(Visible(0x81) && Visible(0x82) && Visible(0x83) && Visible(0x84) && Visible(0x86));
}

TEST_F(WindowWatchTest, AStartedProgramsMainWindowIsTakenThroughLaunchersThatEndedWithinAMinute) {
  // 12 ran before the start, with the id of its ended parent that the start is given.
  desktop_.processes.erase(11);
  EXPECT_FALSE(watch_.Active());
  watch_.WatchStartedProcess(11);
  EXPECT_TRUE(watch_.Active());
  desktop_.processes[11] = {u"launch.exe", FakeDesktop::kOurProcess};
  Add(0x81, u"splash", 11).style = 0;
  Add(0x82, u"running before", 12);
  watch_.Look();
  // 11 starts 13 and ends, 13 starts 14 and ends, and 14 shows its windows.
  desktop_.processes.erase(11);
  desktop_.processes[13] = {u"relay.exe", 11};
  watch_.Look();
  desktop_.processes.erase(13);
  desktop_.processes[14] = {u"viewer.exe", 13};
  Add(0x83, u"viewer", 14);
  Add(0x84, u"second", 14).visible = 0;
  watch_.Look();
  desktop_.windows[0x84].visible = 1;
  watch_.Look();
  EXPECT_EQ(desktop_.list, Titles{u"viewer"});
  EXPECT_TRUE(Visible(0x82) && Visible(0x84));
  EXPECT_FALSE(watch_.Active());

  watch_.WatchStartedProcess(10);
  Add(0x85, u"late", 10).visible = 0;
  desktop_.tick = 60001;
  desktop_.windows[0x85].visible = 1;
  watch_.Look();
  EXPECT_TRUE(Visible(0x85));
  EXPECT_FALSE(watch_.Active());
}

TEST_F(WindowWatchTest, WindowsSeenBeforeNeedNoSecondLookAndVelamosOwnProgramIsNeverTaken) {
  desktop_.processes[FakeDesktop::kOurProcess] = {uR"(C:\Tools\Velamo.exe)"};
  desktop_.processes[20] = {uR"(c:\tools\VELAMO.EXE)"};  // a second start, with its message
  watch_.AddOpenRule(u"velamo.exe");
  watch_.AddMinimizedRule(u"notepad.exe");
  Add(0x90, u"Velamo", 20);
  Add(0x91, u"memo", 10);
  for (Handle window = 0x100; window < 0x164; ++window) Add(window, u"mail", 11);
  watch_.Look();
  desktop_.window_queries = 0;
  watch_.Look();
  EXPECT_EQ(desktop_.window_queries, 1);  // the style of the one window a rule may take
  EXPECT_TRUE(desktop_.list.empty());

  watch_.AddOpenRule(u"mail.exe");  // a rule handed over later sees every window anew
  watch_.Look();
  EXPECT_EQ(desktop_.list.size(), 100u);
  EXPECT_TRUE(Visible(0x90));
  desktop_.window_queries = 0;
  watch_.Look();
  EXPECT_EQ(desktop_.window_queries, 1);  // the windows the open rule took are done with
}

}  // namespace
}  // namespace velamo
