#include "main_window/form1.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/program_ids.h"
#include "win32/handle_cast.h"
#include "win32/wide.h"
#include "win32/win32_os.h"

namespace velamo {
namespace {

using Menu = std::vector<std::wstring>;

// What no other process can read: menus and class icons, seen in-process.
class Form1Test : public ::testing::Test {
 protected:
  Form1Test() { module_.Main(form1_); }
  ~Form1Test() override { module_.RestoreHidden(0); }

  // A top-level window of a class registered here with the given small class icon.
  static Handle Target(const wchar_t* class_name, HICON small, const wchar_t* title) {
    const WNDCLASSEXW window_class{.cbSize = sizeof(window_class),
                                   .lpfnWndProc = DefWindowProcW,
                                   .hInstance = GetModuleHandleW(nullptr),
                                   .lpszClassName = class_name,
                                   .hIconSm = small};
    RegisterClassExW(&window_class);
    return ToHandle(CreateWindowExW(0, class_name, title, WS_OVERLAPPEDWINDOW | WS_VISIBLE, 10, 10,
                                    200, 100, nullptr, nullptr, nullptr, nullptr));
  }
  // Each item's text, "-" for a separator, marked when grayed.
  static Menu Items(HMENU menu) {
    Menu items;
    for (int i = 0; i < GetMenuItemCount(menu); ++i) {
      wchar_t text[128] = {};
      GetMenuStringW(menu, i, text, 128, MF_BYPOSITION);
      const bool grayed = GetMenuState(menu, i, MF_BYPOSITION) & MF_GRAYED;
      items.push_back(std::wstring(text[0] ? text : L"-") + (grayed ? L" (grayed)" : L""));
    }
    return items;
  }

  toolkit::Application app_{0, {Wide(kFormClass), Wide(kPictureClass)}};
  Win32Os os_;
  Module1 module_{os_};
  Form1 form1_{app_, module_, os_};
};

TEST_F(Form1Test, List1HasTheFocusAndMenusHoldTheirItemsAndTheWindowListFollowsTheTable) {
  EXPECT_EQ(GetFocus(), form1_.List1.hwnd());
  EXPECT_EQ(Items(GetMenu(form1_.form().hwnd())), (Menu{L"ファイル(&F)", L"ヘルプ(&H)"}));
  EXPECT_EQ(Items(form1_.Menu_File.handle()), Menu{L"終了(&X)"});
  EXPECT_EQ(Items(form1_.Menu_Help.handle()), Menu{L"バージョン情報(&A)"});
  EXPECT_EQ(Items(form1_.IconMenu_Sub.handle()), Menu{L"元のサイズに戻す(&R)"});

  module_.RebuildWindowMenu();
  EXPECT_EQ(Items(form1_.IconMenu.handle()),
            (Menu{L"表示(&V)", L"元のサイズに戻す(&R) (grayed)", L"-", L"終了(&X)"}));
  for (const wchar_t* title : {L"One", L"&Two & three", L"日本語"}) {
    module_.HideWindowByHandle(Target(L"VelamoTestPlain", nullptr, title));
  }
  module_.RestoreHidden(1);
  module_.RebuildWindowMenu();
  EXPECT_EQ(Items(form1_.IconMenu.handle())[1], L"元のサイズに戻す(&R)");
  EXPECT_EQ(Items(form1_.IconMenu_Resize.handle()),
            (Menu{L"全て(&A)", L"&Two & three", L"日本語"}));
}

TEST_F(Form1Test, IconIsTheClassSmallIconElseTheFallback) {
  const HICON small = LoadIconW(nullptr, IDI_INFORMATION);
  module_.AppFallbackIcon = 0x1234;
  EXPECT_EQ(module_.GetWindowIcon(Target(L"VelamoTestIcon", small, L"a")), ToHandle(small));
  EXPECT_EQ(module_.GetWindowIcon(Target(L"VelamoTestNone", nullptr, L"b")), 0x1234u);
}

}  // namespace

}  // namespace velamo
