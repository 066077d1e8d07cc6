#include <windows.h>
#include <shellapi.h>

#include <gtest/gtest.h>

#include <vector>

#include "core/module1.h"
#include "core/tray_notification.h"
#include "tests/windows/real_input.h"
#include "toolkit/application.h"
#include "toolkit/form.h"
#include "toolkit/handles.h"
#include "toolkit/picture_box.h"
#include "win32/handle_cast.h"
#include "win32/win32_os.h"

namespace velamo {
namespace {

using testing::MouseAt;

// Icons stand at the right end of the taskbar, right to left in the order they were added, each
// a small icon with a 2-pixel border.
RECT TraySlot(int order) {
  RECT taskbar{};
  GetWindowRect(FindWindowW(L"Shell_TrayWnd", nullptr), &taskbar);
  const int width = GetSystemMetrics(SM_CXSMICON) + 4;
  const int height = GetSystemMetrics(SM_CYSMICON) + 4;
  const int top = taskbar.top + (taskbar.bottom - taskbar.top - height) / 2;
  return RECT{taskbar.right - width * (order + 1), top, taskbar.right - width * order,
              top + height};
}

// The slot's pixels as the screen shows them.
std::vector<COLORREF> PixelsOf(const RECT& slot) {
  std::vector<COLORREF> pixels;
  toolkit::WindowDc screen(nullptr);
  for (int y = slot.top; y < slot.bottom; ++y) {
    for (int x = slot.left; x < slot.right; ++x) pixels.push_back(GetPixel(screen.get(), x, y));
  }
  return pixels;
}

// Like a hand on the mouse: onto the icon, a moment's rest, then the click.
void Click(const RECT& slot, DWORD down, DWORD up) {
  const POINT center{(slot.left + slot.right) / 2, (slot.top + slot.bottom) / 2};
  MouseAt(center, {});
  Sleep(150);
  MouseAt(center, {down, up});
}

class TrayTest : public ::testing::Test {
 protected:
  TrayTest() {
    module_.HiddenList.resize(3);
    icon_ = LoadIconW(nullptr, IDI_INFORMATION);
    for (int i = 0; i < 3; ++i) {
      boxes_.push_back(std::make_unique<toolkit::PictureBox>(
          toolkit::Placement{form_, {0, 0, 15, 15}}, toolkit::PictureStyle{.visible = false}));
      boxes_.back()->MouseMove = [this, i](std::int16_t, std::int16_t, double x, double) {
        received_.push_back({i, MouseMessageFromX(x, app_.twips().TwipsPerPixel())});
      };
    }
  }

  // Whether the shell holds icon `index` of box `box`: only an existing icon can be modified.
  bool ShellHasIcon(int box, Index index) {
    NOTIFYICONDATAW data{};
    data.cbSize = NOTIFYICONDATAW_V1_SIZE;
    data.hWnd = boxes_[box]->hwnd();
    data.uID = index;
    return Shell_NotifyIconW(NIM_MODIFY, &data);
  }

  // The button releases received, with the box each reached.
  std::vector<std::pair<int, int>> Releases() const {
    std::vector<std::pair<int, int>> releases;
    for (const auto& received : received_) {
      if (ClickOf(received.second) != TrayClick::kNone) releases.push_back(received);
    }
    return releases;
  }

  // Pumps messages until a button release arrived or two seconds passed.
  void PumpUntilRelease() {
    const DWORD start = GetTickCount();
    MSG message;
    while (GetTickCount() - start < 2000) {
      while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) app_.DispatchOne(message);
      for (const auto& [box, mouse_message] : received_) {
        if (ClickOf(mouse_message) != TrayClick::kNone) return;
      }
      Sleep(10);
    }
  }

  toolkit::Application app_;
  toolkit::Form form_{app_, {.caption = L"Tray", .client_width = 1500, .client_height = 1500}};
  Win32Os os_;
  Module1 module_{os_};
  HICON icon_ = nullptr;
  std::vector<std::unique_ptr<toolkit::PictureBox>> boxes_;
  std::vector<std::pair<int, int>> received_;  // box, decoded mouse message
};

TEST_F(TrayTest, AddedIconAppearsReceivesRealClicksAndGoesAway) {
  const std::vector<COLORREF> empty_slot = PixelsOf(TraySlot(0));
  module_.TrayAdd(1, ToHandle(boxes_[1]->hwnd()), ToHandle(icon_), u"Velamo tray test");
  module_.TrayAdd(2, ToHandle(boxes_[2]->hwnd()), ToHandle(icon_), u"二つ目のアイコン");
  EXPECT_TRUE(ShellHasIcon(1, 1));
  EXPECT_TRUE(ShellHasIcon(2, 2));
  EXPECT_FALSE(ShellHasIcon(0, 1));  // matched by window and ID together
  Sleep(200);
  EXPECT_NE(PixelsOf(TraySlot(0)), empty_slot);

  // The second icon added stands left of the first; its clicks reach only its own box.
  Click(TraySlot(1), MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP);
  PumpUntilRelease();
  EXPECT_EQ(Releases(), (std::vector<std::pair<int, int>>{{2, kLeftButtonUp}}));

  received_.clear();
  Click(TraySlot(0), MOUSEEVENTF_RIGHTDOWN, MOUSEEVENTF_RIGHTUP);
  PumpUntilRelease();
  EXPECT_EQ(Releases(), (std::vector<std::pair<int, int>>{{1, kRightButtonUp}}));

  // A plain move over an icon is reported but decodes to no action.
  received_.clear();
  const RECT slot = TraySlot(1);
  MouseAt({slot.left + 3, slot.top + 3}, {});
  const DWORD start = GetTickCount();
  MSG message;
  while (received_.empty() && GetTickCount() - start < 2000) {
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) app_.DispatchOne(message);
    Sleep(10);
  }
  ASSERT_FALSE(received_.empty());
  EXPECT_EQ(received_.front().second, WM_MOUSEMOVE);
  EXPECT_EQ(ClickOf(received_.front().second), TrayClick::kNone);

  module_.TrayDelete(2);
  module_.TrayDelete(1);
  EXPECT_FALSE(ShellHasIcon(1, 1));
  EXPECT_FALSE(ShellHasIcon(2, 2));
  Sleep(200);
  EXPECT_EQ(PixelsOf(TraySlot(0)), empty_slot);
}

TEST_F(TrayTest, ProgramsOwnIconUsesIdZero) {
  module_.TrayAdd(0, ToHandle(boxes_[0]->hwnd()), ToHandle(icon_), u"Velamo");
  EXPECT_TRUE(ShellHasIcon(0, 0));
  module_.TrayDelete(0);
  EXPECT_FALSE(ShellHasIcon(0, 0));
}

}  // namespace
}  // namespace velamo
