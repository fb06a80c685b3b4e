#include "sharemode/NetworkPreparation.h"

#include <chrono>
#include <optional>
#include <random>
#include <vector>

#include "app/Formmain.h"
#include "app/Global.h"
#include "app/MessageText.h"
#include "sharemode/StartupSettings.h"

namespace sharemode {
namespace {

constexpr const char* kScriptName = "netbios.vbs";
// Someone else may hold a folder of the chosen name; a few fresh names are enough to get past
// chance, and past a squatter the start-up says it cannot create the script.
constexpr int kFolderAttempts = 8;

// Where this start writes the script, and everything made for it, which goes again on every
// way out: the script, its private folder, and our folder under the all-users data if this
// start made it.
//
// An administrator's script must not be swapped before the script host runs it with those
// rights. On Vista the temporary folder belongs to the unelevated user, who can re-point it, or
// any folder above it, with a junction during the pause. So the script goes into a private
// folder (administrators and the system only) under a parent that nobody else can change
// along its whole path, and it is held open from the check of its content until it has run.
class ScriptPlace {
 public:
  explicit ScriptPlace(platform::FileSystem& files) : m_files(files) {}
  ~ScriptPlace() {
    if (m_held) m_files.ReleaseFile(m_script);
    if (m_written) m_files.DeleteFile(m_script);
    for (auto folder = m_madeFolders.rbegin(); folder != m_madeFolders.rend(); ++folder) {
      m_files.RemoveDirectory(*folder);
    }
  }
  ScriptPlace(const ScriptPlace&) = delete;
  ScriptPlace& operator=(const ScriptPlace&) = delete;

  // "<guarded parent>\Plinvo-<n>\netbios.vbs" in a fresh private folder. On failure the
  // script path names the last place tried.
  bool PrepareGuarded(const FolderNumbers& numbers) {
    const std::optional<std::string> parent = GuardedParent();
    if (!parent) return false;
    for (int attempt = 0; attempt < kFolderAttempts; ++attempt) {
      const std::string folder = *parent + "\\Plinvo-" + std::to_string(numbers());
      m_script = folder + "\\" + kScriptName;
      if (m_files.CreatePrivateDirectory(folder)) {
        m_madeFolders.push_back(folder);
        return true;
      }
    }
    return false;
  }

  // Without administrator rights nobody gains anything by swapping the script: it goes straight
  // into the temporary folder, replacing any file of that name.
  bool PrepareInTempFolder(const std::string& tempFolder) {
    m_script = tempFolder + kScriptName;
    if (tempFolder.empty()) return false;
    m_files.DeleteFile(m_script);
    return true;
  }

  // Creates the script as a new file; a file someone put there meanwhile is never written.
  bool Write(const std::string& script) {
    m_written = m_files.CreateNewFile(m_script, script);
    return m_written;
  }

  // Holds the script open so that nobody can change it until it has run, and tells whether it
  // is, byte for byte, what was written.
  bool HoldUnchanged(const std::string& script) {
    std::string content;
    m_held = m_files.HoldFile(m_script, content);
    return m_held && content == script;
  }

  const std::string& ScriptPath() const { return m_script; }

 private:
  // The Windows folder's Temp when only administrators can change it; else our own folder
  // under the all-users application data, made private, when that path is guarded.
  std::optional<std::string> GuardedParent() {
    const std::string windows = m_files.GetWindowsDirectory();
    if (!windows.empty()) {
      const std::string temp = windows + "\\Temp";
      m_script = temp + "\\" + kScriptName;
      // Cscript.exe and the system's libraries come from the Windows folder: when others can
      // change that (a volume without access lists), no other place would be any safer.
      if (m_files.GuardOf(temp) == platform::FolderGuard::AdministratorsOnly ||
          m_files.GuardOf(windows) == platform::FolderGuard::Exposed) {
        return temp;
      }
    }
    const std::string common = m_files.GetCommonAppDataFolder();
    if (common.empty()) return std::nullopt;
    const std::string ours = common + "\\Plinvo";
    m_script = ours + "\\" + kScriptName;
    if (m_files.CreatePrivateDirectory(ours)) m_madeFolders.push_back(ours);
    // Made now or found from an earlier start: either way its access list decides.
    if (m_files.GuardOf(ours) == platform::FolderGuard::AdministratorsOnly) return ours;
    return std::nullopt;
  }

  platform::FileSystem& m_files;
  std::string m_script = kScriptName;
  std::vector<std::string> m_madeFolders;  // in the order made
  bool m_written = false;
  bool m_held = false;
};

std::string WithTrailingSeparator(std::string folder) {
  if (!folder.empty() && folder.back() != '\\' && folder.back() != '/') folder += '\\';
  return folder;
}

}  // namespace

FolderNumbers ClockSeededFolderNumbers() {
  const auto ticks = std::chrono::high_resolution_clock::now().time_since_epoch().count();
  std::minstd_rand generator(static_cast<std::uint32_t>(ticks ^ (ticks >> 32)));
  return [generator]() mutable { return static_cast<std::uint32_t>(generator()); };
}

platform::Result<bool> PrepareNetworkSharing(platform::Platform& platform,
                                             const std::string& script,
                                             const FolderNumbers& numbers) {
  // What the two steps below change is saved first, once, so that it can be put back.
  SaveStartupSettingsOnce(platform);
  app::RunHiddenCommand(platform, "sc config Browser start= AUTO", 1);
  app::RunHiddenCommand(platform, "sc start Browser", 0);

  ScriptPlace place(platform.files);
  const bool placed =
      platform.identity.IsAdministrator()
          ? place.PrepareGuarded(numbers)
          : place.PrepareInTempFolder(WithTrailingSeparator(platform.files.GetTempPath()));
  if (!placed || !place.Write(script)) {
    return platform::Failure(app::FormatMessageText("Cannot create file %s", {place.ScriptPath()}));
  }
  platform.processes.Sleep(1000);
  // Gone, or not what was written: nothing of it is run.
  if (!place.HoldUnchanged(script)) return false;
  app::RunHiddenCommand(platform, "Cscript.exe \"" + place.ScriptPath() + "\"", 1);
  return true;
}

}  // namespace sharemode

namespace app {

platform::Result<bool> TfrmMain::PrepareNetworkSharing() {
  const platform::Result<bool> prepared = sharemode::PrepareNetworkSharing(
      m_app.platform(), m_memoScriptNetBios.Text(), sharemode::ClockSeededFolderNumbers());
  if (!prepared.Succeeded() || prepared.value()) return prepared;
  m_app.ShowMessage(Handle(), "vbs file not found!",
                    platform::mb::kOk | platform::mb::kIconInformation);
  return false;
}

}  // namespace app
