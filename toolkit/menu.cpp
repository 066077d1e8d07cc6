#include "toolkit/menu.h"

#include "toolkit/application.h"

namespace toolkit {
namespace {

int SubmenuPosition(HMENU menu, HMENU submenu) {
  for (int i = 0, count = GetMenuItemCount(menu); i < count; ++i) {
    if (GetSubMenu(menu, i) == submenu) return i;
  }
  return -1;
}

}  // namespace

Menu::Menu(Application& app, Kind kind)
    : app_(app), menu_(kind == Kind::kBar ? CreateMenu() : CreatePopupMenu()) {}

Menu::Menu(Menu& parent, std::wstring_view caption)
    : app_(parent.app_), parent_(&parent), menu_(CreatePopupMenu()) {
  AppendMenuW(parent.handle(), MF_POPUP | MF_STRING, reinterpret_cast<UINT_PTR>(handle()),
              std::wstring(caption).c_str());
  parent.Refresh();
}

Menu::~Menu() {
  // Detached first, so that only this object destroys the menu.
  if (parent_) {
    RemoveMenu(parent_->handle(), SubmenuPosition(parent_->handle(), handle()), MF_BYPOSITION);
  } else {
    ShownIn(nullptr);
  }
}

void Menu::ShownIn(HWND window) {
  // Taken back from the window, so that only this object destroys the menu.
  if (window_ && window_ != window) SetMenu(window_, nullptr);
  window_ = window;
}

void Menu::SetEnabled(bool enabled) {
  if (!parent_) return;
  EnableMenuItem(parent_->handle(), SubmenuPosition(parent_->handle(), handle()),
                 MF_BYPOSITION | (enabled ? MF_ENABLED : MF_GRAYED));
  parent_->Refresh();
}

void Menu::Refresh() const {
  // Only a visible bar is redrawn: each DrawMenuBar is a layout pass of the whole frame, and a
  // bar is complete before the window made with it.
  if (window_ && IsWindowVisible(window_)) DrawMenuBar(window_);
}

int MenuPosition(HMENU menu, UINT id) {
  for (int i = 0, count = GetMenuItemCount(menu); i < count; ++i) {
    if (GetMenuItemID(menu, i) == id) return i;
  }
  return -1;
}

MenuItem::MenuItem(Menu& parent, std::wstring_view caption, int position)
    : parent_(parent), id_(parent.app().AddCommand([this] {
        if (Click) Click();
      })) {
  const bool separator = caption == L"-";
  const std::wstring text(caption);
  MENUITEMINFOW info{};
  info.cbSize = sizeof(info);
  info.fMask = MIIM_ID | MIIM_FTYPE | (separator ? 0 : MIIM_STRING);
  info.fType = separator ? MFT_SEPARATOR : MFT_STRING;
  info.wID = id_;
  info.dwTypeData = const_cast<wchar_t*>(text.c_str());
  const UINT at = position < 0 ? GetMenuItemCount(parent.handle()) : position;
  InsertMenuItemW(parent.handle(), at, TRUE, &info);
  parent_.Refresh();
}

MenuItem::~MenuItem() {
  DeleteMenu(parent_.handle(), id_, MF_BYCOMMAND);
  parent_.app().RemoveCommand(id_);
  parent_.Refresh();
}

void MenuItem::SetCaption(std::wstring_view caption) {
  const std::wstring text(caption);
  MENUITEMINFOW info{};
  info.cbSize = sizeof(info);
  info.fMask = MIIM_STRING;
  info.dwTypeData = const_cast<wchar_t*>(text.c_str());
  SetMenuItemInfoW(parent_.handle(), id_, FALSE, &info);
  parent_.Refresh();
}

MenuItemArray::MenuItemArray(Menu& parent, std::wstring_view first_caption, ClickHandler click)
    : parent_(parent), click_(std::move(click)), items_([this](std::int16_t index) {
        int position = -1;
        for (std::int16_t below = index - 1; below >= items_.LBound(); --below) {
          if (items_.Loaded(below)) {
            position = MenuPosition(parent_.handle(), items_(below).id()) + 1;
            break;
          }
        }
        auto item = std::make_unique<MenuItem>(parent_, L"", position);
        item->Click = [this, index] { click_(index); };
        return item;
      }) {
  items_.Load(0).SetCaption(first_caption);
}

MenuItem& MenuItemArray::Load(std::int16_t index) { return items_.Load(index); }

}  // namespace toolkit
