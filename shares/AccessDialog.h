// The "Share Access" dialog: the address visitors type, who may reach the share and its folder,
// and the guest visitors' rights.
#pragma once

#include <memory>
#include <string>

#include "app/Application.h"
#include "platform/ShareService.h"
#include "ui/Form.h"

namespace shares {

ui::FormDesign AccessLayout();

class TfrmShareAccess {
 private:
  app::Application& m_app;
  std::unique_ptr<ui::Form> m_form;

 public:
  // Builds the dialog for the share of that record and fills it.
  TfrmShareAccess(app::Application& application, ui::FormFactory& factory, platform::Handle owner,
                  const platform::ShareRecord& share);

  ui::Window& window() { return m_form->window(); }
  platform::Handle Handle() const { return m_form->window().Handle(); }

  ui::Edit& m_editShareAddress;
  ui::Button& m_btnCopyAddress;
  ui::Control& m_memoSharePermissions;
  ui::Control& m_memoFolderPermissions;
  ui::Label& m_labelAccessWarning;
  ui::RadioButton& m_radioGuestRead;
  ui::RadioButton& m_radioGuestFull;
  ui::Button& m_btnChangeAccess;
  ui::Button& m_btnAccessClose;

  void m_btnCopyAddressClick();
  void m_btnChangeAccessClick();
  // Reads the share and its folder again; false when the share could not be read (the text
  // saying why is then shown in place of its permissions).
  bool Fill();

 private:
  // Exactly as the service names them; the folder as the last read of the share gave it.
  std::u16string m_shareName;
  std::u16string m_folder;
  std::u16string m_address;
};

}  // namespace shares
