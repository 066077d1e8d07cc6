#include "about_window/form2_window.h"

#include <array>
#include <string>

#include "core/about.h"
#include "toolkit/font.h"
#include "version.h"
#include "win32/wide.h"

namespace velamo {
namespace {

using toolkit::PlacedText;
using toolkit::Placement;
using toolkit::TwipsRect;

struct TitleLayout {
  TwipsRect position;
  int color;  // a system colour
};
// The shadow, then the title in front of it, 3 pixels higher and to the left.
constexpr std::array<TitleLayout, 2> kLabel1 = {{
    {{645, 45, 1575, 495}, COLOR_ACTIVECAPTION},
    {{600, 0, 1695, 495}, COLOR_CAPTIONTEXT},
}};

// The version, set at load, and the copyright line.
constexpr std::array<PlacedText, 2> kLabel2 = {{
    {{2160, 240, 855, 255}, L"Ver.0.00"},
    {{1680, 480, 1695, 255}, L"" VELAMO_COPYRIGHT},
}};
constexpr std::array<PlacedText, 3> kLabel3 = {{
    {{120, 840, 3165, 420}, L"ウインドウを隠すプログラムです。"},
    {{120, 1320, 2085, 180}, L"公開HP"},
    {{120, 1920, 2085, 180}, L"作者へメール"},
}};

// Tool tips: their texts and targets are kLinks.
constexpr std::array<PlacedText, 2> kLabel5 = {{
    {{120, 1560, 3135, 255}, L"ソフトの最新版の確認はこちらからどうぞ"},
    {{120, 2160, 3135, 255}, L"関係ないメールも大歓迎です"},
}};
constexpr toolkit::Color kLinkBlue{RGB(0, 0, 255)};

}  // namespace

Form2::Window::Window(toolkit::Application& app, Form2& events)
    : title_font(toolkit::CreatePointFont(
          app.twips(),
          {.face = L"ＭＳ 明朝", .points = 21.75, .weight = FW_BOLD, .charset = SHIFTJIS_CHARSET})),
      version_font(toolkit::CreatePointFont(app.twips(), {.face = L"ＭＳ Ｐゴシック",
                                                          .points = 9.75,
                                                          .charset = SHIFTJIS_CHARSET,
                                                          .italic = true})),
      copyright_font(toolkit::CreatePointFont(app.twips(), {.face = L"ＭＳ Ｐゴシック",
                                                            .points = 9.75,
                                                            .weight = FW_BOLD,
                                                            .charset = SHIFTJIS_CHARSET})),
      form(app, {.caption = L"Velamo - バージョン情報",
                 .client_width = 3480,
                 .client_height = 2955,
                 .show_in_taskbar = false,
                 .dialog_frame = true}),
      Shape1([this](std::int16_t) {
        return std::make_unique<toolkit::Shape>(Placement{form, {480, 360, 2415, 135}},
                                                toolkit::SystemColor(COLOR_BACKGROUND));
      }),
      Label1([this](std::int16_t index) {
        return std::make_unique<toolkit::DrawnLabel>(
            Placement{form, kLabel1[index].position}, L"Velamo",
            toolkit::DrawnLabelStyle{.font = title_font.get(),
                                     .fore_color = toolkit::SystemColor(kLabel1[index].color),
                                     .transparent = true});
      }),
      Label2([this](std::int16_t index) {
        return std::make_unique<toolkit::DrawnLabel>(
            Placement{form, kLabel2[index].position}, kLabel2[index].text,
            toolkit::DrawnLabelStyle{.font = index == 0 ? version_font.get() : copyright_font.get(),
                                     .transparent = true});
      }),
      Label3([this](std::int16_t index) {
        return std::make_unique<toolkit::DrawnLabel>(Placement{form, kLabel3[index].position},
                                                     kLabel3[index].text,
                                                     toolkit::DrawnLabelStyle{});
      }),
      Label5([this, &events](std::int16_t index) {
        const std::wstring tag(Wide(kLinks[index].tag));
        auto link = std::make_unique<toolkit::DrawnLabel>(
            Placement{form, kLabel5[index].position}, Wide(kLinks[index].caption),
            toolkit::DrawnLabelStyle{.fore_color = kLinkBlue,
                                     .alignment = toolkit::Alignment::kCenter,
                                     .tool_tip = kLabel5[index].text,
                                     .tag = tag});
        link->MouseMove = [&events, index](std::int16_t button, std::int16_t shift, double x,
                                           double y) {
          events.Label5_MouseMove(index, button, shift, x, y);
        };
        link->MouseUp = [&events, index](std::int16_t button, std::int16_t shift, double x,
                                         double y) {
          events.Label5_MouseUp(index, button, shift, x, y);
        };
        return link;
      }),
      Command1(Placement{form, {1200, 2520, 1215, 375}}, L"OK"),
      Picture1(Placement{form, {60, 60, 495, 495}}, {.persistent_image = true}) {
  // Back to front.
  Shape1.Load(0);
  Label1.Load(0);
  Label1.Load(1);
  Label2.Load(0);
  Label3.Load(0);
  Label2.Load(1);
  Label3.Load(1);
  Label3.Load(2);
  Label5.Load(0);
  Label5.Load(1);
  toolkit::SetTabOrder({&Command1, &Picture1});

  form.MouseMove = [&events](std::int16_t button, std::int16_t shift, double x, double y) {
    events.Form_MouseMove(button, shift, x, y);
  };
  Command1.Click = [&events] { events.Command1_Click(); };
}

}  // namespace velamo
