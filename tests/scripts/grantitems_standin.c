/* Stands in for grantitems.exe in a test prefix: appends its arguments, joined by '|', as one
   line to the file named by GRANT_STANDIN_LOG and exits with the code in GRANT_STANDIN_EXIT
   (0 when unset). */
#include <stdio.h>
#include <stdlib.h>

int main(int argc, char** argv) {
  const char* log = getenv("GRANT_STANDIN_LOG");
  const char* code = getenv("GRANT_STANDIN_EXIT");
  if (log != NULL) {
    FILE* f = fopen(log, "a");
    if (f != NULL) {
      for (int i = 1; i < argc; ++i) fprintf(f, "%s%s", i > 1 ? "|" : "", argv[i]);
      fputs("\n", f);
      fclose(f);
    }
  }
  return code != NULL ? atoi(code) : 0;
}
