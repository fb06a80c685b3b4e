/* Stands in, in a test prefix, for a program whose starts a test watches (sc, net, cscript,
   myright, a planted C:\Program.exe). Appends one line to the file named by RECORDER_LOG: its
   own file name, a tab, and its command line exactly as it was handed over. When
   RECORDER_SCRIPT_COPY is set and the first argument names a readable file, that file's bytes
   are appended to RECORDER_SCRIPT_COPY, so the test sees a script that is deleted afterwards.
   When RECORDER_FOLDER_SWAP is set, it also plays an ordinary program that tries to move that
   file's folder away (to put a folder of its own in its place) and appends "moved" or "refused"
   to that file; a folder it moved is moved back. Always exits with 0. */
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <windows.h>

int main(int argc, char** argv) {
  const char* log = getenv("RECORDER_LOG");
  const char* copy = getenv("RECORDER_SCRIPT_COPY");
  char self[MAX_PATH + 1] = {0};
  GetModuleFileNameA(NULL, self, MAX_PATH);
  if (log != NULL) {
    FILE* f = fopen(log, "ab");
    if (f != NULL) {
      fprintf(f, "%s\t%s\n", self, GetCommandLineA());
      fclose(f);
    }
  }
  if (copy != NULL && argc > 1) {
    FILE* in = fopen(argv[1], "rb");
    FILE* out = in != NULL ? fopen(copy, "ab") : NULL;
    if (in != NULL && out != NULL) {
      char buffer[4096];
      size_t n;
      while ((n = fread(buffer, 1, sizeof buffer, in)) > 0) fwrite(buffer, 1, n, out);
    }
    if (out != NULL) fclose(out);
    if (in != NULL) fclose(in);
  }
  const char* swap = getenv("RECORDER_FOLDER_SWAP");
  const DWORD attributes = argc > 1 ? GetFileAttributesA(argv[1]) : INVALID_FILE_ATTRIBUTES;
  if (swap != NULL && attributes != INVALID_FILE_ATTRIBUTES &&
      (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0) {
    char folder[MAX_PATH + 1] = {0};
    char away[MAX_PATH + 16] = {0};
    lstrcpynA(folder, argv[1], MAX_PATH);
    char* slash = strrchr(folder, '\\');
    if (slash != NULL) *slash = '\0';
    lstrcpyA(away, folder);
    lstrcatA(away, "-swapped");
    const BOOL moved = MoveFileA(folder, away);
    if (moved) MoveFileA(away, folder);
    FILE* f = fopen(swap, "ab");
    if (f != NULL) {
      fprintf(f, "%s\n", moved ? "moved" : "refused");
      fclose(f);
    }
  }
  return 0;
}
