#include "help/Formabout.h"
#include "ui/ControlIds.h"

namespace help {

ui::FormDesign AboutLayout(const std::string& webSiteText, const std::string& mailText) {
  using K = ui::ControlKind;
  namespace ids = ui::ids;
  ui::FormDesign form;
  form.className = "TfrmAbout";
  form.caption = "About";
  form.clientWidth = 414;
  form.clientHeight = 279;
  form.left = 192;
  form.top = 107;
  form.border = ui::BorderStyle::Dialog;
  form.fontHeight = 11;

  // In tab order: the panel, then "Visit Home Page", then "Close"; labels take no focus.
  form.Add("Panel1", K::Panel, "", ids::Panel1, {16, 8, 385, 145}, "");
  ui::ControlDesign& product = form.Add("lblProductFullName", K::Label, "Panel1",
                                      ids::lblProductFullName, {32, 24, 334, 16}, "");
  product.bold = true;
  product.centred = true;
  product.fontHeight = 13;
  form.Add("lblVersion", K::Label, "Panel1", ids::lblVersion, {136, 68, 0, 0}, "").autoSize = true;

  form.Add("Label3", K::Label, "", ids::Label3, {112, 172, 0, 0},
           "Copyright (C) 2026 Trelbane Software")
      .autoSize = true;
  // The captions end where their links begin, however wide the font draws them.
  ui::ControlDesign& webCaption =
      form.Add("Label4", K::Label, "", ids::Label4, {104, 200, 47, 13}, "Web Site:");
  webCaption.autoSize = true;
  webCaption.rightAligned = true;
  ui::ControlDesign& web =
      form.Add("labelWeb", K::Label, "", ids::labelWeb, {160, 200, 0, 0}, webSiteText);
  web.autoSize = true;
  web.underline = true;
  ui::ControlDesign& mailCaption =
      form.Add("Label5", K::Label, "", ids::Label5, {83, 224, 68, 13}, "Support Email:");
  mailCaption.autoSize = true;
  mailCaption.rightAligned = true;
  ui::ControlDesign& mail =
      form.Add("labelMail", K::Label, "", ids::labelMail, {160, 224, 0, 0}, mailText);
  mail.autoSize = true;
  mail.underline = true;

  form.Add("btnVisitHomePage", K::Button, "", ids::btnVisitHomePage, {24, 248, 91, 25},
           "Visit Home Page");
  form.Add("btnClose", K::Button, "", ids::btnClose, {296, 248, 91, 25}, "Close");
  // Neither button is the cancel button; Escape acts as the close box.
  form.keys = {{ui::Key::Escape, ui::kNoModifier, ui::KeyAction::Close, "", "", ""}};
  return form;
}

}  // namespace help
