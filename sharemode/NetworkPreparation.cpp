#include "sharemode/NetworkPreparation.h"

#include <chrono>
#include <optional>
#include <random>

#include "app/AppError.h"
#include "app/Formmain.h"
#include "app/Global.h"

namespace sharemode {
namespace {

constexpr const char* kScriptName = "netbios.vbs";
// Someone else may hold a folder of the chosen name; a few fresh names are enough to get past
// chance, and past a squatter the start-up says it cannot create the script.
constexpr int kFolderAttempts = 8;

// The elevated program and the user's ordinary programs share the temporary folder (Vista), so
// a script left there could be swapped during the pause and run with administrator rights. The
// script lives in a folder only administrators and the system may open, made for this start.
class PrivateScriptFolder {
 public:
  explicit PrivateScriptFolder(platform::FileSystem& files) : m_files(files) {}
  ~PrivateScriptFolder() {
    if (!m_folder) return;
    m_files.DeleteFile(ScriptPath());
    m_files.RemoveDirectory(*m_folder);
  }
  PrivateScriptFolder(const PrivateScriptFolder&) = delete;
  PrivateScriptFolder& operator=(const PrivateScriptFolder&) = delete;

  // Creates "<temp>Plinvo-<n>"; on failure the script path names the last folder tried.
  bool Create(const std::string& tempFolder, const FolderNumbers& numbers) {
    for (int attempt = 0; attempt < kFolderAttempts; ++attempt) {
      m_candidate = tempFolder + "Plinvo-" + std::to_string(numbers());
      if (m_files.CreatePrivateDirectory(m_candidate)) {
        m_folder = m_candidate;
        return true;
      }
    }
    return false;
  }

  std::string ScriptPath() const {
    return m_candidate.empty() ? kScriptName : m_candidate + "\\" + kScriptName;
  }

 private:
  platform::FileSystem& m_files;
  std::string m_candidate;
  std::optional<std::string> m_folder;  // set once this call has created it
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

bool PrepareNetworkSharing(platform::Platform& platform, const std::string& script,
                           const FolderNumbers& numbers) {
  app::RunHiddenCommand(platform, "sc config Browser start= AUTO", 1);
  app::RunHiddenCommand(platform, "sc start Browser", 0);

  PrivateScriptFolder folder(platform.files);
  const std::string tempFolder = WithTrailingSeparator(platform.files.GetTempPath());
  if (tempFolder.empty() || !folder.Create(tempFolder, numbers) ||
      !platform.files.CreateNewFile(folder.ScriptPath(), script)) {
    throw app::AppError(app::FormatMessageText("Cannot create file %s", folder.ScriptPath()));
  }
  platform.processes.Sleep(1000);
  if (!platform.files.FileExists(folder.ScriptPath())) return false;
  app::RunHiddenCommand(platform, "Cscript.exe \"" + folder.ScriptPath() + "\"", 1);
  return true;
}

}  // namespace sharemode

namespace app {

bool TfrmMain::PrepareNetworkSharing() {
  if (sharemode::PrepareNetworkSharing(m_app.platform(), m_memoScriptNetBios.Text(),
                                       sharemode::ClockSeededFolderNumbers())) {
    return true;
  }
  m_app.ShowMessage(Handle(), "vbs file not found!",
                    platform::mb::kOk | platform::mb::kIconInformation);
  return false;
}

}  // namespace app
