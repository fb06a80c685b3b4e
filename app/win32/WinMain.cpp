// The program entry: one Plinvo at a time, the Win32 world, the main window, the message
// loop (then 0); or an administrator's unattended verb, the uninstaller's silent restore of the
// settings Plinvo changed among them (its exit code); or, for the setup, the folder for the
// saved settings (0 when made).
#include <cstdlib>

#include "app/Application.h"
#include "app/Formmain.h"
#include "app/UnattendedVerbs.h"
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

  // An administrator's verb, the uninstaller's restore among them: no window and no box, and
  // no deferring to a running Plinvo (bringing that forward would report a change never made).
  // A fault on the way ends it with no word either, and with a code of its own.
  if (commandLine != nullptr && app::IsVerbCommandLine(commandLine)) {
    platform::SetFatalReport([](const char*) { std::_Exit(app::verb_exit::kFault); });
    platform::win32::Win32Platform world;
    const app::Global global = app::LoadGlobal(world.platform().files);
    return app::RunVerbCommandLine(world.platform(), global.programFolder, commandLine);
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
