/* Loads a rich-text file into a RichEdit 2.0 control the way the description area does
   (EM_STREAMIN with SF_RTF) and prints the plain text the control then holds, so that a
   test sees what a user would read. Exit code: 0 loaded, 2 cannot open the file, 3 the
   control reported a stream error (the content is not RTF), 4 no control. */
#define _WIN32_WINNT 0x0501
#define WINVER 0x0501
#include <richedit.h>
#include <stdio.h>
#include <windows.h>

static DWORD CALLBACK ReadFromFile(DWORD_PTR cookie, LPBYTE buffer, LONG size, LONG* read) {
  *read = (LONG)fread(buffer, 1, (size_t)size, (FILE*)cookie);
  return 0;
}

int main(int argc, char** argv) {
  if (argc != 2) {
    fprintf(stderr, "usage: rtf_probe file.rtf\n");
    return 1;
  }
  FILE* file = fopen(argv[1], "rb");
  if (file == NULL) return 2;
  HMODULE riched = LoadLibraryA("riched20.dll");
  HWND edit = CreateWindowExA(0, RICHEDIT_CLASSA, "", WS_POPUP | ES_MULTILINE | ES_READONLY, 0, 0,
                              729, 249, NULL, NULL, GetModuleHandleA(NULL), NULL);
  if (riched == NULL || edit == NULL) {
    fclose(file);
    return 4;
  }
  EDITSTREAM stream = {(DWORD_PTR)file, 0, ReadFromFile};
  SendMessageA(edit, EM_STREAMIN, SF_RTF, (LPARAM)&stream);
  fclose(file);
  int result = 0;
  if (stream.dwError != 0) {
    result = 3;
  } else {
    int length = GetWindowTextLengthA(edit);
    char* text = (char*)calloc((size_t)length + 1, 1);
    if (text != NULL) {
      GetWindowTextA(edit, text, length + 1);
      fputs(text, stdout);
      free(text);
    }
  }
  DestroyWindow(edit);
  FreeLibrary(riched);
  return result;
}
