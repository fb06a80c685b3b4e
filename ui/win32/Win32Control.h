// What every Win32-backed control shares: its window, its text and its enabled state.
#pragma once

#include <windows.h>

#include <string>

#include "ui/Controls.h"
#include "ui/win32/MessageTarget.h"

namespace ui::win32 {

std::string WindowText(HWND window);

template <class Interface>
class Win32Control : public Interface, public MessageTarget {
 public:
  Win32Control() = default;
  Win32Control(const Win32Control&) = delete;
  Win32Control& operator=(const Win32Control&) = delete;
  ~Win32Control() override {
    if (m_window != nullptr && TargetOf(m_window) == this) DetachTarget(m_window);
  }

  // Takes the control's window and makes this object the target of its notifications.
  void Attach(HWND window) {
    m_window = window;
    AttachTarget(window, this);
  }
  HWND Window() const { return m_window; }

  platform::Handle Handle() const override { return reinterpret_cast<platform::Handle>(m_window); }
  std::string Text() const override { return WindowText(m_window); }
  void SetText(const std::string& text) override { SetWindowTextA(m_window, text.c_str()); }
  bool Enabled() const override { return IsWindowEnabled(m_window) != FALSE; }
  void SetEnabled(bool enabled) override { EnableWindow(m_window, enabled ? TRUE : FALSE); }

 protected:
  HWND m_window = nullptr;
};

}  // namespace ui::win32
