#include "platform/win32/Win32Firewall.h"

// clang-format off
#include "platform/win32/WindowsApi.h"
#include <netfw.h>
#include <oleauto.h>
// clang-format on

#include "platform/ErrorWords.h"
#include "platform/win32/ShellCalls.h"

namespace platform::win32 {
namespace {

// The class and interface identifiers, spelled out so that no import library has to hold them.
const CLSID kPolicy2Class = {
    0xE2B3C97F, 0x6AE1, 0x41AC, {0x81, 0x7A, 0xF6, 0xF9, 0x21, 0x66, 0xD7, 0xDD}};
const IID kPolicy2 = {0x98325047, 0xC671, 0x4174, {0x8D, 0x81, 0xDE, 0xFC, 0xD3, 0xF0, 0x31, 0x86}};
const CLSID kManagerClass = {
    0x304CE942, 0x6E39, 0x40D8, {0x94, 0x3A, 0xB9, 0x13, 0xC4, 0x0C, 0x9C, 0xD4}};
const IID kManager = {0xF7898AF5, 0xCAC4, 0x4632, {0xA2, 0xEC, 0xDA, 0x06, 0xE5, 0x11, 0x1A, 0xF2}};

// The rule group "File and Printer Sharing", by the resource that names it in every language.
const wchar_t kFileSharingGroup[] = L"@FirewallAPI.dll,-28502";

template <class T>
class ComPointer {
 public:
  ComPointer() = default;
  ~ComPointer() {
    if (m_pointer != nullptr) m_pointer->Release();
  }
  ComPointer(const ComPointer&) = delete;
  ComPointer& operator=(const ComPointer&) = delete;
  T** out() { return &m_pointer; }
  void** outVoid() { return reinterpret_cast<void**>(&m_pointer); }
  T* operator->() const { return m_pointer; }
  explicit operator bool() const { return m_pointer != nullptr; }

 private:
  T* m_pointer = nullptr;
};

std::string Failure(const char* what, HRESULT result) {
  return std::string(what) + ". " + ErrorWords(static_cast<std::uint32_t>(result));
}

bool ReadVista(INetFwPolicy2& policy, FirewallState& state, std::string& reason) {
  long profiles = 0;
  HRESULT result = policy.get_CurrentProfileTypes(&profiles);
  if (FAILED(result)) {
    reason = Failure("the firewall did not say which network location is in use", result);
    return false;
  }
  state.vistaPolicy = true;
  state.currentProfiles = static_cast<std::uint32_t>(profiles);
  state.enabled = false;
  state.exceptionsAllowed = true;
  for (long profile : {NET_FW_PROFILE2_DOMAIN, NET_FW_PROFILE2_PRIVATE, NET_FW_PROFILE2_PUBLIC}) {
    if ((profiles & profile) == 0) continue;
    VARIANT_BOOL on = VARIANT_FALSE;
    VARIANT_BOOL blockAll = VARIANT_FALSE;
    result = policy.get_FirewallEnabled(static_cast<NET_FW_PROFILE_TYPE2>(profile), &on);
    if (SUCCEEDED(result)) {
      result =
          policy.get_BlockAllInboundTraffic(static_cast<NET_FW_PROFILE_TYPE2>(profile), &blockAll);
    }
    if (FAILED(result)) {
      reason = Failure("the firewall did not tell its settings", result);
      return false;
    }
    if (on != VARIANT_FALSE) {
      state.enabled = true;
      if (blockAll != VARIANT_FALSE) state.exceptionsAllowed = false;
    }
  }
  BSTR group = AllocateBstr(kFileSharingGroup);
  if (group == nullptr) {
    reason = "there was no memory to ask the firewall.";
    return false;
  }
  VARIANT_BOOL sharing = VARIANT_FALSE;
  result = policy.IsRuleGroupEnabled(profiles, group, &sharing);
  FreeBstr(group);
  if (FAILED(result)) {
    reason =
        Failure("the firewall did not say whether file and printer sharing is let through", result);
    return false;
  }
  state.fileSharingOpen = sharing != VARIANT_FALSE;
  return true;
}

bool PortOpen(INetFwOpenPorts& ports, long number, NET_FW_IP_PROTOCOL protocol) {
  ComPointer<INetFwOpenPort> port;
  VARIANT_BOOL enabled = VARIANT_FALSE;
  return SUCCEEDED(ports.Item(number, protocol, port.out())) && port &&
         SUCCEEDED(port->get_Enabled(&enabled)) && enabled != VARIANT_FALSE;
}

bool ReadXp(INetFwMgr& manager, FirewallState& state, std::string& reason) {
  ComPointer<INetFwPolicy> policy;
  ComPointer<INetFwProfile> profile;
  HRESULT result = manager.get_LocalPolicy(policy.out());
  if (SUCCEEDED(result)) result = policy->get_CurrentProfile(profile.out());
  VARIANT_BOOL on = VARIANT_FALSE;
  VARIANT_BOOL noExceptions = VARIANT_FALSE;
  if (SUCCEEDED(result)) result = profile->get_FirewallEnabled(&on);
  if (SUCCEEDED(result)) result = profile->get_ExceptionsNotAllowed(&noExceptions);
  if (FAILED(result)) {
    reason = Failure("the firewall did not tell its current settings", result);
    return false;
  }
  state.vistaPolicy = false;
  state.enabled = on != VARIANT_FALSE;
  state.exceptionsAllowed = noExceptions == VARIANT_FALSE;
  // File and printer sharing is let through by its own exception or by the four ports.
  ComPointer<INetFwServices> services;
  ComPointer<INetFwService> sharing;
  VARIANT_BOOL serviceOn = VARIANT_FALSE;
  const bool service = SUCCEEDED(profile->get_Services(services.out())) && services &&
                       SUCCEEDED(services->Item(NET_FW_SERVICE_FILE_AND_PRINT, sharing.out())) &&
                       sharing && SUCCEEDED(sharing->get_Enabled(&serviceOn)) &&
                       serviceOn != VARIANT_FALSE;
  ComPointer<INetFwOpenPorts> ports;
  const bool portsOpen = SUCCEEDED(profile->get_GloballyOpenPorts(ports.out())) && ports &&
                         PortOpen(*ports.operator->(), 139, NET_FW_IP_PROTOCOL_TCP) &&
                         PortOpen(*ports.operator->(), 445, NET_FW_IP_PROTOCOL_TCP) &&
                         PortOpen(*ports.operator->(), 137, NET_FW_IP_PROTOCOL_UDP) &&
                         PortOpen(*ports.operator->(), 138, NET_FW_IP_PROTOCOL_UDP);
  state.fileSharingOpen = service || portsOpen;
  return true;
}

}  // namespace

bool Win32Firewall::Read(FirewallState& state, std::string& reason) {
  UseCom();
  state = FirewallState{};
  std::string vistaReason;
  {
    ComPointer<INetFwPolicy2> policy;
    if (SUCCEEDED(
            CreateComObject(kPolicy2Class, CLSCTX_INPROC_SERVER, kPolicy2, policy.outVoid())) &&
        policy) {
      if (ReadVista(*policy.operator->(), state, vistaReason)) return true;
      // A policy object that cannot tell its settings: the older manager may still answer.
      state = FirewallState{};
    }
  }
  ComPointer<INetFwMgr> manager;
  const HRESULT result =
      CreateComObject(kManagerClass, CLSCTX_INPROC_SERVER, kManager, manager.outVoid());
  if (FAILED(result) || !manager) {
    reason = vistaReason.empty()
                 ? Failure("this Windows has no firewall interface Plinvo can ask", result)
                 : vistaReason;
    return false;
  }
  if (ReadXp(*manager.operator->(), state, reason)) return true;
  if (!vistaReason.empty()) reason = vistaReason;
  return false;
}

}  // namespace platform::win32
