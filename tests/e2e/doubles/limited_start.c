/* Starts the command line it is given with the limited token linked to its own, as Windows
   starts a program that is not elevated for an administrator, and ends without waiting. Exits
   with 0 once the program runs with a token that is not elevated, 2 when the system gave it an
   elevated one, 1 when it could not be started. */
/* The linked token came with Vista. */
#undef _WIN32_WINNT
#define _WIN32_WINNT 0x0600
#include <windows.h>

static int started_not_elevated(HANDLE process) {
  HANDLE token = NULL;
  TOKEN_ELEVATION elevation = {0};
  DWORD size = 0;
  BOOL read;
  if (!OpenProcessToken(process, TOKEN_QUERY, &token)) return 0;
  read = GetTokenInformation(token, TokenElevation, &elevation, sizeof(elevation), &size);
  CloseHandle(token);
  return read && !elevation.TokenIsElevated;
}

int main(void) {
  HANDLE own = NULL, linked = NULL, primary = NULL;
  TOKEN_LINKED_TOKEN link = {0};
  DWORD size = 0;
  STARTUPINFOA startup;
  PROCESS_INFORMATION started = {0};
  /* The command line after this program's own (quoted) name. */
  char* rest = GetCommandLineA();
  int code = 1;
  if (*rest == '"') {
    rest = strchr(rest + 1, '"');
    rest = rest != NULL ? rest + 1 : GetCommandLineA() + lstrlenA(GetCommandLineA());
  } else {
    while (*rest != '\0' && *rest != ' ') ++rest;
  }
  while (*rest == ' ') ++rest;
  ZeroMemory(&startup, sizeof(startup));
  startup.cb = sizeof(startup);

  if (!OpenProcessToken(GetCurrentProcess(), TOKEN_QUERY, &own)) return 1;
  if (GetTokenInformation(own, TokenLinkedToken, &link, sizeof(link), &size))
    linked = link.LinkedToken;
  CloseHandle(own);
  if (linked == NULL) return 1;
  if (DuplicateTokenEx(linked, MAXIMUM_ALLOWED, NULL, SecurityImpersonation, TokenPrimary,
                       &primary) &&
      CreateProcessAsUserA(primary, NULL, rest, NULL, NULL, FALSE, 0, NULL, NULL, &startup,
                           &started)) {
    code = started_not_elevated(started.hProcess) ? 0 : 2;
    CloseHandle(started.hThread);
    CloseHandle(started.hProcess);
  }
  if (primary != NULL) CloseHandle(primary);
  CloseHandle(linked);
  return code;
}
