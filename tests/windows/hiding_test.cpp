#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/module1.h"
#include "toolkit/application.h"
#include "toolkit/control_array.h"
#include "toolkit/form.h"
#include "toolkit/picture_box.h"
#include "win32/handle_cast.h"
#include "win32/win32_os.h"

namespace velamo {
namespace {

// The main window's part in hiding, with real callback boxes.
class TestMainWindow : public MainWindowPort {
 public:
  explicit TestMainWindow(toolkit::Application& app) : form_(app, {.caption = L"Main"}) {}
  void Show() override {}
  Handle WindowHandle() const override { return ToHandle(form_.hwnd()); }
  Handle LoadCallbackBox(Index index) override { return ToHandle(boxes_.Load(index).hwnd()); }
  void ClearList() override { list.clear(); }
  void AddListItem(std::u16string_view title) override { list.emplace_back(title); }
  void ReportTableFull() override {}

  std::vector<std::u16string> list;

 private:
  toolkit::Form form_;
  toolkit::ControlArray<toolkit::PictureBox> boxes_{[this](std::int16_t) {
    return std::make_unique<toolkit::PictureBox>(toolkit::Placement{form_, {0, 0, 15, 15}},
                                                 toolkit::PictureStyle{.visible = false});
  }};
};

// A top-level window of a class registered here with the given class icons.
class TargetWindow {
 public:
  TargetWindow(const wchar_t* class_name, HICON large, HICON small, const std::wstring& title) {
    WNDCLASSEXW window_class{.cbSize = sizeof(window_class),
                             .lpfnWndProc = DefWindowProcW,
                             .hInstance = GetModuleHandleW(nullptr),
                             .hIcon = large,
                             .lpszClassName = class_name,
                             .hIconSm = small};
    RegisterClassExW(&window_class);
    window_ = CreateWindowExW(0, class_name, title.c_str(), WS_OVERLAPPEDWINDOW | WS_VISIBLE, 10,
                              10, 200, 100, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
  }
  ~TargetWindow() { DestroyWindow(window_); }
  HWND hwnd() const { return window_; }
  Handle handle() const { return ToHandle(window_); }

 private:
  HWND window_;
};

class HidingTest : public ::testing::Test {
 protected:
  HidingTest() {
    main_window_.Show();
    module_.Main(main_window_);
    module_.AppFallbackIcon = ToHandle(fallback_);
  }
  ~HidingTest() override {
    for (Index i = module_.UpperBound(); i >= 1; --i) module_.TrayDelete(i);
  }

  HICON large_ = LoadIconW(nullptr, IDI_WARNING);
  HICON small_ = LoadIconW(nullptr, IDI_INFORMATION);
  HICON fallback_ = LoadIconW(nullptr, IDI_QUESTION);
  toolkit::Application app_;
  Win32Os os_;
  Module1 module_{os_};
  TestMainWindow main_window_{app_};
};

// (A class with only a large icon gets a small one made from it by the system.)
TEST_F(HidingTest, ClassSmallIconIsChosenAndAClassWithoutIconsGetsTheFallback) {
  TargetWindow both(L"VelamoTestBoth", large_, small_, L"both");
  TargetWindow none(L"VelamoTestNone", nullptr, nullptr, L"none");
  EXPECT_EQ(module_.GetWindowIcon(both.handle()), ToHandle(small_));
  EXPECT_EQ(module_.GetWindowIcon(none.handle()), ToHandle(fallback_));
}

TEST_F(HidingTest, HidingReadsTheTitleThroughTheAnsiCallAndHidesTheWindow) {
  TargetWindow japanese(L"VelamoTestTitle", nullptr, nullptr, L"E2E & 日本語のタイトル");
  TargetWindow long_title(L"VelamoTestTitle", nullptr, nullptr, std::wstring(1100, L'x'));
  ASSERT_TRUE(IsWindowVisible(japanese.hwnd()));
  ASSERT_TRUE(module_.HideWindowByHandle(japanese.handle()));
  ASSERT_TRUE(module_.HideWindowByHandle(long_title.handle()));

  EXPECT_EQ(module_.HiddenList[1].Title, u"E2E & 日本語のタイトル");
  EXPECT_EQ(module_.HiddenList[2].Title, std::u16string(1023, u'x'));
  EXPECT_FALSE(IsWindowVisible(japanese.hwnd()));
  EXPECT_FALSE(IsWindowVisible(long_title.hwnd()));
  EXPECT_TRUE(IsWindow(FromHandle<HWND>(module_.HiddenList[2].Tray.hWnd)));
  EXPECT_NE(module_.HiddenList[1].Tray.hWnd, module_.HiddenList[2].Tray.hWnd);
}

TEST_F(HidingTest, ScanHidesOnlyVisibleMinimizedWindows) {
  TargetWindow minimized(L"VelamoTestScan", nullptr, nullptr, L"Minimized target");
  TargetWindow normal(L"VelamoTestScan", nullptr, nullptr, L"Normal target");
  ShowWindow(minimized.hwnd(), SW_MINIMIZE);
  module_.ScanMinimizedWindows();
  EXPECT_FALSE(IsWindowVisible(minimized.hwnd()));
  EXPECT_TRUE(IsWindowVisible(normal.hwnd()));
  bool listed = false;
  for (const std::u16string& title : main_window_.list) listed |= title == u"Minimized target";
  EXPECT_TRUE(listed);
}

}  // namespace
}  // namespace velamo
