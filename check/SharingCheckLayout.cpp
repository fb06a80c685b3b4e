#include "check/SharingCheckLayout.h"

#include "ui/ControlIds.h"

namespace check {

ui::FormDesign SharingCheckLayout() {
  namespace ids = ui::ids;
  using K = ui::ControlKind;
  ui::FormDesign spec;
  spec.className = "TfrmSharingCheck";
  spec.caption = "Sharing Check";
  spec.clientWidth = 640;
  spec.clientHeight = 418;
  spec.centreOnScreen = true;
  spec.border = ui::BorderStyle::Dialog;
  spec.minimizeBox = false;

  // Listed in tab order.
  ui::ControlDesign& list =
      spec.Add("m_listChecks", K::ListView, "", ids::m_listChecks, {8, 8, 624, 244}, "");
  list.wholeRowSelect = true;
  list.listColumns = {{"What", 205, false}, {"Found", 185, false}, {"Needed", 210, false}};
  // Holds, blocks visitors, worth knowing, could not be checked.
  list.rowPictures = {"PICTURE_HOLDS", "PICTURE_BLOCKS", "PICTURE_NOTICE", "PICTURE_UNCHECKED"};
  ui::ControlDesign& explanation =
      spec.Add("m_memoExplanation", K::Memo, "", ids::m_memoExplanation, {8, 260, 624, 112}, "");
  explanation.readOnly = true;
  spec.Add("m_btnFix", K::Button, "", ids::m_btnFix, {8, 384, 97, 25}, "Fix");
  spec.Add("m_btnCheckAgain", K::Button, "", ids::m_btnCheckAgain, {113, 384, 97, 25},
           "Check Again");
  spec.Add("m_btnCopyReport", K::Button, "", ids::m_btnCopyReport, {218, 384, 97, 25},
           "Copy Report");
  spec.Add("m_btnCloseCheck", K::Button, "", ids::m_btnCloseCheck, {535, 384, 97, 25}, "Close");
  return spec;
}

}  // namespace check
