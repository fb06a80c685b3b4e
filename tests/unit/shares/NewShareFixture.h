// Acting as the user of the new-share dialog: each press of "New Share" runs a script of user
// steps while the dialog is shown.
#pragma once

#include <functional>
#include <string>

#include "SharesFixture.h"

namespace shares_test {

using ui::memory::MemoryButton;
using ui::memory::MemoryEdit;
using ui::memory::MemoryForm;
using ui::memory::MemoryLabel;
using ui::memory::MemoryRadioButton;

struct NewShareFixture : SharesFixture {
  explicit NewShareFixture(std::uint32_t majorVersion = 5) : SharesFixture(majorVersion) {
    test.world.files.volumes = {{"c:\\", "NTFS"}, {"d:\\", "FAT32"}, {"e:\\", "FAT"}};
    Start();
  }

  // Presses "New Share"; `user` acts while the dialog is shown.
  void Open(const std::function<void(MemoryForm&)>& user) {
    test.forms.onShowModal = [this, user](MemoryForm& dialog) {
      dialog_ = &dialog;
      user(dialog);
      dialog_ = nullptr;
    };
    MainButton("m_btnFolderNewShare").Click();
  }

  MemoryForm& Dialog() { return *dialog_; }
  MemoryEdit& Edit(const std::string& name) { return Dialog().Memory<MemoryEdit>(name); }
  MemoryButton& Button(const std::string& name) { return Dialog().Memory<MemoryButton>(name); }
  MemoryLabel& Result() { return Dialog().Memory<MemoryLabel>("m_labelResult"); }
  bool Closed() { return Dialog().memoryWindow().Closed(); }

  // Picks a folder named in Latin-1 (nullopt cancels), or in UTF-16 as the picker gives it.
  void Pick(const std::optional<std::string>& folder) {
    if (folder) return Pick(U(*folder));
    test.world.shell.folderAnswers.push_back(std::nullopt);
    Button("m_btnBrowseDir").Click();
  }
  void Pick(const std::u16string& folder) {
    test.world.shell.folderAnswers.push_back(folder);
    Button("m_btnBrowseDir").Click();
  }
  void Type(const std::string& name) { Edit("m_editShareName").SetText(name); }
  void ChooseFull() { Dialog().Memory<MemoryRadioButton>("m_radioFull").Click(); }
  void Ok() { Button("m_btnOK").Click(); }

  // Picks `folder`, names the share, chooses the access and presses OK, in one dialog.
  void Share(const std::string& folder, const std::string& name, bool full = false) {
    Open([&](MemoryForm&) {
      Pick(folder);
      Type(name);
      if (full) ChooseFull();
      Ok();
    });
  }

 private:
  MemoryForm* dialog_ = nullptr;
};

}  // namespace shares_test
