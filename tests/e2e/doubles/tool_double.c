/* Stands in, in an end-to-end test prefix, for a system tool that Plinvo starts ("net.exe",
   "cscript.exe"; TOOL_NAME says which). Appends a line to the file named by PLINVO_TOOL_LOG:
   the tool's name, a tab and its command line exactly as it was handed over. Exits with the
   code that the file named by PLINVO_TOOL_EXIT gives for it on a line "<name> <code>"; with
   no such line, 0. The test can change that file between two starts.

   As "net", a successful "net share NAME=PATH ..." also appends "share NAME PATH 0 (empty
   remark)" to the share service double's data file (PLINVO_NETAPI_DATA, see netapi32.c), so
   that the program's next enumeration lists the new share as it would on the system. The name
   and path are the arguments as the C runtime splits them, which is how net reads them. */
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <windows.h>

#ifndef TOOL_NAME
#error TOOL_NAME must name the tool
#endif

static unsigned long scripted_exit_code(void) {
  const char* path = getenv("PLINVO_TOOL_EXIT");
  FILE* f = path != NULL ? fopen(path, "rb") : NULL;
  char line[256];
  unsigned long code = 0;
  size_t name_length = strlen(TOOL_NAME);
  if (f == NULL) return 0;
  while (fgets(line, sizeof line, f) != NULL) {
    if (strncmp(line, TOOL_NAME, name_length) == 0 && line[name_length] == ' ')
      code = strtoul(line + name_length + 1, NULL, 10);
  }
  fclose(f);
  return code;
}

static void record_new_share(int argc, char** argv) {
  const char* data = getenv("PLINVO_NETAPI_DATA");
  const char* equals;
  FILE* f;
  if (strcmp(TOOL_NAME, "net") != 0 || data == NULL || argc < 3 || _stricmp(argv[1], "share") != 0)
    return;
  equals = strchr(argv[2], '=');
  if (equals == NULL || equals == argv[2] || (f = fopen(data, "ab")) == NULL) return;
  fprintf(f, "share\t%.*s\t%s\t0\t\n", (int)(equals - argv[2]), argv[2], equals + 1);
  fclose(f);
}

int main(int argc, char** argv) {
  const char* log = getenv("PLINVO_TOOL_LOG");
  FILE* f = log != NULL ? fopen(log, "ab") : NULL;
  unsigned long code = scripted_exit_code();
  if (f != NULL) {
    fprintf(f, "%s\t%s\n", TOOL_NAME, GetCommandLineA());
    fclose(f);
  }
  if (code == 0) record_new_share(argc, argv);
  return (int)code;
}
