// A top-level window of the program: the main window or a dialog shown modally.
#pragma once

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "ui/FormDesign.h"
#include "ui/win32/PictureIcon.h"
#include "ui/win32/Win32Control.h"

namespace ui::win32 {

class Win32Window : public Win32Control<ui::Window> {
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

  // Menu entries by their identifiers; chosen entries fire their onClick.
  void AddMenuItem(int id, MenuItem* item) { m_menuItems[id] = item; }
  // Keeps a picture of a menu-bar entry for as long as the window lives and returns the value
  // that entry carries as its item data: the window draws the picture when the menu asks.
  ULONG_PTR KeepMenuPicture(PictureIcon picture);

  void Close() override;
  void ShowModal() override;
  void ProcessPendingEvents() override;
  void Show() override;
  int PopupMenu(const std::vector<PopupEntry>& entries) override;

 private:
  static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  bool HandleMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);
  void MoveFocus(WPARAM wParam, LPARAM lParam);
  void RestoreFocus();
  bool Alive() const;
  const PictureIcon* MenuPicture(ULONG_PTR itemData) const;

  HWND m_owner = nullptr;
  bool m_quitOnDestroy = false;
  bool m_inModalLoop = false;
  bool m_endModal = false;
  HWND m_savedFocus = nullptr;
  std::map<int, MenuItem*> m_menuItems;
  // Released only after the destructor has destroyed the window and with it the menu.
  std::vector<std::unique_ptr<PictureIcon>> m_menuPictures;
};

}  // namespace ui::win32
