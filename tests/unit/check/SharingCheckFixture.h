// A simulated computer on which a share mode was applied and everything it needs is in place,
// and helpers to read the check's rows by what they are about.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "check/SharingCheck.h"
#include "platform/memory/MemoryWorld.h"
#include "sharemode/ApplyShareMode.h"
#include "sharemode/ChangeTime.h"
#include "sharemode/SettingsFile.h"

namespace check_testing {

using check::Status;
using platform::AccessEntry;
using platform::AccessList;

constexpr const char* kFolder = "C:\\Program Files\\Plinvo\\";
constexpr const char* kGuest = "S-1-5-21-1-2-3-501";
constexpr const char* kNetBt =
    "SYSTEM\\CurrentControlSet\\Services\\NetBT\\Parameters\\Interfaces\\Tcpip_{4D36E972-0001}";
constexpr std::uint32_t kRead = 0x1200A9;
constexpr std::uint32_t kFull = 0x1F01FF;

// Sets `world` up as a computer where `mode` was applied an hour before the last start.
inline void ApplyInWorld(platform::memory::MemoryWorld& world, int mode) {
  world.files.PutDirectory("C:\\Program Files\\Plinvo");
  sharemode::RunRecipe(world.platform, sharemode::RecipeFor(mode), kFolder);
  sharemode::RecordShareMode(world.profile, kFolder, mode);
  sharemode::RecordChangeTime(world.files, world.clock.now - 7200);
  world.accounts.guestEnabled = mode == 1;
  world.accounts.rights[kGuest] = {mode == 1 ? "SeNetworkLogonRight" : "SeDenyNetworkLogonRight"};
  if (mode == 0) world.firewall.state.fileSharingOpen = false;
  world.accounts.fileAccess[u"C:\\Program Files\\Plinvo"] =
      AccessList{true, {{"S-1-5-32-544", true, kFull, 0}, {"S-1-5-32-545", true, kRead, 0}}};
  world.shareService.shares = {{u"Photos", 0, u"", 0, u"C:\\Photos"}, {u"C$", 0, u"", 0, u"C:\\"}};
  world.accounts.shareAccess[u"Photos"] = AccessList{true, {{"S-1-1-0", true, kRead, 0}}};
  world.accounts.fileAccess[u"C:\\Photos"] = AccessList{true, {{"S-1-1-0", true, kRead, 0}}};
  // The Server service started with the computer and has refused nobody; failed logons are
  // audited and none is in the log.
  world.shareService.serverCounts = {static_cast<std::uint32_t>(world.clock.now - 3600), 0, 0, 4};
  world.securityLog.failuresAudited = true;
  world.registry.Put(kNetBt, "NetbiosOptions",
                     {platform::memory::RegistryValue::Type::Dword, 0, {}});
}

class SharingCheckTest : public ::testing::TestWithParam<int> {
 protected:
  void SetUp() override { ApplyInWorld(world, GetParam()); }
  int mode() const { return GetParam(); }

  std::vector<check::Finding> Run() {
    return check::RunSharingCheck(check::InputFor(world.platform, kFolder));
  }
  // The one row about `what`; fails the test when there is none or more than one.
  check::Finding RowAbout(const std::string& what) {
    std::vector<check::Finding> found;
    for (const check::Finding& row : Run()) {
      if (row.what == what) found.push_back(row);
    }
    EXPECT_EQ(found.size(), 1u) << what;
    return found.empty() ? check::Finding{} : found.front();
  }
  Status StatusOf(const std::string& what) { return RowAbout(what).status; }
  std::string ExplanationOf(const std::string& what) { return RowAbout(what).explanation; }
  // A shortfall blocks visitors in the sharing modes; in Stop Share it is only worth knowing.
  Status Shortfall() const { return mode() == 0 ? Status::WorthKnowing : Status::Blocks; }

  platform::memory::MemoryWorld world;
};

inline std::string ModeLabel(const ::testing::TestParamInfo<int>& info) {
  static const char* const names[] = {"StopShare", "ZendryShare", "NormalShare"};
  return names[info.param];
}

}  // namespace check_testing
