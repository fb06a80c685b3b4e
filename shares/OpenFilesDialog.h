// The "Open Files" dialog: the files other computers hold open, and closing one.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "app/Application.h"
#include "platform/Platform.h"
#include "ui/Form.h"

namespace shares {

ui::FormDesign OpenFilesLayout();

// Replaces the list's rows with the open files (path, user, the computers of that user's
// sessions, locks, access) in the service's order, only those of `user` (its exact name) when
// given, and gives each row's record, in the rows' order. A failing enumeration ends the refresh
// silently.
std::vector<platform::FileRecord> FillOpenFileList(platform::Platform& platform, ui::ListView& list,
                                                   const std::optional<std::u16string>& user);

class TfrmOpenFiles {
 private:
  app::Application& m_app;
  std::unique_ptr<ui::Form> m_form;

 public:
  // Builds the dialog, hidden, and fills its list: with the files of the user of `visitor`, a
  // session, or with every file when there is none.
  TfrmOpenFiles(app::Application& application, ui::FormFactory& factory, platform::Handle owner,
                const platform::SessionRecord* visitor);

  ui::Window& window() { return m_form->window(); }
  platform::Handle Handle() const { return m_form->window().Handle(); }

  ui::Label& m_labelOpenFilesShown;
  ui::ListView& m_listviewOpenFiles;
  ui::Button& m_btnCloseFile;
  ui::Button& m_btnOpenFilesRefresh;
  ui::Button& m_btnOpenFilesShowAll;
  ui::Button& m_btnOpenFilesClose;

  void m_btnCloseFileClick();
  void m_btnOpenFilesRefreshClick();
  void m_btnOpenFilesShowAllClick();

 private:
  std::optional<std::u16string> m_user;       // whose files are shown; every file when none
  std::vector<platform::FileRecord> m_files;  // parallel to the rows
};

}  // namespace shares
