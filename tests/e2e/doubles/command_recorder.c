/* Stands in, in a test prefix, for a program whose starts a test watches (sc, net, cscript,
   myright, a planted C:\Program.exe): copies of this one program are placed under those names,
   and it goes by the name of its own file ("net" for ...\net.exe).

   Appends one line to the file named by RECORDER_LOG: its own file path, a tab, and its command
   line exactly as it was handed over. Exits with the code that the file named by RECORDER_EXIT
   gives for its name on a line "<name> <code>"; with no such line, 0. The test can change that
   file between two starts. The file named by RECORDER_DELAY works the same way and gives the
   milliseconds to take before ending, so that a test can act while the program waits.

   When RECORDER_TIMES is set, it appends to that file, as it ends, its name, the system time
   at which its process was created and the time now (microseconds), so that a benchmark can
   take the time the tools took off the time a program took to start.

   When RECORDER_SCRIPT_COPY is set and the first argument names a readable file, that file's
   bytes are appended to RECORDER_SCRIPT_COPY, so the test sees a script that is deleted
   afterwards. When RECORDER_FOLDER_SWAP is set, it also plays an ordinary program that tries to
   move that file's folder away (to put a folder of its own in its place) and appends "moved" or
   "refused" to that file; a folder it moved is moved back.

   As "net", a successful "net share NAME=PATH ..." also appends "share NAME PATH 0 (empty
   remark)" to the share service double's data file (PLINVO_NETAPI_DATA, see netapi32.c), so
   that the program's next enumeration lists the new share as it would on the system. The name
   and path are the arguments as the C runtime splits them, which is how net reads them. */
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <windows.h>

/* The file name without folder and extension: "net" for C:\windows\system32\net.exe. */
static void own_name(const char* path, char* name, size_t size) {
  const char* base = strrchr(path, '\\');
  char* dot;
  lstrcpynA(name, base != NULL ? base + 1 : path, (int)size);
  dot = strrchr(name, '.');
  if (dot != NULL) *dot = '\0';
}

static unsigned long scripted_number(const char* variable, const char* name) {
  const char* path = getenv(variable);
  FILE* f = path != NULL ? fopen(path, "rb") : NULL;
  char line[256];
  unsigned long code = 0;
  size_t name_length = strlen(name);
  if (f == NULL) return 0;
  while (fgets(line, sizeof line, f) != NULL) {
    if (_strnicmp(line, name, name_length) == 0 && line[name_length] == ' ')
      code = strtoul(line + name_length + 1, NULL, 10);
  }
  fclose(f);
  return code;
}

static void copy_script(const char* script) {
  const char* copy = getenv("RECORDER_SCRIPT_COPY");
  FILE* in = copy != NULL ? fopen(script, "rb") : NULL;
  FILE* out = in != NULL ? fopen(copy, "ab") : NULL;
  if (in != NULL && out != NULL) {
    char buffer[4096];
    size_t n;
    while ((n = fread(buffer, 1, sizeof buffer, in)) > 0) fwrite(buffer, 1, n, out);
  }
  if (out != NULL) fclose(out);
  if (in != NULL) fclose(in);
}

static void try_folder_swap(const char* script) {
  const char* swap = getenv("RECORDER_FOLDER_SWAP");
  const DWORD attributes = GetFileAttributesA(script);
  char folder[MAX_PATH + 1] = {0};
  char away[MAX_PATH + 16] = {0};
  char* slash;
  BOOL moved;
  FILE* f;
  if (swap == NULL || attributes == INVALID_FILE_ATTRIBUTES ||
      (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0)
    return;
  lstrcpynA(folder, script, MAX_PATH);
  slash = strrchr(folder, '\\');
  if (slash != NULL) *slash = '\0';
  lstrcpyA(away, folder);
  lstrcatA(away, "-swapped");
  moved = MoveFileA(folder, away);
  if (moved) MoveFileA(away, folder);
  f = fopen(swap, "ab");
  if (f != NULL) {
    fprintf(f, "%s\n", moved ? "moved" : "refused");
    fclose(f);
  }
}

static void record_new_share(int argc, char** argv) {
  const char* data = getenv("PLINVO_NETAPI_DATA");
  const char* equals;
  FILE* f;
  if (data == NULL || argc < 3 || _stricmp(argv[1], "share") != 0) return;
  equals = strchr(argv[2], '=');
  if (equals == NULL || equals == argv[2] || (f = fopen(data, "ab")) == NULL) return;
  fprintf(f, "share\t%.*s\t%s\t0\t\n", (int)(equals - argv[2]), argv[2], equals + 1);
  fclose(f);
}

static unsigned long long microseconds(const FILETIME* time) {
  return (((unsigned long long)time->dwHighDateTime << 32) | time->dwLowDateTime) / 10;
}

static void record_times(const char* name) {
  const char* path = getenv("RECORDER_TIMES");
  FILETIME created, ended, kernel, user, now;
  FILE* f;
  if (path == NULL || !GetProcessTimes(GetCurrentProcess(), &created, &ended, &kernel, &user))
    return;
  GetSystemTimeAsFileTime(&now);
  f = fopen(path, "ab");
  if (f == NULL) return;
  fprintf(f, "%s %llu %llu\n", name, microseconds(&created), microseconds(&now));
  fclose(f);
}

int main(int argc, char** argv) {
  const char* log = getenv("RECORDER_LOG");
  char self[MAX_PATH + 1] = {0};
  char name[MAX_PATH + 1] = {0};
  unsigned long code;
  GetModuleFileNameA(NULL, self, MAX_PATH);
  own_name(self, name, sizeof name);
  code = scripted_number("RECORDER_EXIT", name);
  if (log != NULL) {
    FILE* f = fopen(log, "ab");
    if (f != NULL) {
      fprintf(f, "%s\t%s\n", self, GetCommandLineA());
      fclose(f);
    }
  }
  if (argc > 1) {
    copy_script(argv[1]);
    try_folder_swap(argv[1]);
  }
  Sleep(scripted_number("RECORDER_DELAY", name));
  if (code == 0 && _stricmp(name, "net") == 0) record_new_share(argc, argv);
  record_times(name);
  return (int)code;
}
