// A top-level window of the program: the main window or a dialog shown modally.
#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "ui/FormDesign.h"
#include "ui/win32/MessagePump.h"
#include "ui/win32/PictureIcon.h"
#include "ui/win32/Win32Control.h"

namespace ui::win32 {

class Win32Window : public Win32Control<ui::Window>, private KeyFilter {
 public:
  Win32Window() = default;
  ~Win32Window() override;

  // Registers the window class `className` once per process.
  // A window with a dialog border shows no icon in its title bar, so its class carries none.
  static void RegisterFormClass(HINSTANCE instance, const std::string& className, bool withIcon);

  // Creates the hidden window with the exact client size of `spec` and hands it `menu`, which
  // it then owns. `owner` 0 makes it the main window: once shown, destroying it ends the
  // message loop.
  bool Create(HINSTANCE instance, const FormDesign& spec, HWND owner, HMENU menu);

  // Menu entries by their identifiers; chosen entries fire their onClick, the last one added
  // for an identifier.
  void AddMenuItem(int id, MenuItem* item) { m_menuItems.emplace_back(id, item); }
  // Keeps a picture of a menu-bar entry for as long as the window lives and returns the value
  // that entry carries as its item data: the window draws the picture when the menu asks.
  ULONG_PTR KeepMenuPicture(PictureIcon picture);

  // The controls that take focus, in tab order. A stop of several windows (a group of options)
  // is entered at its checked one.
  void SetTabStops(std::vector<std::vector<HWND>> stops) { m_tabStops = std::move(stops); }
  // Keys before the dialog keys: returns true when it took the key.
  void SetKeyHandler(std::function<bool(Key, unsigned modifiers)> handler) {
    m_keyHandler = std::move(handler);
  }

  void Close() override;
  void ShowModal() override;
  void ProcessPendingEvents() override;
  void Show() override;
  void SetBusy(bool busy) override;
  int PopupMenu(const std::vector<PopupEntry>& entries) override;
  // Where the shortcut menus shown from now on open (screen coordinates) instead of at the
  // mouse pointer; nullopt goes back to the pointer.
  void PlaceNextPopup(std::optional<POINT> at) { m_popupPlace = at; }

 private:
  static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  bool HandleMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);
  bool PreTranslateKey(const MSG& message) override;
  void MoveFocus(WPARAM wParam, LPARAM lParam);
  void RestoreFocus();
  // The next control to focus after `from` (backwards with `previous`); nullptr when none can.
  HWND NextTabStop(HWND from, bool previous) const;
  void FocusControl(HWND target);
  bool Alive() const;
  // Puts the window on the screen, painted, in front.
  void Appear();
  // While busy: disables the window and every control that takes input, to be enabled again
  // when the busy state ends; before a busy window first shows, if it was hidden till then.
  void DisableWhileBusy();
  void DisableIfBusyBeforeShowing();
  const PictureIcon* MenuPicture(ULONG_PTR itemData) const;

  HWND m_owner = nullptr;
  bool m_quitOnDestroy = false;
  bool m_inModalLoop = false;
  bool m_endModal = false;
  HWND m_savedFocus = nullptr;
  std::vector<std::vector<HWND>> m_tabStops;
  std::function<bool(Key, unsigned)> m_keyHandler;
  int m_busyLevel = 0;
  HWND m_busyFocus = nullptr;
  bool m_busyDisabledSelf = false;
  bool m_busyControlsDisabled = false;  // set while the busy state has disabled them
  std::vector<HWND> m_busyDisabled;
  // A menu has a few entries: gone through in order, with a fraction of a sorted tree's code.
  std::vector<std::pair<int, MenuItem*>> m_menuItems;
  std::optional<POINT> m_popupPlace;
  // Released only after the destructor has destroyed the window and with it the menu.
  std::vector<std::unique_ptr<PictureIcon>> m_menuPictures;
};

}  // namespace ui::win32
