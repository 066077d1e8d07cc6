#pragma once

#include <windows.h>

#include <functional>
#include <string>

#include "toolkit/control_array.h"
#include "win32/handles.h"

namespace toolkit {

class Application;

// A list of menu items: the form's menu bar, a drop-down or submenu with an entry in its parent,
// or a menu that only ever pops up.
class Menu {
 public:
  enum class Kind { kBar, kPopupOnly };
  Menu(Application& app, Kind kind);
  // A submenu entered from `parent` through an item captioned `caption`.
  Menu(Menu& parent, std::wstring_view caption);
  ~Menu();
  Menu(const Menu&) = delete;
  Menu& operator=(const Menu&) = delete;

  HMENU handle() const { return menu_.get(); }
  Application& app() const { return app_; }
  // The window made with this bar (none for null), redrawn after each change while visible; the
  // bar leaves it when this object goes.
  void ShownIn(HWND window);
  // Enables or disables this menu's entry in its parent.
  void SetEnabled(bool enabled);
  // Redraws the bar after a change to its entries.
  void Refresh() const;

 private:
  Application& app_;
  Menu* parent_ = nullptr;
  win32::UniqueMenu menu_;
  HWND window_ = nullptr;
};

// A command in a menu; the caption "-" makes a separator line.
class MenuItem {
 public:
  // Appended to `parent`, or inserted before the item at `position`.
  MenuItem(Menu& parent, std::wstring_view caption, int position = -1);
  ~MenuItem();
  MenuItem(const MenuItem&) = delete;
  MenuItem& operator=(const MenuItem&) = delete;

  UINT id() const { return id_; }
  void SetCaption(std::wstring_view caption);
  std::function<void()> Click;

 private:
  Menu& parent_;
  UINT id_;
};

// Where the item with command `id` stands in `menu`, or -1.
int MenuPosition(HMENU menu, UINT id);

// Menu items addressed by index in one menu, element 0 given from the start and the others
// loaded at run time; they stand in the menu in index order.
class MenuItemArray {
 public:
  using ClickHandler = std::function<void(std::int16_t index)>;
  MenuItemArray(Menu& parent, std::wstring_view first_caption, ClickHandler click);

  MenuItem& Load(std::int16_t index);
  void Unload(std::int16_t index) { items_.Unload(index); }
  MenuItem& operator()(std::int16_t index) const { return items_(index); }
  std::int16_t UBound() const { return items_.UBound(); }

 private:
  Menu& parent_;
  ClickHandler click_;
  ControlArray<MenuItem> items_;
};

}  // namespace toolkit
