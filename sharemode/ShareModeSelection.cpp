// The main window's share-mode selector: picking a mode shows its description, and start-up
// selects the mode recorded by the last Apply.
#include "app/Formmain.h"
#include "sharemode/SettingsFile.h"
#include "sharemode/ShareModeDescription.h"

namespace app {

platform::Status TfrmMain::m_radiosModeClick() {
  const char* fileName = sharemode::DescriptionFileName(m_radiosMode.ItemIndex());
  if (fileName == nullptr) return {};  // nothing selected: the old description stays
  return sharemode::LoadDescription(m_app.platform().files, m_app.global().programFolder + fileName,
                                    m_memoTip);
}

platform::Status TfrmMain::RestoreShareMode() {
  const int recorded =
      sharemode::ReadRecordedShareMode(m_app.platform().profile, m_app.global().programFolder);
  m_radiosMode.SetItemIndex(recorded);
  // Also when the selection did not change: "Desc." must give way to a real description.
  return m_radiosModeClick();
}

}  // namespace app
