#include <windows.h>

#include <gtest/gtest.h>

#include <vector>

#include "core/runtime_error.h"
#include "tests/windows/real_input.h"
#include "toolkit/application.h"
#include "toolkit/control_array.h"
#include "toolkit/form.h"
#include "toolkit/list_box.h"
#include "toolkit/menu.h"
#include "toolkit/picture_box.h"
#include "toolkit/scroll_bar.h"
#include "toolkit/timer.h"

namespace toolkit {
namespace {

using velamo::RuntimeError;
using velamo::RuntimeErrorCode;

RuntimeErrorCode ErrorOf(const std::function<void()>& action) {
  try {
    action();
  } catch (const RuntimeError& error) {
    return error.code();
  }
  ADD_FAILURE() << "no run-time error";
  return RuntimeErrorCode::kOverflow;
}

// Pumps messages until `done` or the time runs out.
bool PumpUntil(Application& app, const std::function<bool()>& done, DWORD milliseconds = 3000) {
  const DWORD start = GetTickCount();
  MSG message;
  while (!done()) {
    if (GetTickCount() - start > milliseconds) return false;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) app.DispatchOne(message);
    Sleep(5);
  }
  return true;
}

class ControlsTest : public ::testing::Test {
 protected:
  Application app_;
  Form form_{app_, {.caption = L"Controls", .client_width = 3000, .client_height = 2000}};
};

TEST_F(ControlsTest, ControlArrayLoadsAndUnloadsWindowsByIndex) {
  std::vector<std::pair<std::int16_t, double>> moves;
  ControlArray<PictureBox> boxes([&](std::int16_t index) {
    auto box = std::make_unique<PictureBox>(Placement{form_, {0, 0, 15, 15}},
                                            PictureStyle{.visible = false});
    box->MouseMove = [&moves, index](std::int16_t, std::int16_t, double x, double) {
      moves.emplace_back(index, x);
    };
    return box;
  });
  for (std::int16_t i = 0; i <= 3; ++i) boxes.Load(i);
  EXPECT_EQ(boxes.UBound(), 3);
  EXPECT_EQ(GetParent(boxes(3).hwnd()), form_.hwnd());
  EXPECT_NE(boxes(2).hwnd(), boxes(3).hwnd());

  // Each element's events carry its own index; X arrives in twips.
  SendMessageW(boxes(2).hwnd(), WM_MOUSEMOVE, 0, MAKELPARAM(514, 0));
  ASSERT_EQ(moves.size(), 1u);
  EXPECT_EQ(moves[0].first, 2);
  EXPECT_EQ(moves[0].second, 514.0 * app_.twips().TwipsPerPixel());

  const HWND unloaded = boxes(3).hwnd();
  boxes.Unload(3);
  EXPECT_FALSE(IsWindow(unloaded));
  EXPECT_EQ(boxes.UBound(), 2);
  boxes.Load(3);
  EXPECT_TRUE(IsWindow(boxes(3).hwnd()));

  EXPECT_EQ(ErrorOf([&] { boxes.Load(1); }), RuntimeErrorCode::kAlreadyLoaded);
  EXPECT_EQ(ErrorOf([&] { boxes.Unload(7); }), RuntimeErrorCode::kNoSuchElement);
  EXPECT_EQ(ErrorOf([&] { boxes(-1); }), RuntimeErrorCode::kNoSuchElement);
}

TEST_F(ControlsTest, ErrorEscapingAnEventHandlerGoesToTheRuntimeErrorHandler) {
  std::vector<RuntimeErrorCode> reported;
  app_.on_runtime_error = [&](std::exception_ptr error) {
    try {
      std::rethrow_exception(error);
    } catch (const RuntimeError& runtime_error) {
      reported.push_back(runtime_error.code());
    }
  };
  ListBox list(Placement{form_, {0, 0, 2000, 1500}});
  VScrollBar bar(Placement{form_, {0, 0, 255, 495}}, {.min = 0, .max = 10}, 0);
  bar.Change = [&] { list.RemoveItem(5); };
  // The error is raised inside the window procedure and must not unwind through the system.
  SendMessageW(form_.hwnd(), WM_VSCROLL, SB_LINEDOWN, LPARAM(bar.hwnd()));
  EXPECT_EQ(reported, std::vector<RuntimeErrorCode>{RuntimeErrorCode::kInvalidProcedureCall});
}

TEST_F(ControlsTest, ScrollBarWithMinimumAtTheTopGrowsUpwards) {
  VScrollBar bar(Placement{form_, {0, 0, 255, 495}}, {.min = 500, .max = 0}, 0);
  int changes = 0;
  bar.Change = [&] { ++changes; };
  EXPECT_EQ(GetScrollPos(bar.hwnd(), SB_CTL), 500);  // value 0 sits at the bottom

  SendMessageW(form_.hwnd(), WM_VSCROLL, SB_LINEDOWN, LPARAM(bar.hwnd()));
  EXPECT_EQ(bar.Value(), 0);
  EXPECT_EQ(changes, 0);

  SendMessageW(form_.hwnd(), WM_VSCROLL, SB_LINEUP, LPARAM(bar.hwnd()));
  EXPECT_EQ(bar.Value(), 1);
  EXPECT_EQ(changes, 1);
  EXPECT_EQ(GetScrollPos(bar.hwnd(), SB_CTL), 499);

  SendMessageW(form_.hwnd(), WM_VSCROLL, SB_TOP, LPARAM(bar.hwnd()));
  EXPECT_EQ(bar.Value(), 500);
  bar.SetValue(500);
  EXPECT_EQ(changes, 2);  // setting the same value raises nothing
}

TEST_F(ControlsTest, ListBoxKeepsOrderAndSelectsLinesIndependently) {
  ListBox list(Placement{form_, {0, 0, 2000, 1500}});
  for (const wchar_t* line : {L"Zeta", L"Alpha", L"メモ帳 & 日本語"}) list.AddItem(line);
  EXPECT_EQ(list.ListCount(), 3);
  EXPECT_EQ(list.List(0), L"Zeta");
  EXPECT_EQ(list.List(2), L"メモ帳 & 日本語");

  list.SetSelected(0, true);
  list.SetSelected(2, true);
  EXPECT_TRUE(list.Selected(0));
  EXPECT_FALSE(list.Selected(1));
  EXPECT_TRUE(list.Selected(2));

  list.RemoveItem(1);
  EXPECT_EQ(list.List(1), L"メモ帳 & 日本語");
  EXPECT_EQ(ErrorOf([&] { list.RemoveItem(2); }), RuntimeErrorCode::kInvalidProcedureCall);
  list.Clear();
  EXPECT_EQ(list.ListCount(), 0);
}

TEST_F(ControlsTest, CloseBoxAsksTheQueryUnloadEventWhichMayCancel) {
  std::vector<std::int16_t> reasons;
  std::int16_t answer = 1;
  form_.QueryUnload = [&](std::int16_t& cancel, std::int16_t reason) {
    reasons.push_back(reason);
    cancel = answer;
  };
  form_.Show();
  const int loaded = app_.loaded_forms();
  SendMessageW(form_.hwnd(), WM_CLOSE, 0, 0);
  EXPECT_TRUE(form_.loaded());
  EXPECT_TRUE(IsWindowVisible(form_.hwnd()));

  answer = 0;
  SendMessageW(form_.hwnd(), WM_CLOSE, 0, 0);
  EXPECT_FALSE(form_.loaded());
  EXPECT_FALSE(IsWindowVisible(form_.hwnd()));
  EXPECT_EQ(app_.loaded_forms(), loaded - 1);
  EXPECT_EQ(reasons, (std::vector<std::int16_t>{kUnloadFromControlMenu, kUnloadFromControlMenu}));
}

TEST_F(ControlsTest, ModalFormDisablesItsOwnerUntilItUnloads) {
  form_.Show();
  Form dialog(
      app_,
      {.caption = L"Modal", .client_width = 1500, .client_height = 1000, .show_in_taskbar = false});
  bool owner_enabled_while_open = true;
  HWND owner_while_open = nullptr;
  dialog.QueryUnload = [&](std::int16_t&, std::int16_t) {
    owner_enabled_while_open = IsWindowEnabled(form_.hwnd());
    owner_while_open = GetWindow(dialog.hwnd(), GW_OWNER);
  };
  PostMessageW(dialog.hwnd(), WM_CLOSE, 0, 0);
  dialog.ShowModal(form_);  // returns once the posted close has unloaded it

  EXPECT_FALSE(owner_enabled_while_open);
  EXPECT_EQ(owner_while_open, form_.hwnd());
  EXPECT_TRUE(IsWindowEnabled(form_.hwnd()));
  EXPECT_FALSE(dialog.loaded());
  EXPECT_FALSE(IsWindowVisible(dialog.hwnd()));
}

TEST_F(ControlsTest, TimerTicksAtItsIntervalAndStopsAtZero) {
  Timer timer(form_);
  int ticks = 0;
  timer.OnTimer = [&] { ++ticks; };
  timer.SetInterval(20);
  EXPECT_TRUE(PumpUntil(app_, [&] { return ticks >= 3; }));
  timer.SetInterval(0);
  const int stopped_at = ticks;
  EXPECT_FALSE(PumpUntil(
      app_, [&] { return ticks > stopped_at; }, 200));
}

TEST_F(ControlsTest, MenuItemArrayKeepsItsItemsInIndexOrder) {
  Menu popup(form_, Menu::Kind::kPopupOnly);
  MenuItem before(popup, L"Before");
  Menu sub(popup, L"Sub");
  MenuItem after(popup, L"-");
  std::vector<std::int16_t> clicked;
  MenuItemArray items(sub, L"全て(&A)", [&](std::int16_t index) { clicked.push_back(index); });
  items.Load(2).SetCaption(L"two");
  items.Load(1).SetCaption(L"one");
  items.Load(3).SetCaption(L"three");

  auto caption_at = [&](int position) {
    wchar_t text[64] = {};
    GetMenuStringW(sub.handle(), position, text, 64, MF_BYPOSITION);
    return std::wstring(text);
  };
  ASSERT_EQ(GetMenuItemCount(sub.handle()), 4);
  EXPECT_EQ(caption_at(0), L"全て(&A)");
  EXPECT_EQ(caption_at(1), L"one");
  EXPECT_EQ(caption_at(2), L"two");
  EXPECT_EQ(caption_at(3), L"three");
  EXPECT_EQ(GetMenuItemCount(popup.handle()), 3);
  EXPECT_EQ(GetSubMenu(popup.handle(), 1), sub.handle());
  MENUITEMINFOW separator{.cbSize = sizeof(separator), .fMask = MIIM_FTYPE};
  GetMenuItemInfoW(popup.handle(), 2, TRUE, &separator);
  EXPECT_TRUE(separator.fType & MFT_SEPARATOR);

  SendMessageW(form_.hwnd(), WM_COMMAND, items(2).id(), 0);
  items.Unload(2);
  EXPECT_EQ(GetMenuItemCount(sub.handle()), 3);
  EXPECT_EQ(caption_at(2), L"three");
  SendMessageW(form_.hwnd(), WM_COMMAND, items(3).id(), 0);
  EXPECT_EQ(clicked, (std::vector<std::int16_t>{2, 3}));

  sub.SetEnabled(false);
  EXPECT_TRUE(GetMenuState(popup.handle(), 1, MF_BYPOSITION) & MF_GRAYED);
}

// While a pop-up menu runs its loop: notes where the menu opened and chooses its second item
// with the keyboard, as a user would.
RECT g_open_menu{};
void CALLBACK ChooseSecondItem(HWND, UINT, UINT_PTR timer, DWORD) {
  KillTimer(nullptr, timer);
  GetWindowRect(FindWindowW(L"#32768", nullptr), &g_open_menu);
  INPUT keys[6] = {};
  const WORD presses[] = {VK_DOWN, VK_DOWN, VK_RETURN};
  for (int i = 0; i < 3; ++i) {
    keys[2 * i].type = keys[2 * i + 1].type = INPUT_KEYBOARD;
    keys[2 * i].ki.wVk = keys[2 * i + 1].ki.wVk = presses[i];
    keys[2 * i + 1].ki.dwFlags = KEYEVENTF_KEYUP;
  }
  SendInput(6, keys, sizeof(INPUT));
}

TEST_F(ControlsTest, PopupMenuOpensAtThePointerAndRunsTheChosenItem) {
  form_.Show();
  Menu popup(form_, Menu::Kind::kPopupOnly);
  std::vector<int> chosen;
  MenuItem first(popup, L"一つ目(&1)");
  MenuItem second(popup, L"二つ目(&2)");
  first.Click = [&] { chosen.push_back(1); };
  second.Click = [&] { chosen.push_back(2); };
  velamo::testing::MovePointerTo({300, 200});
  SetTimer(nullptr, 0, 300, ChooseSecondItem);
  form_.PopupMenu(popup.handle(), TPM_LEFTALIGN | TPM_RIGHTBUTTON);

  EXPECT_EQ(chosen, std::vector<int>{2});
  EXPECT_EQ(g_open_menu.left, 300);
  EXPECT_EQ(g_open_menu.top, 200);
}

}  // namespace
}  // namespace toolkit
