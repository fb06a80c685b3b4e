// The new-share dialog: pick a folder, name the share, choose the visitors' access.
#pragma once

#include <memory>
#include <string>

#include "app/Application.h"
#include "shares/NewShare.h"
#include "ui/Form.h"

namespace shares {

class TfrmNewZendryShare {
 private:
  // Declared first: the control references below are bound from the built form.
  app::Application& m_app;
  std::unique_ptr<ui::Form> m_form;

 public:
  // Builds the dialog, hidden, with `owner` as its owner window.
  TfrmNewZendryShare(app::Application& application, ui::FormFactory& factory,
                     platform::Handle owner);

  ui::Form& form() { return *m_form; }
  ui::Window& window() { return m_form->window(); }
  platform::Handle Handle() const { return m_form->window().Handle(); }

  ui::Edit& m_editShareDir;
  ui::Button& m_btnBrowseDir;
  ui::Edit& m_editShareName;
  ui::RadioButton& m_radioRead;
  ui::RadioButton& m_radioFull;
  ui::Label& m_labelResult;
  ui::Button& m_btnOK;
  ui::Button& m_btnCancel;

  // The file-system type of the chosen folder's drive, as the system names it.
  std::string m_fileSystemName;

  void m_btnBrowseDirClick();
  void m_btnOKClick();
  void m_btnCancelClick();

 private:
  void Warn(const std::string& text);
  void ShowProgress(const std::string& text);
};

}  // namespace shares
