// Lets a control object see the messages of its window before the system's class does.
#pragma once

#include <windows.h>

namespace ui::win32 {

class SubclassHook {
 public:
  SubclassHook() = default;
  SubclassHook(const SubclassHook&) = delete;
  SubclassHook& operator=(const SubclassHook&) = delete;
  virtual ~SubclassHook();

  void Install(HWND window);

  // The hook installed on `window`, or nullptr.
  static SubclassHook* Of(HWND window);
  // Passes the mouse messages of the window on to a hover-hint window (TTM_RELAYEVENT), which
  // then needs no subclass of its own on the control.
  void RelayMouseTo(HWND hints) { m_hints = hints; }

 protected:
  // Returns true when the message was handled, with the answer in `result`.
  virtual bool OnSubclassMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                 LRESULT& result) = 0;
  LRESULT CallOriginal(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

 private:
  static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  void Remove();
  void Relay(HWND window, UINT message, WPARAM wParam, LPARAM lParam) const;

  HWND m_hooked = nullptr;
  WNDPROC m_original = nullptr;
  HWND m_hints = nullptr;
};

}  // namespace ui::win32
