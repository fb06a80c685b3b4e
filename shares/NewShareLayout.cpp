#include "shares/NewShareLayout.h"

#include "ui/ControlIds.h"

namespace shares {

ui::FormDesign NewShareLayout() {
  namespace ids = ui::ids;
  using K = ui::ControlKind;
  ui::FormDesign spec;
  spec.className = "TfrmNewZendryShare";
  spec.caption = "New Zendry Share-Dialog";
  spec.clientWidth = 535;
  spec.clientHeight = 313;
  spec.left = 192;
  spec.top = 107;
  spec.border = ui::BorderStyle::Dialog;
  spec.minimizeBox = false;

  // Listed in tab order; labels take no focus.
  spec.Add("labelStep1", K::Label, "", ids::labelStep1, {24, 8, 0, 0},
           "1. Select a directory you want to share to others.")
      .autoSize = true;
  spec.Add("m_editShareDir", K::Edit, "", ids::m_editShareDir, {56, 32, 369, 24}, "").readOnly =
      true;
  spec.Add("m_btnBrowseDir", K::Button, "", ids::m_btnBrowseDir, {432, 32, 75, 25}, "Browse...")
      .bold = true;
  spec.Add("labelStep2", K::Label, "", ids::labelStep2, {24, 64, 0, 0}, "2. Input a share name")
      .autoSize = true;
  spec.Add("m_editShareName", K::Edit, "", ids::m_editShareName, {56, 88, 369, 24}, "");
  spec.Add("labelStep3", K::Label, "", ids::labelStep3, {24, 120, 0, 0}, "3. Choose access mode")
      .autoSize = true;
  ui::ControlDesign& result =
      spec.Add("m_labelResult", K::Label, "", ids::m_labelResult, {24, 224, 0, 0}, "result:");
  result.autoSize = true;
  result.color = ui::kRed;
  result.bold = true;
  spec.Add("m_btnOK", K::Button, "", ids::m_btnOK, {88, 272, 75, 25}, "OK");
  spec.Add("m_btnCancel", K::Button, "", ids::m_btnCancel, {344, 272, 75, 25}, "Cancel");
  spec.Add("GroupBox1", K::GroupBox, "", ids::GroupBox1, {56, 144, 369, 41}, "");
  spec.Add("m_radioRead", K::RadioButton, "GroupBox1", ids::m_radioRead, {24, 16, 113, 17},
           "Only Read")
      .checked = true;
  spec.Add("m_radioFull", K::RadioButton, "GroupBox1", ids::m_radioFull, {184, 16, 113, 17},
           "Full Control");
  // Neither button is the cancel button; Escape acts as the close box.
  spec.keys = {{ui::Key::Escape, ui::kNoModifier, ui::KeyAction::Close, "", "", ""}};
  return spec;
}

}  // namespace shares
