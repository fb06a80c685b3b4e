// The program entry: one Plinvo at a time, the Win32 world, the main window, the message
// loop. Always returns 0.
#include <exception>

#include "app/Application.h"
#include "app/Formmain.h"
#include "app/win32/SingleInstance.h"
#include "platform/win32/SystemLibraries.h"
#include "platform/win32/Win32Platform.h"
#include "platform/win32/WindowsApi.h"
#include "ui/win32/DllSearch.h"
#include "ui/win32/EventDispatch.h"
#include "ui/win32/Win32FormFactory.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  // Elevated, the program must never load a library planted in the current folder.
  ui::win32::DropCurrentFolderFromDllSearch();
  // Nor one planted in its own folder: the common controls and the themes library they use
  // come from the system before anything can ask for them by name.
  platform::win32::LoadCommonControls();

  // A second start brings the first one's window forward and ends before any start-up step.
  app::win32::SingleInstance singleInstance;
  if (singleInstance.OtherBroughtToFront()) return 0;

  platform::win32::Win32Platform world;
  app::Application application(world.platform());
  ui::win32::SetUnhandledExceptionHandler(
      [&application](const std::exception& error) { application.ShowError(0, error.what()); });
  try {
    ui::win32::Win32FormFactory factory(instance);
    app::TfrmMain frmMain(application, factory);
    frmMain.window().Show();
    factory.RunMessageLoop();
  } catch (const std::exception& error) {
    application.ShowError(0, error.what());
  } catch (...) {
    application.ShowError(0, std::string());
  }
  return 0;
}
