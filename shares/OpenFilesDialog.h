// The "Open Files" dialog: the files other computers hold open, and closing one.
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "app/Application.h"
#include "platform/Platform.h"
#include "ui/Form.h"

namespace shares {

ui::FormDesign OpenFilesLayout();

// Replaces the list's rows with the open files (path, user, locks, access) in the service's
// order and gives each row's record, in the rows' order. A failing enumeration ends the refresh
// silently.
std::vector<platform::FileRecord> FillOpenFileList(platform::Platform& platform,
                                                   ui::ListView& list);

class TfrmOpenFiles {
 private:
  app::Application& m_app;
  std::unique_ptr<ui::Form> m_form;

 public:
  // Builds the dialog, hidden, and fills its list.
  TfrmOpenFiles(app::Application& application, ui::FormFactory& factory, platform::Handle owner);

  ui::Window& window() { return m_form->window(); }
  platform::Handle Handle() const { return m_form->window().Handle(); }

  ui::ListView& m_listviewOpenFiles;
  ui::Button& m_btnCloseFile;
  ui::Button& m_btnOpenFilesRefresh;
  ui::Button& m_btnOpenFilesClose;

  void m_btnCloseFileClick();
  void m_btnOpenFilesRefreshClick();

 private:
  std::vector<platform::FileRecord> m_files;  // parallel to the rows
};

}  // namespace shares
