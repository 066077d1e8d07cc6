#include "core/close_to_tray.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "tests/host/fake_desktop.h"

namespace velamo {
namespace {

using testing::FakeDesktop;

constexpr std::uint32_t kMainWindow = 0xC00000, kLeftAlt = 0xA4, kRightAlt = 0xA5, kF4 = 0x73;
constexpr std::int32_t kHtCaption = 2, kHtClose = 20;
const CloseTaken kPassed{}, kTaken{true}, kHide81{true, 0x81};

// Processes 10 (notepad, with a rule) and 11 (without); notepad's main window 0x81 is in front.
class CloseToTrayTest : public ::testing::Test {
 protected:
  CloseToTrayTest() {
    desktop_.processes = {{10, {uR"(C:\Windows\notepad.exe)"}}, {11, {uR"(C:\mail.exe)"}}};
    Add(0x81, 10);
    Add(0x82, 11);
    desktop_.foreground = 0x81;
    close_.AddRule(u"NOTEPAD.EXE");
  }
  FakeDesktop::Window& Add(Handle window, std::uint32_t process) {
    desktop_.AddWindow(window, {.style = kMainWindow, .process = process, .hit = kHtClose});
    return desktop_.windows[window];
  }
  // Pressed over `pressed`, then released over `released` answering `hit` there.
  std::pair<CloseTaken, CloseTaken> Click(Handle pressed, Handle released, std::int32_t hit = 20) {
    const CloseTaken press = close_.Button(true, pressed, -3, 7);
    desktop_.windows[released].hit = hit;
    return {press, close_.Button(false, released, -3, 7)};
  }

  FakeDesktop desktop_;
  CloseToTray close_{desktop_};
};

TEST_F(CloseToTrayTest, AClickIsTakenPressedAndReleasedOnTheCloseButtonOfARuledMainWindow) {
  EXPECT_EQ(Click(0x81, 0x81), std::pair(kTaken, kHide81));
  // Let go over another window or off the button: nothing, as on the button itself.
  EXPECT_EQ(Click(0x81, 0x82), std::pair(kTaken, kTaken));
  EXPECT_EQ(Click(0x81, 0x81, kHtCaption), std::pair(kTaken, kTaken));
  EXPECT_EQ(Click(0x81, 0x81, kHtCaption), std::pair(kPassed, kPassed));
  Add(0x83, 10).owner = 0x81;         // a dialog
  Add(0x84, 10).style |= 0x08000000;  // disabled
  Add(0x85, 10).style |= 0x40000000;  // a child window
  Add(0x86, 10).hit = -1;             // hung
  Add(0x87, 10).visible = 0;
  Add(0x88, FakeDesktop::kOurProcess);
  Add(0x89, 10).class_name = "Shell_TrayWnd";
  for (Handle window : {0x82, 0x83, 0x84, 0x85, 0x86, 0x87, 0x88, 0x89, 0x666}) {
    EXPECT_EQ(Click(window, window), std::pair(kPassed, kPassed)) << window;
  }
  // The point as WM_NCHITTEST takes it, a screen left of the first one's too. A program without
  // a rule is sent nothing; each program is read once while it has a window.
  const auto count = [this](const std::string& call) {
    return std::ranges::count(desktop_.calls, call);
  };
  EXPECT_EQ(count("SendMessageTimeoutW 129 524285"), 6);
  EXPECT_EQ(count("SendMessageTimeoutW 130 524285"), 0);
  EXPECT_EQ(count("ProcessImageName 10") + count("ProcessImageName 11"), 2);

  // Notepad ended and its id given to another process: read again.
  for (Handle window : {0x81, 0x83, 0x84, 0x85, 0x86, 0x87, 0x89}) desktop_.windows.erase(window);
  desktop_.processes[10].image = uR"(C:\mail.exe)";
  Add(0x8A, 10);
  EXPECT_EQ(Click(0x8A, 0x8A), std::pair(kPassed, kPassed));
  close_.AddRule(uR"(C:\mail.exe)");  // handed over later
  EXPECT_EQ(Click(0x82, 0x82), std::pair(kTaken, CloseTaken{true, 0x82}));
}

TEST_F(CloseToTrayTest, AltF4TakesTheActiveRuledMainWindowWithItsRepeatsButNotItsRelease) {
  const auto key = [this](bool down, std::uint32_t key, bool system = true) {
    return close_.Key(down, system, key);  // system: as with Alt and without Ctrl
  };
  EXPECT_EQ(key(true, kF4, false), kPassed);
  EXPECT_EQ(key(true, kLeftAlt), kPassed);
  EXPECT_EQ(key(true, kF4, false), kPassed);  // Ctrl held too
  EXPECT_EQ(key(true, kF4), kHide81);
  EXPECT_EQ(key(true, kF4), kTaken);  // repeating
  EXPECT_EQ(key(false, kF4), kPassed);
  EXPECT_EQ(key(true, kRightAlt), kPassed);
  EXPECT_EQ(key(false, kLeftAlt), kPassed);
  EXPECT_EQ(key(true, kF4), kHide81);
  EXPECT_EQ(key(false, kF4), kPassed);
  EXPECT_EQ(key(false, kRightAlt, false), kPassed);
  EXPECT_EQ(key(true, kF4), kPassed);
  desktop_.foreground = 0x82;
  EXPECT_EQ(key(true, kLeftAlt), kPassed);
  EXPECT_EQ(key(true, kF4), kPassed);
}

}  // namespace
}  // namespace velamo
