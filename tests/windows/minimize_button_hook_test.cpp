#include "win32/minimize_button_hook.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <vector>

namespace velamo {
namespace {

// Without the thread that watches the mouse the program runs on, without the right click.
TEST(MinimizeButtonHookTest, WithoutRoomForItsThreadTheHookIsAbsentAndStopsAtOnce) {
  MinimizeButtonHook hook(nullptr, WM_APP);
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
  const bool running = MinimizeButtonHook(nullptr, WM_APP).Running();
  for (void* block : reserved) VirtualFree(block, 0, MEM_RELEASE);
  EXPECT_FALSE(running);
}

}  // namespace
}  // namespace velamo
