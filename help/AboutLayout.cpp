#include "help/Formabout.h"
#include "ui/ControlIds.h"

namespace help {
namespace {

using K = ui::ControlKind;
namespace ids = ui::ids;

// In tab order: the panel, then "Visit Home Page", then "Close"; labels take no focus. The
// captions on the links end where their links begin, however wide the font draws them.
// clang-format off
constexpr ui::ControlEntry kControls[] = {
    {"Panel1", K::Panel, "", ids::Panel1, {16, 8, 385, 145}, ""},
    {"lblProductFullName", K::Label, "Panel1", ids::lblProductFullName, {32, 24, 334, 16}, "",
     ui::kBold | ui::kCentred},
    {"lblVersion", K::Label, "Panel1", ids::lblVersion, {136, 68, 0, 0}, "", ui::kAutoSize},
    {"Label3", K::Label, "", ids::Label3, {112, 172, 0, 0}, "Copyright (C) 2026 Trelbane Software",
     ui::kAutoSize},
    {"Label4", K::Label, "", ids::Label4, {104, 200, 47, 13}, "Web Site:",
     ui::kAutoSize | ui::kRightAligned},
    {"labelWeb", K::Label, "", ids::labelWeb, {160, 200, 0, 0}, "",
     ui::kAutoSize | ui::kUnderline},
    {"Label5", K::Label, "", ids::Label5, {83, 224, 68, 13}, "Support Email:",
     ui::kAutoSize | ui::kRightAligned},
    {"labelMail", K::Label, "", ids::labelMail, {160, 224, 0, 0}, "",
     ui::kAutoSize | ui::kUnderline},
    {"btnVisitHomePage", K::Button, "", ids::btnVisitHomePage, {24, 248, 91, 25},
     "Visit Home Page", ui::kFixedSize},
    {"btnClose", K::Button, "", ids::btnClose, {296, 248, 91, 25}, "Close", ui::kFixedSize},
};
// clang-format on

// Neither button is the cancel button; Escape acts as the close box.
// clang-format off
constexpr ui::KeyEntry kKeys[] = {
    {ui::Key::Escape, ui::kNoModifier, ui::KeyAction::Close, ""},
    {ui::Key::F1, ui::kNoModifier, ui::KeyAction::ShowHelp, "Overview.htm"},
};
// clang-format on

}  // namespace

ui::FormDesign AboutLayout(const std::string& webSiteText, const std::string& mailText) {
  ui::FormDesign form;
  form.className = "TfrmAbout";
  form.caption = "About";
  form.clientWidth = 414;
  form.clientHeight = 279;
  form.left = 192;
  form.top = 107;
  form.border = ui::BorderStyle::Dialog;
  form.fontHeight = 11;
  form.AddControls(kControls);
  form.AddKeys(kKeys);
  form.ControlNamed("lblProductFullName").fontHeight = 13;
  form.ControlNamed("labelWeb").text = webSiteText;
  form.ControlNamed("labelMail").text = mailText;
  return form;
}

}  // namespace help
