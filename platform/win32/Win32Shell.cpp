// clang-format off
#include "platform/win32/WindowsApi.h"
#include "platform/win32/Win32Shell.h"
// clang-format on

#include "platform/win32/DesktopShell.h"
#include "platform/win32/ShellCalls.h"
#include "platform/win32/SystemLibraries.h"
#include "platform/win32/Win32FolderPicker.h"

namespace platform::win32 {
namespace {

// HtmlHelpA, which hhctrl.ocx exports by number only.
using HtmlHelpCall = HWND(WINAPI*)(HWND, LPCSTR, UINT, DWORD_PTR);
constexpr WORD kHtmlHelpOrdinal = 14;
constexpr UINT kDisplayTopic = 0;  // HH_DISPLAY_TOPIC

}  // namespace

void Win32Shell::OpenAddress(const std::string& address, int showCommand) {
  // Whatever the shell answers, there is nothing the program would do about it.
  ShellOpen(address.c_str(), showCommand);
}

bool Win32Shell::DesktopShellRunning() { return GetShellWindow() != nullptr; }

bool Win32Shell::OpenAddressThroughDesktop(const std::string& address, int showCommand) {
  return OpenThroughDesktopShell(address, showCommand);
}

std::optional<std::u16string> Win32Shell::BrowseForFolder(const std::string& title) {
  return platform::win32::BrowseForFolder(title);
}

Handle Win32Shell::ShowHelpTopic(const std::string& topicPath) {
  if (!m_helpLoadTried) {
    m_helpLoadTried = true;
    // By full path: the program runs elevated and must not pick up a planted hhctrl.ocx.
    HMODULE control = LoadSystemLibrary("hhctrl.ocx");
    if (control != nullptr) {
      FARPROC entry = GetProcAddress(control, MAKEINTRESOURCEA(kHtmlHelpOrdinal));
      if (entry != nullptr) {
        m_htmlHelp = reinterpret_cast<Handle>(entry);
      } else {
        FreeLibrary(control);
      }
    }
  }
  if (m_htmlHelp == 0) return 0;
  // The control stays loaded for good: the viewer window it opens runs on its code.
  const auto htmlHelp = reinterpret_cast<HtmlHelpCall>(m_htmlHelp);
  return reinterpret_cast<Handle>(htmlHelp(nullptr, topicPath.c_str(), kDisplayTopic, 0));
}

void Win32Shell::SetActiveWindow(Handle window) {
  ::SetActiveWindow(reinterpret_cast<HWND>(window));
}

}  // namespace platform::win32
