#include "win32/caption_button_hook.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <vector>

#include "win32/win32_os.h"

namespace velamo {
namespace {

// The thread that watches the input runs while there is something to watch: the right click, or
// a close rule, /nobutton or not. Without it the program runs on, watching nothing.
TEST(CaptionButtonHookTest, TheThreadRunsForTheRightClickOrACloseRuleAndIsAbsentWithoutRoom) {
  Win32Os os;
  CaptionButtonHook hook(nullptr, WM_APP, os, true);
  EXPECT_TRUE(hook.Running());
  hook.StopMinimizeButton();
  EXPECT_FALSE(hook.Running());
  hook.AddCloseRule(u"notepad.exe");
  hook.StopMinimizeButton();
  EXPECT_TRUE(hook.Running());
  hook.Stop();
  EXPECT_FALSE(hook.Running());

  if (sizeof(void*) == 8) GTEST_SKIP() << "Velamo.exe is 32-bit; 64-bit space cannot be filled";
  // Every free address reserved: no thread can have a stack.
  std::vector<void*> reserved;
  reserved.reserve(4096);  // more than there will be: no allocation once the space is full
  for (SIZE_T size = SIZE_T{1} << 30; size >= 0x10000;) {
    if (void* block = VirtualAlloc(nullptr, size, MEM_RESERVE, PAGE_NOACCESS)) {
      reserved.push_back(block);
    } else {
      size /= 2;
    }
  }
  const bool running = CaptionButtonHook(nullptr, WM_APP, os, true).Running();
  for (void* block : reserved) VirtualFree(block, 0, MEM_RELEASE);
  EXPECT_FALSE(running);
}

}  // namespace
}  // namespace velamo
