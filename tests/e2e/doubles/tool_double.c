/* Stands in, in an end-to-end test prefix, for a system tool that Plinvo starts ("net.exe",
   "cscript.exe"; TOOL_NAME says which). Appends a line to the file named by PLINVO_TOOL_LOG:
   the tool's name, a tab and its command line exactly as it was handed over. Exits with the
   code that the file named by PLINVO_TOOL_EXIT gives for it on a line "<name> <code>"; with
   no such line, 0. The test can change that file between two starts. */
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <windows.h>

#ifndef TOOL_NAME
#error TOOL_NAME must name the tool
#endif

static unsigned long scripted_exit_code(void)
{
    const char *path = getenv("PLINVO_TOOL_EXIT");
    FILE *f = path != NULL ? fopen(path, "rb") : NULL;
    char line[256];
    unsigned long code = 0;
    size_t name_length = strlen(TOOL_NAME);
    if (f == NULL)
        return 0;
    while (fgets(line, sizeof line, f) != NULL) {
        if (strncmp(line, TOOL_NAME, name_length) == 0 && line[name_length] == ' ')
            code = strtoul(line + name_length + 1, NULL, 10);
    }
    fclose(f);
    return code;
}

int main(void)
{
    const char *log = getenv("PLINVO_TOOL_LOG");
    FILE *f = log != NULL ? fopen(log, "ab") : NULL;
    if (f != NULL) {
        fprintf(f, "%s\t%s\n", TOOL_NAME, GetCommandLineA());
        fclose(f);
    }
    return (int)scripted_exit_code();
}
