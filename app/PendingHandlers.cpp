// Handlers whose subsystems are not written yet. Each subsystem moves its handlers out of here
// into its own folder when it lands; this file disappears with the last of them.
#include "app/Formmain.h"

namespace app {

std::string TfrmMain::GetComputerIdentityText() { return "This Computer Name: "; }

void TfrmMain::menuHelpContentClick() {}
void TfrmMain::menuFAQClick() {}
void TfrmMain::menuHomePageClick() {}
void TfrmMain::menuAboutClick() {}
void TfrmMain::Label1Click() {}
void TfrmMain::Label1MouseEnter(ui::Label&) {}
void TfrmMain::Label1MouseLeave(ui::Label&) {}

}  // namespace app
