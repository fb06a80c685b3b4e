// The main window's "Help" menu and its link label.
#include "app/Formmain.h"
#include "help/Formabout.h"
#include "help/WebLinks.h"

namespace app {

void TfrmMain::menuHelpContentClick() { ShowHelpPage("Overview.htm"); }

void TfrmMain::ShowHelpPage(const std::string& page) {
  help::ShowHelpTopic(m_app.platform().shell, m_app.global().helpFile, page);
}

void TfrmMain::menuFAQClick() {
  help::OpenWebAddress(m_app.platform().shell, m_app.global().versionRecord,
                       m_app.global().FaqAddress());
}

void TfrmMain::menuHomePageClick() {
  help::OpenWebAddress(m_app.platform().shell, m_app.global().versionRecord,
                       m_app.global().homePageAddress);
}

void TfrmMain::menuAboutClick() {
  // A fresh box each time, so its labels always tell the present state; gone when it closes.
  help::TfrmAbout about(m_app, m_factory, Handle());
  about.window().ShowModal();
}

void TfrmMain::Label1Click() {
  help::OpenWebAddress(m_app.platform().shell, m_app.global().versionRecord,
                       m_app.global().homePageAddress);
}

void TfrmMain::Label1MouseEnter(ui::Label& sender) { help::LinkMouseEnter(sender); }

void TfrmMain::Label1MouseLeave(ui::Label& sender) { help::LinkMouseLeave(sender); }

}  // namespace app
