#include "app/Application.h"

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
  return m_platform.messageBoxes.Show(FrontWindowOf(owner), text, m_global.applicationTitle, style);
}

Application::ModalScope::ModalScope(Application& application, platform::Handle owner,
                                    platform::Handle dialog)
    : m_application(application), m_owner(owner), m_dialog(dialog), m_below(application.m_modal) {
  m_application.m_modal = this;
}

Application::ModalScope::~ModalScope() { m_application.m_modal = m_below; }

platform::Handle Application::FrontWindowOf(platform::Handle owner) const {
  // A dialog over a dialog over the owner: the last one is in front.
  for (const ModalScope* scope = m_modal; scope != nullptr; scope = scope->m_below) {
    if (scope->m_owner == owner) return FrontWindowOf(scope->m_dialog);
  }
  return owner;
}

void Application::ShowError(platform::Handle owner, const std::string& message) {
  ShowMessage(owner, ErrorReportText(message), platform::mb::kOk | platform::mb::kIconStop);
}

void Application::Report(platform::Handle owner, const platform::Status& status) {
  if (!status.Succeeded()) ShowError(owner, status.failure().message);
}

namespace {

// The event that runs `handler` through the application's report.
template <class Handler>
ui::Event EventRunning(Application& application, std::function<platform::Handle()> owner,
                       Handler handler) {
  return [&application, owner = std::move(owner), handler = std::move(handler)]() {
    application.Run(owner(), handler);
  };
}

}  // namespace

ui::Event Application::GuardedEvent(std::function<platform::Handle()> owner,
                                    std::function<void()> handler) {
  return EventRunning(*this, std::move(owner), std::move(handler));
}

ui::Event Application::GuardedEvent(std::function<platform::Handle()> owner,
                                    std::function<platform::Status()> handler) {
  return EventRunning(*this, std::move(owner), std::move(handler));
}

}  // namespace app
