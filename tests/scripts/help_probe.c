/* Opens a topic of a compiled help file the way Plinvo's "Help Content" does (hhctrl.ocx,
   ordinal 14, ANSI, command 0) and prints the viewer window's class and title.
   Exit code: 0 a viewer window opened, 2 no hhctrl.ocx, 3 no window. */
#define _WIN32_WINNT 0x0501
#define WINVER 0x0501
#include <stdio.h>
#include <windows.h>

typedef HWND(WINAPI* HtmlHelpAFn)(HWND, LPCSTR, UINT, DWORD_PTR);

int main(int argc, char** argv) {
  if (argc != 2) {
    fprintf(stderr, "usage: help_probe file.chm::/topic.htm\n");
    return 1;
  }
  HMODULE hhctrl = LoadLibraryA("hhctrl.ocx");
  HtmlHelpAFn htmlHelp =
      hhctrl ? (HtmlHelpAFn)(void (*)(void))GetProcAddress(hhctrl, MAKEINTRESOURCEA(14)) : NULL;
  if (htmlHelp == NULL) return 2;
  HWND viewer = htmlHelp(NULL, argv[1], 0, 0);
  if (viewer == NULL) return 3;
  char title[256] = "";
  char className[256] = "";
  GetWindowTextA(viewer, title, sizeof title);
  GetClassNameA(viewer, className, sizeof className);
  printf("%s|%s\n", className, title);
  fflush(stdout);
  DestroyWindow(viewer);
  return 0;
}
