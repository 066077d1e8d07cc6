#include "main_window/form1.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "win32/win32_os.h"

namespace velamo {
namespace {

std::wstring TextOf(HWND window) {
  wchar_t text[256] = {};
  GetWindowTextW(window, text, 256);
  return text;
}

std::wstring MenuText(HMENU menu, int position) {
  wchar_t text[128] = {};
  GetMenuStringW(menu, position, text, 128, MF_BYPOSITION);
  return text;
}

bool IsSeparator(HMENU menu, int position) {
  MENUITEMINFOW info{.cbSize = sizeof(info), .fMask = MIIM_FTYPE};
  GetMenuItemInfoW(menu, position, TRUE, &info);
  return info.fType & MFT_SEPARATOR;
}

class Form1Test : public ::testing::Test {
 protected:
  toolkit::Application app_;
  Win32Os os_;
  Module1 module_{os_};
  Form1 form1_{app_, module_};
};

TEST_F(Form1Test, WindowHasAFixedFrameWithOnlyACloseBox) {
  const HWND window = form1_.form().hwnd();
  EXPECT_EQ(TextOf(window), L"Velamo");
  const LONG style = GetWindowLongW(window, GWL_STYLE);
  EXPECT_TRUE(style & WS_SYSMENU);
  EXPECT_FALSE(style & (WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_THICKFRAME));
  EXPECT_TRUE(GetWindowLongW(window, GWL_EXSTYLE) & WS_EX_APPWINDOW);
  EXPECT_EQ(GetWindow(window, GW_OWNER), nullptr);
  EXPECT_NE(SendMessageW(window, WM_GETICON, ICON_BIG, 0), 0);

  RECT client;
  GetClientRect(window, &client);
  EXPECT_EQ(client.right, app_.twips().ToPixels(6810));
  EXPECT_EQ(client.bottom, app_.twips().ToPixels(3675));
}

// Positions and captions are read back from the running program end to end.
TEST_F(Form1Test, ControlsHaveTheirSettings) {
  const LONG list_style = GetWindowLongW(form1_.List1.hwnd(), GWL_STYLE);
  EXPECT_TRUE(list_style & LBS_MULTIPLESEL);
  EXPECT_FALSE(list_style & (LBS_SORT | LBS_EXTENDEDSEL));
  EXPECT_TRUE(GetWindowLongW(form1_.Text1.hwnd(), GWL_STYLE) & ES_RIGHT);

  LOGFONTW font{};
  GetObjectW(reinterpret_cast<HFONT>(SendMessageW(form1_.Text1.hwnd(), WM_GETFONT, 0, 0)),
             sizeof(font), &font);
  EXPECT_STREQ(font.lfFaceName, L"ＭＳ Ｐゴシック");
  EXPECT_EQ(font.lfHeight, -MulDiv(1575, app_.twips().dpi(), 7200));
  EXPECT_EQ(font.lfWeight, FW_NORMAL);
  EXPECT_EQ(font.lfCharSet, SHIFTJIS_CHARSET);

  EXPECT_FALSE(form1_.Picture1(0).Visible());
  EXPECT_FALSE(form1_.Picture2.Visible());
  EXPECT_TRUE(GetWindowLongW(form1_.Picture3.hwnd(), GWL_EXSTYLE) & WS_EX_CLIENTEDGE);
  EXPECT_EQ(form1_.Timer1.Interval(), 0);
}

TEST_F(Form1Test, TabKeyVisitsTheControlsInTheirOrderStartingAtTheList) {
  form1_.Show();
  const HWND window = form1_.form().hwnd();
  EXPECT_EQ(GetFocus(), form1_.List1.hwnd());
  std::vector<HWND> order;
  HWND at = form1_.List1.hwnd();
  for (int i = 0; i < 7; ++i) {
    order.push_back(at);
    at = GetNextDlgTabItem(window, at, FALSE);
  }
  EXPECT_EQ(order,
            (std::vector<HWND>{form1_.List1.hwnd(), form1_.Picture3.hwnd(), form1_.Text1.hwnd(),
                               form1_.Command1.hwnd(), form1_.Command2.hwnd(),
                               form1_.Command3(0).hwnd(), form1_.VScroll1.hwnd()}));
  EXPECT_EQ(at, form1_.List1.hwnd());
}

TEST_F(Form1Test, MenuBarShowsFileAndHelpOnly) {
  const HMENU bar = GetMenu(form1_.form().hwnd());
  ASSERT_EQ(GetMenuItemCount(bar), 2);
  EXPECT_EQ(MenuText(bar, 0), L"ファイル(&F)");
  EXPECT_EQ(MenuText(bar, 1), L"ヘルプ(&H)");
  ASSERT_EQ(GetMenuItemCount(GetSubMenu(bar, 0)), 1);
  EXPECT_EQ(MenuText(GetSubMenu(bar, 0), 0), L"終了(&X)");
  ASSERT_EQ(GetMenuItemCount(GetSubMenu(bar, 1)), 1);
  EXPECT_EQ(MenuText(GetSubMenu(bar, 1), 0), L"バージョン情報(&A)");
}

TEST_F(Form1Test, TrayMenusArePopUpsOfTheirOwn) {
  const HMENU icon_menu = form1_.IconMenu.handle();
  ASSERT_EQ(GetMenuItemCount(icon_menu), 4);
  EXPECT_EQ(MenuText(icon_menu, 0), L"表示(&V)");
  EXPECT_EQ(MenuText(icon_menu, 1), L"元のサイズに戻す(&R)");
  EXPECT_TRUE(IsSeparator(icon_menu, 2));
  EXPECT_EQ(MenuText(icon_menu, 3), L"終了(&X)");
  const HMENU restore = GetSubMenu(icon_menu, 1);
  ASSERT_EQ(GetMenuItemCount(restore), 1);
  EXPECT_EQ(MenuText(restore, 0), L"全て(&A)");

  const HMENU sub_menu = form1_.IconMenu_Sub.handle();
  ASSERT_EQ(GetMenuItemCount(sub_menu), 1);
  EXPECT_EQ(MenuText(sub_menu, 0), L"元のサイズに戻す(&R)");
  for (int i = 0; i < 4; ++i) {
    EXPECT_EQ(GetMenuState(icon_menu, i, MF_BYPOSITION) & (MF_GRAYED | MF_CHECKED), 0u);
  }
}

}  // namespace
}  // namespace velamo
