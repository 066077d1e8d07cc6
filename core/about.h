#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "core/os.h"
#include "core/types.h"

namespace velamo {

// "Ver." and major.minor.revision, each in plain decimal.
std::u16string VersionText(int major, int minor, int revision);

// One of the About window's links: the text it shows and the target it opens.
struct Link {
  std::u16string_view caption;
  std::u16string_view tag;
};

// The web page, then the e-mail address.
extern const std::array<Link, 2> kLinks;

// Shows the hand cursor when `hand` is non-zero, else the arrow. The window's own cursor comes
// back at the next mouse move, so callers set it again on every move.
void SetHandCursor(Os& os, std::int32_t hand);

// A mouse button was released over a link with target `tag`: the left button opens it with the
// shell, unless `link_busy` says a link is being opened already (the shell may dispatch window
// messages while it starts the program).
void OpenLink(Os& os, Bool16& link_busy, std::int16_t button, std::u16string_view tag);

}  // namespace velamo
