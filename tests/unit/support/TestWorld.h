// What every unit test of a window needs: the simulated computer, the in-memory controls and
// the application object over them.
#pragma once

#include <memory>
#include <string>

#include "app/Application.h"
#include "app/Formmain.h"
#include "platform/memory/MemoryWorld.h"
#include "ui/memory/MemoryForm.h"

namespace testing_support {

struct TestWorld {
  TestWorld() {
    // The program folder holds what the build ships beside Plinvo.exe.
    world.files.PutDirectory("C:\\Program Files\\Plinvo");
    for (const char* description :
         {"stop_share_help.rtf", "zendry_share_help.rtf", "normal_share_help.rtf"}) {
      world.files.PutFile(std::string(kProgramFolder) + description,
                          std::string("{\\rtf1 ") + description + "}");
    }
  }

  // Creates the main window, which runs its start-up sequence.
  app::TfrmMain& StartMainWindow() {
    application = std::make_unique<app::Application>(world.platform);
    mainWindow = std::make_unique<app::TfrmMain>(*application, forms);
    return *mainWindow;
  }

  ui::memory::MemoryForm& MainForm() {
    return dynamic_cast<ui::memory::MemoryForm&>(mainWindow->form());
  }

  static constexpr const char* kProgramFolder = "C:\\Program Files\\Plinvo\\";

  platform::memory::MemoryWorld world;
  ui::memory::MemoryFormFactory forms;
  std::unique_ptr<app::Application> application;
  std::unique_ptr<app::TfrmMain> mainWindow;
};

}  // namespace testing_support
