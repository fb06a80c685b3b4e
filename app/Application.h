// The application object: the platform, the application-wide values, message boxes with the
// application title, and the central error report that catches what escapes a handler.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "app/Global.h"
#include "app/ResolverBinding.h"
#include "platform/Platform.h"
#include "ui/Controls.h"

namespace app {

// The text the central error report shows for an error message: a full stop is appended when the
// last character's code is above that of ".".
std::string ErrorReportText(const std::string& message);

class Application {
 public:
  explicit Application(platform::Platform& platform);

  platform::Platform& platform() { return m_platform; }
  Global& global() { return m_global; }
  const Global& global() const { return m_global; }
  // The resolver entry points, bound once for the life of the program.
  ResolverBinding& resolverBinding() { return m_resolverBinding; }

  // A message box with the application title as caption.
  int ShowMessage(platform::Handle owner, const std::string& text, std::uint32_t style);

  // The central error report.
  void ShowError(platform::Handle owner, const std::string& message);

  // Runs `handler`; an error escaping it ends it and is shown in the central error report.
  void Run(platform::Handle owner, const std::function<void()>& handler);

  // The same, as an event to connect to a control.
  ui::Event Guarded(const std::function<platform::Handle()>& owner, std::function<void()> handler);

 private:
  platform::Platform& m_platform;
  Global m_global;
  ResolverBinding m_resolverBinding;
};

}  // namespace app
