#include "help/Formabout.h"

#include "help/FileVersionText.h"
#include "help/WebLinks.h"

namespace help {

TfrmAbout::TfrmAbout(app::Application& application, ui::FormFactory& factory,
                     platform::Handle owner)
    : m_app(application),
      m_form(factory.CreateForm(AboutLayout(app::kWebSiteText, application.global().supportAddress),
                                owner)),
      lblProductFullName(m_form->Get<ui::Label>("lblProductFullName")),
      lblVersion(m_form->Get<ui::Label>("lblVersion")),
      labelWeb(m_form->Get<ui::Label>("labelWeb")),
      labelMail(m_form->Get<ui::Label>("labelMail")),
      btnVisitHomePage(m_form->Get<ui::Button>("btnVisitHomePage")),
      btnClose(m_form->Get<ui::Button>("btnClose")) {
  ConnectEvents();
  m_app.Run(Handle(), [this] { FormCreate(); });
}

void TfrmAbout::ConnectEvents() {
  auto owner = [this] { return Handle(); };
  auto on = [&](void (TfrmAbout::*handler)()) {
    return m_app.Guarded(owner, [this, handler] { (this->*handler)(); });
  };
  btnClose.onClick = on(&TfrmAbout::btnCloseClick);
  btnVisitHomePage.onClick = on(&TfrmAbout::btnVisitHomePageClick);
  labelWeb.onClick = on(&TfrmAbout::labelWebClick);
  labelMail.onClick = on(&TfrmAbout::labelMailClick);
  labelWeb.onMouseEnter = m_app.Guarded(owner, [this] { labelWebMouseEnter(labelWeb); });
  labelWeb.onMouseLeave = m_app.Guarded(owner, [this] { labelWebMouseLeave(labelWeb); });
  labelMail.onMouseEnter = m_app.Guarded(owner, [this] { labelWebMouseEnter(labelMail); });
  labelMail.onMouseLeave = m_app.Guarded(owner, [this] { labelWebMouseLeave(labelMail); });
}

void TfrmAbout::FormCreate() {
  lblProductFullName.SetText(m_app.global().applicationTitle);
  // Read from the program file itself, so the box always tells the build that is running.
  const std::string programFile = m_app.platform().files.GetModuleFileName();
  lblVersion.SetText("Version:" + GetFileVersionText(m_app.platform().versions, programFile));
}

void TfrmAbout::btnCloseClick() { window().Close(); }

void TfrmAbout::btnVisitHomePageClick() {
  OpenWebAddress(m_app.platform().shell, m_app.global().versionRecord,
                 m_app.global().productPageAddress);
}

void TfrmAbout::labelWebClick() {
  OpenWebAddress(m_app.platform().shell, m_app.global().versionRecord,
                 m_app.global().homePageAddress);
}

void TfrmAbout::labelMailClick() {
  OpenMailAddress(m_app.platform().shell, m_app.global().versionRecord,
                  m_app.global().supportAddress);
}

void TfrmAbout::labelWebMouseEnter(ui::Label& sender) { LinkMouseEnter(sender); }

void TfrmAbout::labelWebMouseLeave(ui::Label& sender) { LinkMouseLeave(sender); }

}  // namespace help
