#include "core/about.h"

#include "core/decimal.h"

#include "version.h"

namespace velamo {
namespace {

constexpr int kIdcArrow = 32512;
constexpr int kIdcHand = 32649;
// SW_SHOWNORMAL: a browser or mail program started hidden would show nothing.
constexpr int kLinkShowCommand = 1;
constexpr std::int16_t kLeftButton = 1;

}  // namespace

const std::array<Link, 2> kLinks = {{
    {u"" VELAMO_WEB_PAGE, u"" VELAMO_WEB_PAGE},
    {u"" VELAMO_MAIL_ADDRESS, u"mailto:" VELAMO_MAIL_ADDRESS},
}};

std::u16string VersionText(int major, int minor, int revision) {
  std::u16string text = u"Ver.";
  AppendDecimal(text, major);
  text += u'.';
  AppendDecimal(text, minor);
  text += u'.';
  AppendDecimal(text, revision);
  return text;
}

void SetHandCursor(Os& os, std::int32_t hand) {
  os.SetCursor(os.LoadCursorA(0, hand != 0 ? kIdcHand : kIdcArrow));
}

void OpenLink(Os& os, Bool16& link_busy, std::int16_t button, std::u16string_view tag) {
  if (button != kLeftButton || link_busy != kFalse) return;
  link_busy = kTrue;
  const std::string file = os.ToAnsi(tag);
  os.ShellExecuteA(0, "open", file.c_str(), "", "", kLinkShowCommand);
  link_busy = kFalse;
}

}  // namespace velamo
