#include "check/SharingCheckLayout.h"

#include "ui/ControlIds.h"

namespace check {
namespace {

using K = ui::ControlKind;
namespace ids = ui::ids;

// Listed in tab order.
// clang-format off
constexpr ui::ControlEntry kControls[] = {
    {"m_listChecks", K::ListView, "", ids::m_listChecks, {8, 8, 624, 244}, "",
     ui::kWholeRowSelect},
    {"m_memoExplanation", K::Memo, "", ids::m_memoExplanation, {8, 260, 624, 112}, "",
     ui::kReadOnly},
    {"m_btnFix", K::Button, "", ids::m_btnFix, {8, 384, 97, 25}, "Fix"},
    {"m_btnCheckAgain", K::Button, "", ids::m_btnCheckAgain, {113, 384, 97, 25}, "Check Again"},
    {"m_btnCopyReport", K::Button, "", ids::m_btnCopyReport, {218, 384, 97, 25}, "Copy Report"},
    // On a row of its own below the others, which keeps every one where it was.
    {"m_btnCopyInstructions", K::Button, "", ids::m_btnCopyInstructions, {8, 417, 176, 25},
     "Copy &Instructions for Visitors"},
    {"m_btnCloseCheck", K::Button, "", ids::m_btnCloseCheck, {535, 384, 97, 25}, "Close"},
    // Says that "Check Again" or a copy has run; the buttons' row leaves room for it.
    {"m_labelCheckStatus", K::Label, "", ids::m_labelCheckStatus, {323, 390, 204, 15}, ""},
};
// clang-format on

// Escape acts as the close box; F1 opens the page about the check.
// clang-format off
constexpr ui::KeyEntry kKeys[] = {
    {ui::Key::Escape, ui::kNoModifier, ui::KeyAction::Close, ""},
    {ui::Key::F1, ui::kNoModifier, ui::KeyAction::ShowHelp, "SharingCheck.htm"},
};
// clang-format on

}  // namespace

ui::FormDesign SharingCheckLayout() {
  ui::FormDesign spec;
  spec.className = "TfrmSharingCheck";
  spec.caption = "Sharing Check";
  spec.clientWidth = 640;
  spec.clientHeight = 450;
  spec.centreOnScreen = true;
  spec.border = ui::BorderStyle::Dialog;
  spec.minimizeBox = false;
  spec.AddControls(kControls);
  spec.AddKeys(kKeys);
  ui::ControlDesign& list = spec.ControlNamed("m_listChecks");
  // No text is cut off: a column wider than the list scrolls, and the row's explanation below
  // says it all again.
  list.listColumns = ui::Columns(
      {{"What", 205, false, true}, {"Found", 185, false, true}, {"Needed", 210, false, true}});
  // Holds, blocks visitors, worth knowing, could not be checked.
  list.rowPictures =
      ui::Texts({"PICTURE_HOLDS", "PICTURE_BLOCKS", "PICTURE_NOTICE", "PICTURE_UNCHECKED"});
  return spec;
}

}  // namespace check
