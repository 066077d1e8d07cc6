#include "toolkit/font.h"

#include <cmath>
#include <string>

namespace toolkit {

win32::UniqueFont CreatePointFont(const Twips& twips, const FontSpec& spec) {
  LOGFONTW font{};
  font.lfHeight = -static_cast<LONG>(std::lrint(spec.points * twips.dpi() / 72.0));
  font.lfWeight = spec.weight;
  font.lfItalic = spec.italic;
  font.lfUnderline = spec.underline;
  font.lfCharSet = spec.charset;
  font.lfQuality = DEFAULT_QUALITY;
  std::wstring(spec.face).copy(font.lfFaceName, LF_FACESIZE - 1);
  return win32::UniqueFont(CreateFontIndirectW(&font));
}

}  // namespace toolkit
