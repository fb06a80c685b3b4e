#include "app/Application.h"

#include <exception>

namespace app {

std::string ErrorReportText(const std::string& message) {
  if (!message.empty() && static_cast<unsigned char>(message.back()) > '.') return message + ".";
  return message;
}

Application::Application(platform::Platform& platform)
    : m_platform(platform),
      m_global(LoadGlobal(platform.files)),
      m_resolverBinding(platform.resolver, platform.files) {}

int Application::ShowMessage(platform::Handle owner, const std::string& text, std::uint32_t style) {
  return m_platform.messageBoxes.Show(owner, text, m_global.applicationTitle, style);
}

void Application::ShowError(platform::Handle owner, const std::string& message) {
  ShowMessage(owner, ErrorReportText(message), platform::mb::kOk | platform::mb::kIconStop);
}

void Application::Run(platform::Handle owner, const std::function<void()>& handler) {
  try {
    handler();
  } catch (const std::exception& error) {
    ShowError(owner, error.what());
  } catch (...) {
    ShowError(owner, std::string());
  }
}

ui::Event Application::Guarded(const std::function<platform::Handle()>& owner,
                               std::function<void()> handler) {
  return [this, owner, handler = std::move(handler)]() { Run(owner(), handler); };
}

}  // namespace app
