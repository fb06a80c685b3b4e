// The application object: the platform, the application-wide values, message boxes with the
// application title, and the central error report of the failures handlers return.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <type_traits>
#include <utility>

#include "app/Global.h"
#include "app/ResolverBinding.h"
#include "platform/Failure.h"
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

  // A message box with the application title as caption. While a dialog is shown modally over
  // `owner` (ModalScope), the box is the dialog's.
  int ShowMessage(platform::Handle owner, const std::string& text, std::uint32_t style);

  // Marks `dialog` as shown modally over `owner` for as long as it lives. A handler of the owner
  // run from the dialog (its "Fix") then shows its boxes over the dialog: a box of the disabled
  // owner would open behind the dialog and, once answered, hand the owner the front.
  class ModalScope {
   public:
    ModalScope(Application& application, platform::Handle owner, platform::Handle dialog);
    ~ModalScope();
    ModalScope(const ModalScope&) = delete;
    ModalScope& operator=(const ModalScope&) = delete;

   private:
    friend class Application;
    Application& m_application;
    platform::Handle m_owner;
    platform::Handle m_dialog;
    ModalScope* m_below;  // the scope that was the latest before this one
  };

  // The window in front of `owner`: the dialog shown modally over it, else `owner` itself.
  platform::Handle FrontWindowOf(platform::Handle owner) const;

  // The central error report.
  void ShowError(platform::Handle owner, const std::string& message);

  // Shows a failed `status` in the central error report; a success shows nothing.
  void Report(platform::Handle owner, const platform::Status& status);

  // Runs `handler`. A handler that can fail returns a platform::Status, which is reported here,
  // once its steps have ended.
  template <class Handler>
  void Run(platform::Handle owner, const Handler& handler) {
    if constexpr (std::is_void_v<std::invoke_result_t<const Handler&>>) {
      handler();
    } else {
      Report(owner, handler());
    }
  }

  // The same, as an event to connect to a control. The handler is wrapped once here and the
  // event made by one of two routines, so that the events of every form share their code.
  template <class Handler>
  ui::Event Guarded(std::function<platform::Handle()> owner, Handler handler) {
    if constexpr (std::is_void_v<std::invoke_result_t<const Handler&>>) {
      return GuardedEvent(std::move(owner), std::function<void()>(std::move(handler)));
    } else {
      return GuardedEvent(std::move(owner), std::function<platform::Status()>(std::move(handler)));
    }
  }

 private:
  ui::Event GuardedEvent(std::function<platform::Handle()> owner, std::function<void()> handler);
  ui::Event GuardedEvent(std::function<platform::Handle()> owner,
                         std::function<platform::Status()> handler);

  platform::Platform& m_platform;
  Global m_global;
  ResolverBinding m_resolverBinding;
  // The latest of the dialogs shown modally now; each scope points to the one before.
  ModalScope* m_modal = nullptr;
};

}  // namespace app
