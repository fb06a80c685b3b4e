/* Stands in, in a test prefix, for a program whose starts a test watches (sc, net, cscript,
   myright, a planted C:\Program.exe). Appends one line to the file named by RECORDER_LOG: its
   own file name, a tab, and its command line exactly as it was handed over. When
   RECORDER_SCRIPT_COPY is set and the first argument names a readable file, that file's bytes
   are appended to RECORDER_SCRIPT_COPY, so the test sees a script that is deleted afterwards.
   Always exits with 0. */
#include <stdio.h>
#include <stdlib.h>
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
  return 0;
}
