#include "shares/NewShareLayout.h"

#include "ui/ControlIds.h"

namespace shares {
namespace {

using K = ui::ControlKind;
namespace ids = ui::ids;

// Listed in tab order; labels take no focus.
// clang-format off
constexpr ui::ControlEntry kControls[] = {
    {"labelStep1", K::Label, "", ids::labelStep1, {24, 8, 0, 0},
     "1. Select a directory you want to share to others.", ui::kAutoSize},
    {"m_editShareDir", K::Edit, "", ids::m_editShareDir, {56, 32, 369, 24}, "", ui::kReadOnly},
    {"m_btnBrowseDir", K::Button, "", ids::m_btnBrowseDir, {432, 32, 75, 25}, "Browse...",
     ui::kBold | ui::kFixedSize},
    {"labelStep2", K::Label, "", ids::labelStep2, {24, 64, 0, 0}, "2. Input a share name",
     ui::kAutoSize},
    {"m_editShareName", K::Edit, "", ids::m_editShareName, {56, 88, 369, 24}, ""},
    {"labelStep3", K::Label, "", ids::labelStep3, {24, 120, 0, 0}, "3. Choose access mode",
     ui::kAutoSize},
    {"m_labelResult", K::Label, "", ids::m_labelResult, {24, 224, 0, 0}, "result:",
     ui::kAutoSize | ui::kBold},
    {"m_btnOK", K::Button, "", ids::m_btnOK, {88, 272, 75, 25}, "OK", ui::kFixedSize},
    {"m_btnCancel", K::Button, "", ids::m_btnCancel, {344, 272, 75, 25}, "Cancel", ui::kFixedSize},
    {"GroupBox1", K::GroupBox, "", ids::GroupBox1, {56, 144, 369, 41}, ""},
    {"m_radioRead", K::RadioButton, "GroupBox1", ids::m_radioRead, {24, 16, 113, 17}, "Only Read",
     ui::kChecked},
    {"m_radioFull", K::RadioButton, "GroupBox1", ids::m_radioFull, {184, 16, 113, 17},
     "Full Control"},
};
// clang-format on

// Neither button is the cancel button; Escape acts as the close box. Enter in the share name,
// the last thing typed, shares the folder.
// clang-format off
constexpr ui::KeyEntry kKeys[] = {
    {ui::Key::Escape, ui::kNoModifier, ui::KeyAction::Close, ""},
    {ui::Key::Enter, ui::kNoModifier, ui::KeyAction::Click, "m_btnOK", "m_editShareName"},
    {ui::Key::F1, ui::kNoModifier, ui::KeyAction::ShowHelp, "NewShare.htm"},
};
// clang-format on

}  // namespace

ui::FormDesign NewShareLayout() {
  ui::FormDesign spec;
  spec.className = "TfrmNewZendryShare";
  spec.caption = "New Zendry Share-Dialog";
  spec.clientWidth = 535;
  spec.clientHeight = 313;
  spec.left = 192;
  spec.top = 107;
  spec.border = ui::BorderStyle::Dialog;
  spec.minimizeBox = false;
  spec.AddControls(kControls);
  spec.AddKeys(kKeys);
  spec.ControlNamed("m_labelResult").color = ui::kRed;
  return spec;
}

}  // namespace shares
