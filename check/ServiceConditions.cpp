// The services visitors need: the Server service above all, the Computer Browser and the
// TCP/IP NetBIOS Helper beside it.
#include "check/Rows.h"

namespace check {
namespace {

struct ServiceNeed {
  const char* key;      // the service's key name
  const char* display;  // what the Services console calls it
  bool essential;       // without it no visitor gets in
  const char* purpose;  // what it does for visitors
};

const ServiceNeed kServices[] = {
    {"LanmanServer", "Server service", true,
     "The Server service is what hands shared folders to other computers: while it is not "
     "running, no visitor can open any of them."},
    {"Browser", "Computer Browser service", false,
     "The Computer Browser service keeps the list of computers that My Network Places and "
     "Network show. Without it this computer may be missing from that list, but visitors who "
     "type \\\\name or \\\\address still get in."},
    {"lmhosts", "TCP/IP NetBIOS Helper service", false,
     "The TCP/IP NetBIOS Helper service lets Windows find computers by their NetBIOS names. "
     "Without it, visitors who look for this computer by name may not find it; its address "
     "still works."},
};

void CheckService(const CheckInput& input, const ServiceNeed& need,
                  const platform::ServiceQuery& answer, std::vector<Finding>& rows) {
  RowsAbout service(rows, need.display,
                    !SharesFolders(input.mode) ? "not needed in Stop Share"
                    : need.essential           ? "running"
                                               : "running (recommended)");
  const platform::ServiceState& state = answer.state;
  const std::uint32_t result = answer.result;
  if (result != 0 && result != platform::kServiceNotInstalled) {
    service.Unreadable("Plinvo could not ask Windows about the %s: %s",
                       {need.display, ErrorText(result)});
    return;
  }
  const bool installed = result == 0;
  const bool running = installed && state.currentState == platform::kServiceRunning;
  const bool disabled = installed && state.startType == platform::kServiceDisabled;
  const char* const found = !installed ? "not installed"
                            : running  ? "running"
                            : disabled ? "stopped and disabled"
                                       : "stopped";
  if (running || !SharesFolders(input.mode)) {
    service.Add(Status::Holds, found, need.purpose);
    return;
  }
  const Status status = need.essential ? Status::Blocks : Status::WorthKnowing;
  if (!installed) {
    service.Add(status, found,
                "%s It is not installed: in the properties of the network connection, install "
                "\"File and Printer Sharing for Microsoft Networks\".",
                {need.purpose});
  } else if (disabled) {
    service.Add(status, found,
                "%s It is disabled: in Services (services.msc), set its startup type to "
                "Automatic, then start it.",
                {need.purpose});
  } else {
    Finding& row = service.Add(status, found, "%s Press Fix to start it.", {need.purpose});
    row.fix = FixKind::StartService;
    row.fixTarget = need.key;
  }
}

}  // namespace

void CheckServices(const CheckInput& input, std::vector<Finding>& rows) {
  constexpr std::size_t kCount = sizeof(kServices) / sizeof(kServices[0]);
  platform::ServiceQuery answers[kCount];
  for (std::size_t index = 0; index < kCount; ++index) answers[index] = {kServices[index].key, {}};
  input.platform.services.QueryEach(answers, kCount);
  for (std::size_t index = 0; index < kCount; ++index) {
    CheckService(input, kServices[index], answers[index], rows);
  }
}

}  // namespace check
