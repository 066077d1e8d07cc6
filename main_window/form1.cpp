#include "main_window/form1.h"

#include <array>
#include <cstdlib>
#include <functional>

#include "core/decimal.h"
#include "core/program_ids.h"
#include "core/runtime_error.h"
#include "resource_ids.h"
#include "toolkit/font.h"
#include "win32/handle_cast.h"
#include "win32/wide.h"

namespace velamo {
namespace {

using toolkit::Placement;
using toolkit::TwipsRect;

constexpr int kClientWidth = 6810;
constexpr int kClientHeight = 3675;

constexpr std::array<toolkit::PlacedText, 2> kFrame1 = {{
    {{3120, 120, 3615, 855}, L"直接指定"},
    {{3120, 1080, 3615, 2055}, L"自動指定"},
}};

struct LabelLayout {
  int frame;
  TwipsRect position;
  const wchar_t* caption;
};
constexpr std::array<LabelLayout, 4> kLabel1 = {{
    {0, {840, 240, 2655, 495}, L"このアイコンを目的のウインドウまでドラッグドロップして下さい。"},
    {1,
     {120, 240, 3375, 495},
     L"定期的にウインドウをチェックし、最小化されているウインドウを隠します。"},
    {1, {1320, 840, 1575, 255}, L"×0.01秒単位"},
    {1, {120, 1200, 3375, 255}, L"※0を指定すると自動指定は働きません。"},
}};

constexpr wchar_t kTableFullMessage[] =
    L"隠しているウインドウが多すぎるため、これ以上ウインドウを隠せません。\n"
    L"いくつかのウインドウを元に戻してから、もう一度お試しください。";

// Tray callback boxes: invisible, one per registered icon.
constexpr TwipsRect kCallbackBox = {0, 0, 15, 15};

Placement InFrame(toolkit::Form& form, int frame, const TwipsRect& position) {
  return Placement{form, position, kFrame1[frame].position.left, kFrame1[frame].position.top};
}

win32::UniqueCursor LoadCrosshair(const toolkit::Application& app, int size) {
  return win32::UniqueCursor(static_cast<HCURSOR>(
      LoadImageW(app.instance(), MAKEINTRESOURCEW(IDC_CROSSHAIR), IMAGE_CURSOR, size, size, 0)));
}

}  // namespace

Form1::Form1(toolkit::Application& app, Module1& module, Os& os)
    : module_(module),
      os_(os),
      app_(app),
      // The picture fills the box inside its border; the pointer takes the system's cursor size.
      crosshair_picture_(LoadCrosshair(app, app.twips().ToPixels(480))),
      crosshair_cursor_(LoadCrosshair(app, GetSystemMetrics(SM_CXCURSOR))),
      text1_font_(toolkit::CreatePointFont(
          app.twips(), {.face = L"ＭＳ Ｐゴシック", .points = 15.75, .charset = SHIFTJIS_CHARSET})),
      IconMenu(app, toolkit::Menu::Kind::kPopupOnly),
      IconMenu_MainResize(IconMenu, L"表示(&V)"),
      IconMenu_Resize(IconMenu, L"元のサイズに戻す(&R)"),
      IconMenu_ResizeIndex(IconMenu_Resize, L"全て(&A)",
                           std::bind_front(&Form1::IconMenu_ResizeIndex_Click, this)),
      IconMenu_Line(IconMenu, L"-"),
      IconMenu_Exit(IconMenu, L"終了(&X)"),
      IconMenu_Sub(app, toolkit::Menu::Kind::kPopupOnly),
      IconMenu_Sub_Resize(IconMenu_Sub, L"元のサイズに戻す(&R)"),
      MenuBar(app, toolkit::Menu::Kind::kBar),
      Menu_File(MenuBar, L"ファイル(&F)"),
      Menu_File_Exit(Menu_File, L"終了(&X)"),
      Menu_Help(MenuBar, L"ヘルプ(&H)"),
      Menu_Help_About(Menu_Help, L"バージョン情報(&A)"),
      form_(app, {.caption = L"Velamo",
                  .client_width = kClientWidth,
                  .client_height = kClientHeight,
                  .menu_bar = &MenuBar}),
      Picture1(std::bind_front(&Form1::LoadPicture1, this), 1),
      Picture2(Placement{form_, kCallbackBox}, {.visible = false}),
      List1(Placement{form_, {120, 120, 2895, 2580}}),
      Frame1(std::bind_front(&Form1::LoadFrame1, this), kFrame1.size()),
      Picture3(InFrame(form_, 0, {120, 240, 540, 540}), {.sunken_border = true,
                                                         .picture = crosshair_picture_.get(),
                                                         .custom_cursor = crosshair_cursor_.get()}),
      Label1(std::bind_front(&Form1::LoadLabel1, this), kLabel1.size()),
      Text1(InFrame(form_, 1, {120, 600, 735, 495}), L"0", toolkit::Alignment::kRight, true,
            text1_font_.get()),
      Command1(InFrame(form_, 1, {2280, 1560, 1215, 375}), L"今チェック"),
      Command2(Placement{form_, {1920, 2760, 1095, 375}}, L"元に戻す"),
      Command3(std::bind_front(&Form1::LoadCommand3, this), 1),
      VScroll1(InFrame(form_, 1, {840, 600, 255, 495}),
               {.min = 500, .max = 0, .small_change = 1, .large_change = 1}, 0),
      Timer1(form_),
      HiddenWatch(form_) {
  toolkit::SetTabOrder({&Picture1(0), &Picture2, &List1, &Frame1(0), &Picture3, &Frame1(1), &Text1,
                        &Command1, &Command2, &Command3(0), &VScroll1});
  Command1.Click = std::bind_front(&Form1::Command1_Click, this);
  Command2.Click = std::bind_front(&Form1::Command2_Click, this);
  Timer1.OnTimer = std::bind_front(&Form1::Timer1_Timer, this);
  HiddenWatch.OnTimer = [this] { module_.LookAtHiddenWindows(); };
  VScroll1.Change = std::bind_front(&Form1::VScroll1_Change, this);
  Picture3.MouseMove = std::bind_front(&Form1::Picture3_MouseMove, this);
  Picture3.MouseDown = std::bind_front(&Form1::Picture3_MouseDown, this);
  Picture3.MouseUp = std::bind_front(&Form1::Picture3_MouseUp, this);
  Picture3.KeyDown = std::bind_front(&Form1::Picture3_KeyDown, this);
  Picture2.MouseMove = std::bind_front(&Form1::Picture2_MouseMove, this);
  IconMenu_MainResize.Click = std::bind_front(&Form1::IconMenu_MainResize_Click, this);
  IconMenu_Sub_Resize.Click = std::bind_front(&Form1::IconMenu_Sub_Resize_Click, this);
  IconMenu_Exit.Click = std::bind_front(&Form1::IconMenu_Exit_Click, this);
  Menu_File_Exit.Click = std::bind_front(&Form1::Menu_File_Exit_Click, this);
  Menu_Help_About.Click = std::bind_front(&Form1::Menu_Help_About_Click, this);
  form_.QueryUnload = std::bind_front(&Form1::Form_QueryUnload, this);
  // The session ends as if the quit question had been answered yes, without asking.
  form_.SessionEnd = [this] { module_.RestoreEverythingForExit(); };
  // Chords that neither Windows nor graphics drivers take; taken by another program, they are
  // simply not there.
  SetHideKey(kDefaultHideKey);
  SetRestoreKey(kDefaultRestoreKey);
  Form_Load();
}

std::unique_ptr<toolkit::PictureBox> Form1::LoadPicture1(std::int16_t index) {
  auto box = std::make_unique<toolkit::PictureBox>(Placement{form_, kCallbackBox},
                                                   toolkit::PictureStyle{.visible = false});
  box->MouseMove = std::bind_front(&Form1::Picture1_MouseMove, this, index);
  return box;
}

std::unique_ptr<toolkit::Frame> Form1::LoadFrame1(std::int16_t index) {
  return std::make_unique<toolkit::Frame>(Placement{form_, kFrame1[index].position},
                                          kFrame1[index].text);
}

std::unique_ptr<toolkit::DrawnLabel> Form1::LoadLabel1(std::int16_t index) {
  const LabelLayout& label = kLabel1[index];
  // Drawn on the form, as the text of a label needs no window of its own.
  return std::make_unique<toolkit::DrawnLabel>(InFrame(form_, label.frame, label.position),
                                               label.caption, toolkit::DrawnLabelStyle{});
}

std::unique_ptr<toolkit::Button> Form1::LoadCommand3(std::int16_t index) {
  auto button =
      std::make_unique<toolkit::Button>(Placement{form_, {5640, 3240, 1095, 375}}, L"隠す");
  button->Click = std::bind_front(&Form1::Command3_Click, this, index);
  return button;
}

void Form1::Show() { form_.Show(); }

Handle Form1::WindowHandle() const { return ToHandle(form_.hwnd()); }

Handle Form1::LoadCallbackBox(Index index) { return ToHandle(Picture1.Load(index).hwnd()); }

Handle Form1::CallbackBox(Index index) const { return ToHandle(Picture1(index).hwnd()); }

void Form1::UnloadCallbackBox(Index index) { Picture1.Unload(index); }

void Form1::ClearList() { List1.Clear(); }

void Form1::AddListItem(std::u16string_view title) { List1.AddItem(Wide(title)); }

void Form1::RemoveListItem(int line) { List1.RemoveItem(line); }

void Form1::SetListItem(int line, std::u16string_view title) { List1.SetItem(line, Wide(title)); }

int Form1::ListCount() const { return List1.ListCount(); }

bool Form1::ListSelected(int line) const { return List1.Selected(line); }

Index Form1::WindowMenuUpperBound() const { return IconMenu_ResizeIndex.UBound(); }

void Form1::LoadWindowMenuItem(Index index, std::u16string_view caption) {
  // Exactly as stored: an "&" in a title marks an access key.
  IconMenu_ResizeIndex.Load(index).SetCaption(Wide(caption));
}

void Form1::UnloadWindowMenuItem(Index index) { IconMenu_ResizeIndex.Unload(index); }

void Form1::SetWindowMenuItem(Index index, std::u16string_view caption) {
  IconMenu_ResizeIndex(index).SetCaption(Wide(caption));
}

void Form1::WatchHiddenWindows(bool on) {
  // Once a second: a changed title or a window gone shows within two.
  const int interval = on ? 1000 : 0;
  if (HiddenWatch.Interval() != interval) HiddenWatch.SetInterval(interval);
}

void Form1::EnableWindowMenu(bool enabled) { IconMenu_Resize.SetEnabled(enabled); }

bool Form1::AskQuit() {
  return app_.Message(form_.hwnd(), L"終了しますか？", MB_YESNO | MB_ICONQUESTION | MB_DEFBUTTON1,
                      L"Velamo - 終了") == IDYES;
}

void Form1::ReportTableFull() {
  app_.Message(form_.hwnd(), kTableFullMessage, MB_OK | MB_ICONEXCLAMATION, L"Velamo");
}

void Form1::Form_Load() { VScroll1.SetValue(0); }

void Form1::Form_QueryUnload(std::int16_t& cancel, std::int16_t) {
  if (!module_.ConfirmQuit()) cancel = 1;
}

void Form1::Command1_Click() { module_.ScanMinimizedWindows(); }

void Form1::Command2_Click() { module_.RestoreSelectedLines(); }

void Form1::Command3_Click(std::int16_t index) {
  if (index != 0) return;
  // Hidden only once our icon is there: otherwise nothing would lead back to the program.
  if (module_.TrayAdd(0, ToHandle(Picture2.hwnd()), module_.AppSmallIcon, u"Velamo")) {
    form_.Hide();
  }
}

void Form1::Timer1_Timer() { Command1_Click(); }

void Form1::VScroll1_Change() {
  std::u16string digits;
  AppendDecimal(digits, VScroll1.Value());
  Text1.SetText(Wide(digits));
  Timer1.SetInterval(CheckedInt16(VScroll1.Value() * 10));
}

void Form1::Picture3_MouseMove(std::int16_t button, std::int16_t, double, double) {
  Picture3.SetMousePointer(button == 1 ? toolkit::PictureBox::kCustomPointer
                                       : toolkit::PictureBox::kDefaultPointer);
}

void Form1::Picture3_MouseDown(std::int16_t button, std::int16_t, double, double) {
  dragging_ = button == 1;
}

void Form1::Picture3_MouseUp(std::int16_t button, std::int16_t, double, double) {
  // Only the left button that began the drag picks.
  if (button != 1 || !dragging_) return;
  dragging_ = false;
  POINT at;
  GetCursorPos(&at);
  module_.HideChosenWindow(ToHandle(WindowFromPoint(at)));
}

void Form1::Picture3_KeyDown(int key) {
  if (key != VK_ESCAPE || !dragging_) return;
  dragging_ = false;
  Picture3.SetMousePointer(toolkit::PictureBox::kDefaultPointer);
  ReleaseCapture();
}

void Form1::PostTrayClick(Index index, double x) {
  const TrayClick click = ClickOf(MouseMessageFromX(x, app_.twips().TwipsPerPixel()));
  if (click != TrayClick::kNone) {
    PostMessageW(form_.hwnd(), kTrayClickMessage, index, static_cast<LPARAM>(click));
  }
}

void Form1::Picture1_MouseMove(std::int16_t index, std::int16_t, std::int16_t, double x, double) {
  PostTrayClick(index, x);
}

void Form1::Picture2_MouseMove(std::int16_t, std::int16_t, double x, double) {
  PostTrayClick(0, x);
}

void Form1::OnTrayClick(Index index, TrayClick click) {
  if (index == 0) {
    if (click == TrayClick::kLeft) {
      IconMenu_MainResize_Click();
    } else {
      PopupIconMenu();
    }
    return;
  }
  if (index > module_.UpperBound()) return;
  if (click == TrayClick::kLeft && SecondReleaseOfARestore()) return;
  SelectIcon(index);
  if (click == TrayClick::kLeft) {
    IconMenu_Sub_Resize_Click();
    restored_recently_ = true;
    last_restore_time_ = GetTickCount();
    GetCursorPos(&last_restore_at_);
  } else {
    form_.PopupMenu(IconMenu_Sub.handle(), TPM_LEFTALIGN | TPM_RIGHTBUTTON);
  }
}

void Form1::SelectIcon(Index index) {
  SelectedIndex = index;
  selected_window_ = module_.HiddenList[index].Wnd;
}

bool Form1::SecondReleaseOfARestore() {
  if (!restored_recently_) return false;
  restored_recently_ = false;
  POINT at;
  GetCursorPos(&at);
  return GetTickCount() - last_restore_time_ <= GetDoubleClickTime() &&
         std::abs(at.x - last_restore_at_.x) <= GetSystemMetrics(SM_CXDOUBLECLK) / 2 &&
         std::abs(at.y - last_restore_at_.y) <= GetSystemMetrics(SM_CYDOUBLECLK) / 2;
}

void Form1::IconMenu_MainResize_Click() {
  form_.Show();
  module_.TrayDelete(0);
}

void Form1::IconMenu_ResizeIndex_Click(std::int16_t index) { module_.RestoreFromWindowMenu(index); }

void Form1::IconMenu_Sub_Resize_Click() { module_.RestoreEntry(SelectedIndex, selected_window_); }

void Form1::IconMenu_Exit_Click() { form_.Unload(); }

void Form1::Menu_File_Exit_Click() { form_.Unload(); }

void Form1::HideKey_Pressed() {
  const HWND foreground = GetForegroundWindow();
  if (foreground == form_.hwnd()) {
    Command3_Click(0);
  } else {
    module_.HideChosenWindow(ToHandle(foreground));
  }
}

void Form1::RestoreKey_Pressed() {
  // As a left click on its icon would.
  if (const Index last = module_.UpperBound()) {
    SelectIcon(last);
    IconMenu_Sub_Resize_Click();
  }
}

void Form1::PopupIconMenu() {
  module_.RebuildWindowMenu();
  form_.PopupMenu(IconMenu.handle(), TPM_LEFTALIGN | TPM_RIGHTBUTTON);
}

bool Form1::SetHideKey(Chord chord) {
  return SetHotKey(hide_key_, kHideKeyId, chord, &Form1::HideKey_Pressed);
}

bool Form1::SetRestoreKey(Chord chord) {
  return SetHotKey(restore_key_, kRestoreKeyId, chord, &Form1::RestoreKey_Pressed);
}

bool Form1::SetMenuKey(Chord chord) {
  return SetHotKey(menu_key_, kMenuKeyId, chord, &Form1::PopupIconMenu);
}

void Form1::OnHotKey(int id) {
  for (auto [key_id, key] :
       {std::pair{kHideKeyId, &hide_key_}, std::pair{kRestoreKeyId, &restore_key_},
        std::pair{kMenuKeyId, &menu_key_}}) {
    if (id == key_id && *key) (*key)->OnHotKey();
  }
}

bool Form1::SetHotKey(std::optional<toolkit::HotKey>& hot_key, int id, Chord chord,
                      void (Form1::*pressed)()) {
  hot_key.reset();
  if (chord.key == 0) return true;
  hot_key.emplace(form_, id, chord.modifiers, chord.key, std::bind_front(pressed, this));
  return hot_key->registered();
}

void Form1::BringUp() {
  if (module_.MainTrayShown) {
    IconMenu_MainResize_Click();
  } else {
    form_.Show();
  }
}

void Form1::Menu_Help_About_Click() {
  if (!form2_) form2_.emplace(app_, os_, module_, form_);
  form2_->ShowModal();
}

}  // namespace velamo
