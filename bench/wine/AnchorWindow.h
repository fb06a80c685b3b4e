// What the benchmarks' anchor programs share: their window class, report-list columns, the end
// of their window procedures and their message loop.
#pragma once

#include <windows.h>
// after windows.h, which it needs
#include <commctrl.h>

namespace anchor {

// Registers the class `name` of plain windows handled by `procedure`, with the program's icon.
inline void RegisterWindowClass(HINSTANCE instance, const char* name, WNDPROC procedure) {
  WNDCLASSA windowClass = {};
  windowClass.lpfnWndProc = procedure;
  windowClass.hInstance = instance;
  windowClass.hCursor = LoadCursor(nullptr, IDC_ARROW);
  windowClass.hIcon = LoadIconA(instance, "MAINICON");
  windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  windowClass.lpszClassName = name;
  RegisterClassA(&windowClass);
}

// Adds `count` columns with these captions and widths to the report list `list`.
inline void AddColumns(HWND list, const char* const* captions, const int* widths, int count) {
  for (int column = 0; column < count; ++column) {
    LVCOLUMNA info = {};
    info.mask = LVCF_TEXT | LVCF_WIDTH;
    info.cx = widths[column];
    info.pszText = const_cast<char*>(captions[column]);
    SendMessageA(list, LVM_INSERTCOLUMNA, column, reinterpret_cast<LPARAM>(&info));
  }
}

// What a window procedure does with the messages it leaves: the program ends with its window.
inline LRESULT Otherwise(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_DESTROY) {
    PostQuitMessage(0);
    return 0;
  }
  return DefWindowProcA(window, message, wParam, lParam);
}

// Runs the message loop until the program's window has gone; keys move between the controls
// of `dialogLike` when it is given.
inline int RunMessageLoop(HWND dialogLike = nullptr) {
  MSG message;
  while (GetMessageA(&message, nullptr, 0, 0) > 0) {
    if (dialogLike != nullptr && IsDialogMessageA(dialogLike, &message)) continue;
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
  return 0;
}

}  // namespace anchor
