/* A library planted beside Plinvo.exe under the name of a system library (version.dll). It
   appends a line to C:\planted-loaded.log when a process loads it ("loaded" and its path) and
   each time one of its calls is made ("called" and the call), so a test sees whether the
   program took it for the system's. (Wine's own user32 imports version.dll by name, so under
   native-first order every program of Wine loads it; only the calls tell what the program
   itself uses.) Its calls answer as the system's do for a file without version information. */
#include <string.h>
#include <windows.h>

static void note(const char* what, const char* detail) {
  char line[MAX_PATH + 64] = {0};
  DWORD written = 0;
  HANDLE log;
  lstrcpynA(line, what, 32);
  lstrcatA(line, " ");
  strncat(line, detail, MAX_PATH);
  lstrcatA(line, "\n");
  log = CreateFileA("C:\\planted-loaded.log", FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE,
                    NULL, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, NULL);
  if (log == INVALID_HANDLE_VALUE) return;
  WriteFile(log, line, (DWORD)lstrlenA(line), &written, NULL);
  CloseHandle(log);
}

BOOL WINAPI DllMain(HINSTANCE self, DWORD reason, LPVOID reserved) {
  char path[MAX_PATH + 1] = {0};
  (void)reserved;
  if (reason == DLL_PROCESS_ATTACH) {
    GetModuleFileNameA(self, path, MAX_PATH);
    note("loaded", path);
  }
  return TRUE;
}

DWORD WINAPI GetFileVersionInfoSizeA(LPCSTR file, LPDWORD handle) {
  note("called", "GetFileVersionInfoSizeA");
  (void)file;
  if (handle != NULL) *handle = 0;
  SetLastError(ERROR_RESOURCE_DATA_NOT_FOUND);
  return 0;
}

BOOL WINAPI GetFileVersionInfoA(LPCSTR file, DWORD handle, DWORD length, LPVOID data) {
  note("called", "GetFileVersionInfoA");
  (void)file;
  (void)handle;
  (void)length;
  (void)data;
  SetLastError(ERROR_RESOURCE_DATA_NOT_FOUND);
  return FALSE;
}

BOOL WINAPI VerQueryValueA(LPCVOID block, LPCSTR name, LPVOID* value, PUINT length) {
  note("called", "VerQueryValueA");
  (void)block;
  (void)name;
  if (value != NULL) *value = NULL;
  if (length != NULL) *length = 0;
  return FALSE;
}
