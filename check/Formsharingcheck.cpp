#include "check/Formsharingcheck.h"

#include "app/Formmain.h"
#include "app/MessageText.h"
#include "check/SharingCheckLayout.h"
#include "check/VisitorInstructions.h"
#include "platform/ErrorWords.h"
#include "sharemode/ServerSigning.h"

namespace check {
namespace {

constexpr const char* kNothingSelected = "Select a row to read what it means for visitors.";
constexpr std::uint32_t kComputerNameCapacity = 16;
// What the status line says once a button that shows nothing else has done its work.
constexpr const char* kCheckedAgain = "Checked again.";
constexpr const char* kChecking = "Checking...";
// The least time between two updates of the list while the check reads (see RunCheck).
constexpr std::uint64_t kBatchMilliseconds = 100;

}  // namespace

TfrmSharingCheck::TfrmSharingCheck(app::Application& application, ui::FormFactory& factory,
                                   platform::Handle owner,
                                   std::function<platform::Status()> applyModeAgain)
    : m_app(application),
      m_form(factory.CreateForm(SharingCheckLayout(), owner)),
      m_listChecks(m_form->Get<ui::ListView>("m_listChecks")),
      m_memoExplanation(m_form->Get<ui::Edit>("m_memoExplanation")),
      m_btnFix(m_form->Get<ui::Button>("m_btnFix")),
      m_btnCheckAgain(m_form->Get<ui::Button>("m_btnCheckAgain")),
      m_btnCopyReport(m_form->Get<ui::Button>("m_btnCopyReport")),
      m_btnCopyInstructions(m_form->Get<ui::Button>("m_btnCopyInstructions")),
      m_btnCloseCheck(m_form->Get<ui::Button>("m_btnCloseCheck")),
      m_labelCheckStatus(m_form->Get<ui::Label>("m_labelCheckStatus")),
      m_applyModeAgain(std::move(applyModeAgain)) {
  auto self = [this] { return Handle(); };
  auto on = [&](auto handler) {
    return m_app.Guarded(self, [this, handler] { return (this->*handler)(); });
  };
  window().onShowing = on(&TfrmSharingCheck::FormShow);
  m_listChecks.onSelect = on(&TfrmSharingCheck::m_listChecksSelect);
  m_btnFix.onClick = on(&TfrmSharingCheck::m_btnFixClick);
  m_btnCheckAgain.onClick = on(&TfrmSharingCheck::m_btnCheckAgainClick);
  m_btnCopyReport.onClick = on(&TfrmSharingCheck::m_btnCopyReportClick);
  m_btnCopyInstructions.onClick = on(&TfrmSharingCheck::m_btnCopyInstructionsClick);
  m_btnCloseCheck.onClick = on(&TfrmSharingCheck::m_btnCloseCheckClick);
  // Until the first check has run there is nothing to fix, check again or copy.
  for (ui::Button* button :
       {&m_btnFix, &m_btnCheckAgain, &m_btnCopyReport, &m_btnCopyInstructions}) {
    button->SetEnabled(false);
  }
}

// The first check runs before the dialog is on the screen, which then comes with rows in and is
// painted once (under Wine a shown list lays itself out again at every update).
void TfrmSharingCheck::FormShow() {
  RunCheck();
  m_hidden = false;  // ShowModal shows it now if the first batch has not
}

void TfrmSharingCheck::RunCheck() {
  if (m_running) return;
  m_running = true;
  for (ui::Button* button :
       {&m_btnFix, &m_btnCheckAgain, &m_btnCopyReport, &m_btnCopyInstructions}) {
    button->SetEnabled(false);
  }
  m_rows.clear();
  m_listChecks.Clear();
  // A hidden dialog says nothing yet: "Checking..." comes with it onto the screen.
  if (!m_hidden) {
    m_labelCheckStatus.SetText("");
    m_memoExplanation.SetText(kChecking);
  }
  CheckInput input = InputFor(m_app.platform(), m_app.global().programFolder);
  input.firstCounts = &m_firstCounts;
  m_mode = input.mode;
  // The rows are kept once all are in; until then selecting one shows nothing (m_running).
  // They go into the list in batches, each ending with a condition: what is read in the first
  // kBatchMilliseconds comes in at once, then at most one batch per kBatchMilliseconds, and the
  // rest at the end. Under Wine every update of a shown list lays it all out again, however few
  // rows it brings. A hidden dialog shows at the first batch's end, so that the user never waits
  // long for it; one read within the first batch shows when all is in.
  platform::Clock& clock = m_app.platform().clock;
  std::uint64_t lastShown = clock.MillisecondsSinceStart();
  bool batchOpen = false;
  m_rows = RunSharingCheck(input, [&](const Finding& row, bool lastOfItsCondition) {
    if (!batchOpen) m_listChecks.BeginUpdate();
    batchOpen = true;
    const int index = m_listChecks.AppendRow({row.what, row.found, row.needed});
    m_listChecks.SetRowPicture(index, kPictureOfStatus[static_cast<int>(row.status)]);
    if (lastOfItsCondition) {
      const std::uint64_t now = clock.MillisecondsSinceStart();
      if (now - lastShown >= kBatchMilliseconds) {
        m_listChecks.EndUpdate();
        batchOpen = false;
        lastShown = now;
        if (m_hidden) {
          m_memoExplanation.SetText(kChecking);
          window().Show();
          m_hidden = false;
        }
      }
    }
    // The dialog answers (painting, moving) between rows while the check reads.
    window().ProcessPendingEvents();
  });
  if (batchOpen) m_listChecks.EndUpdate();
  m_memoExplanation.SetText(kNothingSelected);
  m_btnCheckAgain.SetEnabled(true);
  m_btnCopyReport.SetEnabled(true);
  m_btnCopyInstructions.SetEnabled(true);
  m_running = false;
}

const Finding* TfrmSharingCheck::Selected() const {
  const int index = m_listChecks.SelectedIndex();
  if (index < 0 || static_cast<std::size_t>(index) >= m_rows.size()) return nullptr;
  return &m_rows[static_cast<std::size_t>(index)];
}

void TfrmSharingCheck::m_listChecksSelect() {
  if (m_running) return;
  const Finding* row = Selected();
  m_btnFix.SetEnabled(row != nullptr && row->fix != FixKind::None);
  m_memoExplanation.SetText(
      row == nullptr
          ? kNothingSelected
          : app::FormatMessageText("%s: %s", {StatusText(row->status), row->explanation}));
}

platform::Status TfrmSharingCheck::m_btnFixClick() {
  const Finding* row = Selected();
  if (row == nullptr || row->fix == FixKind::None) return {};
  if (row->fix == FixKind::ApplyMode) {
    // A failed apply ends the fix; the rows stay as they were.
    if (platform::Status applied = m_applyModeAgain(); !applied.Succeeded()) return applied;
  } else if (row->fix == FixKind::OfferSigning) {
    OfferSigning();
  } else {
    const std::uint32_t result = m_app.platform().services.Start(row->fixTarget);
    if (result != platform::kSuccess) {
      m_app.ShowMessage(Handle(),
                        app::FormatMessageText("Windows could not start the %s. %s",
                                               {row->what, platform::ErrorWords(result)}),
                        platform::mb::kOk | platform::mb::kIconWarning);
    }
  }
  RunCheck();
  return {};
}

void TfrmSharingCheck::m_btnCheckAgainClick() {
  RunCheck();
  m_labelCheckStatus.SetText(kCheckedAgain);
}

void TfrmSharingCheck::OfferSigning() {
  using namespace platform::mb;
  platform::Platform& platform = m_app.platform();
  // Saved first, as a mode's values are, so that undo and restore turn it off again.
  if (!sharemode::SaveBeforeSigning(platform) &&
      m_app.ShowMessage(Handle(),
                        "The present setting could not be saved, so this change could not be "
                        "undone later.\n\nLet the Server service offer signing anyway?",
                        kOkCancel | kIconWarning) != kIdOk) {
    return;
  }
  const long result = sharemode::TurnOnServerSigning(platform);
  if (result != 0) {
    m_app.ShowMessage(
        Handle(),
        app::FormatMessageText("Windows did not let Plinvo turn signing on. %s",
                               {platform::ErrorWords(static_cast<std::uint32_t>(result))}),
        kOk | kIconWarning);
    return;
  }
  // Windows reads the setting when the Server service starts.
  m_app.ShowMessage(Handle(),
                    "The Server service now offers signing to visitors.\n\nYou need to RESTART "
                    "this computer to take effect!",
                    kOk | kIconInformation);
}

void TfrmSharingCheck::TellCopied(bool copied, const char* done, const char* what) {
  m_labelCheckStatus.SetText(copied ? done : "");
  if (!copied) {
    m_app.ShowMessage(
        Handle(), app::FormatMessageText("Plinvo could not put the %s on the clipboard.", {what}),
        platform::mb::kOk | platform::mb::kIconWarning);
  }
}

void TfrmSharingCheck::m_btnCopyReportClick() {
  std::string computer;
  if (!m_app.platform().identity.GetComputerName(computer, kComputerNameCapacity)) {
    computer = "(unknown)";
  }
  TellCopied(m_app.platform().clipboard.SetText(Handle(), ReportText(computer, m_mode, m_rows)),
             "Report copied to the clipboard.", "report");
}

void TfrmSharingCheck::m_btnCopyInstructionsClick() {
  std::u16string text;
  TellCopied(VisitorInstructions(m_app.platform(), m_mode, text) &&
                 m_app.platform().clipboard.SetUnicodeText(Handle(), text),
             "Instructions copied.", "instructions");
}

void TfrmSharingCheck::m_btnCloseCheckClick() { window().Close(); }

}  // namespace check

void app::TfrmMain::menuCheckSharingClick() {
  // One check at a time: while it is up, the main window answers nothing (a command reaching it
  // all the same opens no second copy).
  if (m_app.FrontWindowOf(Handle()) != Handle()) return;
  // "Fix" applies the recorded mode again through "Apply" itself: the same question, the same
  // steps and the same result message, shown over the check, which stays in front.
  auto applyAgain = [this]() -> platform::Status {
    const check::CheckInput input = check::InputFor(m_app.platform(), m_app.global().programFolder);
    // No row offers this without a mode Plinvo applied; never apply one the user did not choose.
    if (input.mode == check::kNoMode) return {};
    m_radiosMode.SetItemIndex(input.mode);
    if (platform::Status shown = m_radiosModeClick(); !shown.Succeeded()) return shown;
    return m_btnApplyClick();
  };
  check::TfrmSharingCheck dialog(m_app, m_factory, Handle(), applyAgain);
  app::Application::ModalScope inFront(m_app, Handle(), dialog.Handle());
  dialog.window().ShowModal();
}
