// The program entry: one Plinvo at a time, the Win32 world, the main window, the message
// loop (then 0); or, for the uninstaller, the silent restore of the settings Plinvo changed
// (0 when it succeeded); or, for the setup, the folder for the saved settings (0 when made).
#include "app/Application.h"
#include "app/Formmain.h"
#include "app/win32/SingleInstance.h"
#include "platform/Fatal.h"
#include "platform/win32/SystemLibraries.h"
#include "platform/win32/Win32FileSystem.h"
#include "platform/win32/Win32Platform.h"
#include "platform/win32/WindowsApi.h"
#include "sharemode/UndoModeChange.h"
#include "ui/win32/DllSearch.h"
#include "ui/win32/Win32FormFactory.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR commandLine, int) {
  // Elevated, the program must never load a library planted in the current folder.
  ui::win32::DropCurrentFolderFromDllSearch();
  // Nor one planted in its own folder: the common controls and the themes library they use
  // come from the system before anything can ask for them by name.
  platform::win32::LoadCommonControls();

  // The uninstaller's call: it has asked the user already, so no window and no box. It does
  // not defer to a running Plinvo: bringing that forward would report a restore never made.
  // A fault on the way ends it with 1 and no word either (platform::Fatal, nobody told).
  if (commandLine != nullptr && sharemode::IsRestoreCommandLine(commandLine)) {
    platform::win32::Win32Platform world;
    const app::Global global = app::LoadGlobal(world.platform().files);
    return sharemode::RestoreWindowsSettingsSilently(world.platform(), global.programFolder);
  }

  // The setup's call: NSIS sets no access lists, so the program makes its own folder for the
  // saved settings, as it would at the first "Apply".
  if (commandLine != nullptr && sharemode::IsCreateFolderCommandLine(commandLine)) {
    platform::win32::Win32FileSystem files;
    return sharemode::CreateSettingsFolderSilently(files);
  }

  // A second start brings the first one's window forward and ends before any start-up step.
  app::win32::SingleInstance singleInstance;
  if (singleInstance.OtherBroughtToFront()) return 0;

  platform::win32::Win32Platform world;
  app::Application application(world.platform());
  // A fault with no way on (a window that cannot be made, memory gone) is shown in the central
  // error report before the program ends.
  platform::SetFatalReport(
      [&application](const char* reason) { application.ShowError(0, reason); });
  {
    ui::win32::Win32FormFactory factory(instance);
    app::TfrmMain frmMain(application, factory);
    frmMain.window().Show();
    factory.RunMessageLoop();
  }
  platform::SetFatalReport(nullptr);
  return 0;
}
