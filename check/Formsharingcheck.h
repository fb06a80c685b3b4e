// The "Sharing Check" dialog: runs the check, shows a row per finding as it comes, explains
// the selected row, fixes what Plinvo can fix, and copies the report.
#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "app/Application.h"
#include "check/SharingCheck.h"
#include "platform/Failure.h"
#include "ui/Form.h"

namespace check {

class TfrmSharingCheck {
 private:
  // Declared first: the control references below are bound from the built form.
  app::Application& m_app;
  std::unique_ptr<ui::Form> m_form;

 public:
  // Builds the dialog (hidden) owned by `owner`. `applyModeAgain` applies the recorded mode
  // through the main window's "Apply", confirmation included.
  TfrmSharingCheck(app::Application& application, ui::FormFactory& factory, platform::Handle owner,
                   std::function<platform::Status()> applyModeAgain);

  ui::Form& form() { return *m_form; }
  ui::Window& window() { return m_form->window(); }
  platform::Handle Handle() const { return m_form->window().Handle(); }

  ui::ListView& m_listChecks;
  ui::Edit& m_memoExplanation;
  ui::Button& m_btnFix;
  ui::Button& m_btnCheckAgain;
  ui::Button& m_btnCopyReport;
  ui::Button& m_btnCopyInstructions;
  ui::Button& m_btnCloseCheck;
  ui::Label& m_labelCheckStatus;

  const std::vector<Finding>& rows() const { return m_rows; }

  void FormShow();
  void m_listChecksSelect();
  platform::Status m_btnFixClick();
  void m_btnCheckAgainClick();
  void m_btnCopyReportClick();
  void m_btnCopyInstructionsClick();
  void m_btnCloseCheckClick();

 private:
  void RunCheck();
  void OfferSigning();
  // Says `done` on the status line, or in a box that `what` ("report") could not be copied.
  void TellCopied(bool copied, const char* done, const char* what);
  const Finding* Selected() const;

  std::function<platform::Status()> m_applyModeAgain;
  std::vector<Finding> m_rows;
  // What the Server service had counted when the dialog opened, for "Check Again" to compare.
  std::optional<platform::ServerCounts> m_firstCounts;
  int m_mode = 2;
  bool m_running = false;
  // Until the first check has shown the dialog (RunCheck).
  bool m_hidden = true;
};

}  // namespace check
