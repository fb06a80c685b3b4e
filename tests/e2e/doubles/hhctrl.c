/* The help control (hhctrl.ocx) as a test sees it: the HTML-help call, ordinal 14 (ANSI),
   appends the topic path it is given to C:\help-topics.log, one line per call, and opens no
   viewer (it returns no window). Wine's own viewer cannot show a page without a browser engine,
   so this is how a test learns which page a key asked for. */
#include <windows.h>

HWND WINAPI HtmlHelpA(HWND caller, LPCSTR file, UINT command, DWORD_PTR data) {
  DWORD written = 0;
  HANDLE log;
  (void)caller;
  (void)command;
  (void)data;
  log = CreateFileA("C:\\help-topics.log", FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE,
                    NULL, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, NULL);
  if (log == INVALID_HANDLE_VALUE) return NULL;
  if (file != NULL) WriteFile(log, file, (DWORD)lstrlenA(file), &written, NULL);
  WriteFile(log, "\n", 1, &written, NULL);
  CloseHandle(log);
  return NULL;
}
