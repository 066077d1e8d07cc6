#pragma once

#include <cstdint>

namespace velamo {

// Velamo's own window messages, ids and names, in one place, each with who sends it and what it
// carries. Timers need no id here: each is known by its object's address (toolkit/timer).

// Messages to the main window of Velamo's own, numbered from WM_APP.
inline constexpr std::uint32_t kWmApp = 0x8000;
// Posted by the caption buttons' hook thread: wParam is a window whose working minimize button
// was right-clicked (lParam 0), or whose close a /close: rule took (lParam 1).
inline constexpr std::uint32_t kCaptionButtonMessage = kWmApp;
// Posted by the main window to itself once a second start's hand-over has been answered: the
// next hand-over waiting is applied.
inline constexpr std::uint32_t kApplyHandOverMessage = kWmApp + 1;
// Posted by a tray callback box to the main window: wParam is the icon's index (0 for Velamo's
// own), lParam the click. Acted on after the box's handler has returned: the act may unload the
// box.
inline constexpr std::uint32_t kTrayClickMessage = kWmApp + 2;

// Sent by the shell to the callback box of a tray icon with the mouse message in lParam. It is
// WM_MOUSEMOVE's number, so the forms toolkit reports it as a mouse move whose X is that message.
inline constexpr std::uint32_t kTrayCallbackMessage = 0x200;

// Registered messages, by name. Posted by a second start without options: the main window comes
// up, out of the tray if it is there.
inline constexpr char16_t kBringUpMessageName[] = u"Velamo.BringUp";
// Broadcast by the shell when it starts again, having forgotten every icon.
inline constexpr char16_t kTaskbarCreatedMessageName[] = u"TaskbarCreated";

// WM_COPYDATA's dwData for a second start's hand-over (core/hand_over); the answer is non-zero
// when the hand-over was taken.
inline constexpr std::uintptr_t kHandOverId = 0x56454C4D;  // "VELM"

// The main window's hot keys: WM_HOTKEY's wParam.
enum HotKeyId : int { kHideKeyId = 1, kRestoreKeyId = 2, kMenuKeyId = 3 };

// The property on every window Velamo hides, until it is shown again: 1 when it comes back in
// its normal state, 2 maximized. A later start takes up the windows that carry it.
inline constexpr char kHiddenMarkProperty[] = "Velamo.Hidden";

// Window classes of the forms (the main and About windows) and of the picture boxes (the
// crosshair and the tray callback boxes). A second start finds the running Velamo's main window
// by its class and caption.
inline constexpr char16_t kFormClass[] = u"VelamoForm";
inline constexpr char16_t kPictureClass[] = u"VelamoPicture";
inline constexpr char16_t kMainWindowCaption[] = u"Velamo";
// The mutex that keeps one Velamo to a desktop session.
inline constexpr char16_t kInstanceName[] = u"Local\\Velamo";

}  // namespace velamo
