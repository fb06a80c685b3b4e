// The network: an address other computers can reach, and NetBIOS over TCP/IP.
#include "check/Rows.h"
#include "sharemode/LocalMachineKey.h"

namespace check {
namespace {

bool StartsWith(std::string_view text, std::string_view prefix) {
  return text.substr(0, prefix.size()) == prefix;
}

bool SelfAssigned(const std::string& address) { return StartsWith(address, "169.254."); }

constexpr std::uint32_t kNetBiosDisabled = 2;

// NetbiosOptions of the adapter: 0 as the DHCP server says (on when it says nothing), 1 on,
// 2 off. An adapter without the value, or without NetBIOS settings of its own, has the default,
// 0. -1 with `error` set when they could not be read.
long NetBiosOption(platform::Registry& registry, const std::string& adapter, long& error) {
  const std::string key =
      "SYSTEM\\CurrentControlSet\\Services\\NetBT\\Parameters\\Interfaces\\Tcpip_" + adapter;
  platform::Handle handle = 0;
  error = registry.OpenLocalMachineKeyForReading(key, handle);
  if (error == platform::kErrorFileNotFound) {
    error = 0;
    return 0;
  }
  if (error != 0) return -1;
  platform::RegistryData data;
  const long result = registry.QueryValue(handle, "NetbiosOptions", data);
  registry.CloseKey(handle);
  if (result == platform::kErrorFileNotFound) return 0;
  if (result != 0) {
    error = result;
    return -1;
  }
  return static_cast<long>(platform::DwordOf(data).value_or(0));
}

constexpr const char* kFoundByName =
    "Computers that look for this one by its name in My Network Places or Network find it "
    "through NetBIOS over TCP/IP.";

}  // namespace

bool UsableAddress(const std::string& address) {
  return !address.empty() && address != "0.0.0.0" && !StartsWith(address, "127.") &&
         !SelfAssigned(address);
}

void CheckNetwork(const CheckInput& input, std::vector<Finding>& rows) {
  const bool sharing = SharesFolders(input.mode);
  RowsAbout networkAddress(rows, "Network address",
                           sharing ? "an IPv4 address from the network" : "any");
  std::vector<platform::AdapterRecord> adapters;
  const std::uint32_t result = input.platform.adapters.List(adapters);
  if (result != 0 && result != 232) {
    networkAddress.Unreadable("Plinvo could not list the network adapters: %s",
                              {ErrorText(result)});
    return;
  }
  std::string usable;  // the addresses other computers can reach
  std::vector<const platform::AdapterRecord*> connected;
  bool selfAssigned = false;
  for (const platform::AdapterRecord& adapter : adapters) {
    bool any = false;
    for (const std::string& address : adapter.addresses) {
      if (UsableAddress(address)) {
        AppendItem(usable, address, ", ");
        any = true;
      }
      selfAssigned = selfAssigned || SelfAssigned(address);
    }
    if (any) connected.push_back(&adapter);
  }
  if (usable.empty()) {
    networkAddress.Add(
        sharing ? Status::Blocks : Status::Holds, selfAssigned ? "169.254.x.x only" : "none",
        selfAssigned ? "This computer gave itself an address (169.254.x.x) because no router "
                       "answered it. Other computers usually cannot reach it. Check the cable or "
                       "wireless connection and that the router is on, then restart the computer."
                     : "This computer has no network address, so no other computer can reach "
                       "it. Check the cable or wireless connection.");
  } else {
    networkAddress.Add(Status::Holds, usable,
                       "Other computers on the network can reach this one at %s.", {usable});
  }

  if (connected.empty()) return;
  RowsAbout netBios(rows, "NetBIOS over TCP/IP", sharing ? "on for connected adapters" : "any");
  std::vector<std::string> off;
  for (const platform::AdapterRecord* adapter : connected) {
    long error = 0;
    const long option = NetBiosOption(input.platform.registry, adapter->name, error);
    if (error != 0) {
      netBios.Unreadable("Plinvo could not read the NetBIOS setting of %s: %s",
                         {adapter->description, ErrorText(error)});
      return;
    }
    if (option == static_cast<long>(kNetBiosDisabled)) off.push_back(adapter->description);
  }
  if (off.empty()) {
    netBios.Add(Status::Holds, "on", kFoundByName);
    return;
  }
  const std::string found = FormatMessageText("off on %s", {Joined(off, ", ")});
  if (!sharing) {
    netBios.Add(Status::Holds, found, kFoundByName);
    return;
  }
  netBios.Add(Status::Blocks, found,
              "NetBIOS over TCP/IP is switched off, so older Windows computers cannot find this "
              "one by its name. Restart Plinvo, which switches it on when it starts, or switch it "
              "on in the adapter's TCP/IP settings (Advanced, WINS).");
}

}  // namespace check
