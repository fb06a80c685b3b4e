/* A test build of the share service (netapi32.dll), loaded into Plinvo.exe by a DLL override in
   an end-to-end test prefix and never shipped. Wine's own service has no shares and no
   sessions; this one serves them from a text file that the test writes.

   PLINVO_NETAPI_DATA names the file (UTF-8, one record a line, fields split by tabs, any number
   of lines; a file it cannot read whole fails the call with 8, not enough memory, and an
   "error" line in the log):
     share    <name> <path> <current uses> <remark>      (a field "<null>" is a missing text)
     session  <client> <user> <active seconds> <idle seconds>
     result   <NetShareEnum|NetSessionEnum|NetShareAdd|NetShareDel> <code>
     pagesize <records per call>                          (then 234 until the last portion)
   A forced result other than 0 and 234 fails every call of that function. NetShareAdd appends
   a share line and NetShareDel removes one, so a later enumeration sees the change.

   PLINVO_NETAPI_LOG names a file to which every call appends one line (UTF-8, tab-separated):
     NetShareEnum <level> <prefmaxlen> <resume in> <result> <entries read> <buffer id>
     NetSessionEnum <level> <prefmaxlen> <resume in> <result> <entries read> <buffer id>
     NetApiBufferFree <buffer id>
     NetShareDel <name> <result>
     NetShareAdd <level> <name> <type> <remark> <permissions> <max uses> <path> <password> <result>
   Buffer ids count from 1; the test pairs each handed-out buffer with its release. */
#include <stdarg.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <windows.h>

typedef DWORD NET_API_STATUS;

typedef struct {
  LPWSTR netname;
  DWORD type;
  LPWSTR remark;
  DWORD permissions;
  DWORD max_uses;
  DWORD current_uses;
  LPWSTR path;
  LPWSTR passwd;
  DWORD reserved;
  PSECURITY_DESCRIPTOR security_descriptor;
} SHARE_INFO_502;

typedef struct {
  LPWSTR netname;
  DWORD type;
  LPWSTR remark;
  DWORD permissions;
  DWORD max_uses;
  DWORD current_uses;
  LPWSTR path;
  LPWSTR passwd;
} SHARE_INFO_2;

typedef struct {
  LPWSTR cname;
  LPWSTR username;
  DWORD time;
  DWORD idle_time;
} SESSION_INFO_10;

#define MORE_DATA 234
#define NAME_NOT_FOUND 2310
#define DUPLICATE_SHARE 2118
#define INVALID_LEVEL 124
#define MAX_FIELDS 6

/* Every buffer handed out starts with this header; the caller sees what follows it. */
typedef struct {
  DWORD id;
  DWORD magic;
} BufferHeader;
#define BUFFER_MAGIC 0x4E455442u

static CRITICAL_SECTION lock;
static DWORD last_buffer_id;

static const char* data_path(void) { return getenv("PLINVO_NETAPI_DATA"); }

/* ---- the data file ---- */

typedef struct {
  char* fields[MAX_FIELDS];
  int count;
  char* raw; /* the whole line, for writing back */
} Line;

typedef struct {
  Line* items;
  int count;
} Lines;

static void free_lines(Lines* lines) {
  int i;
  for (i = 0; i < lines->count; i++) {
    free(lines->items[i].fields[0]);
    free(lines->items[i].raw);
  }
  free(lines->items);
  lines->items = NULL;
  lines->count = 0;
}

static void log_line(const char* format, ...);

/* Reads every record of the data file, however many (a missing file has none). A file that
   cannot be read whole fails the call and says so in the log, rather than serving a part. */
static NET_API_STATUS read_lines(Lines* lines) {
  const char* path = data_path();
  FILE* f = path != NULL ? fopen(path, "rb") : NULL;
  char *text = NULL, *line, *next;
  long size = -1;
  int capacity = 0;
  lines->items = NULL;
  lines->count = 0;
  if (f == NULL) return 0;
  if (fseek(f, 0, SEEK_END) == 0) size = ftell(f);
  if (size >= 0 && fseek(f, 0, SEEK_SET) == 0) text = (char*)malloc((size_t)size + 1);
  if (text == NULL || fread(text, 1, (size_t)size, f) != (size_t)size) {
    fclose(f);
    free(text);
    log_line("error\tcannot read %s", path);
    return ERROR_NOT_ENOUGH_MEMORY;
  }
  fclose(f);
  text[size] = '\0';
  for (line = text; *line != '\0'; line = next) {
    size_t length;
    char *copy, *field;
    Line* record;
    next = strchr(line, '\n');
    if (next != NULL)
      *next++ = '\0';
    else
      next = line + strlen(line);
    length = strlen(line);
    while (length > 0 && line[length - 1] == '\r') line[--length] = '\0';
    if (length == 0) continue;
    if (lines->count == capacity) {
      Line* grown =
          (Line*)realloc(lines->items, sizeof(Line) * (size_t)(capacity ? capacity * 2 : 256));
      if (grown == NULL) break;
      lines->items = grown;
      capacity = capacity ? capacity * 2 : 256;
    }
    record = &lines->items[lines->count];
    record->raw = _strdup(line);
    copy = _strdup(line);
    if (record->raw == NULL || copy == NULL) {
      free(record->raw);
      free(copy);
      break;
    }
    lines->count++;
    record->count = 0;
    field = copy;
    while (record->count < MAX_FIELDS) {
      char* tab = strchr(field, '\t');
      record->fields[record->count++] = field;
      if (tab == NULL) break;
      *tab = '\0';
      field = tab + 1;
    }
  }
  if (*line != '\0') {
    free(text);
    free_lines(lines);
    log_line("error\tout of memory after reading part of %s", path);
    return ERROR_NOT_ENOUGH_MEMORY;
  }
  free(text);
  return 0;
}

static const char* field(const Line* line, int i) { return i < line->count ? line->fields[i] : ""; }

static int is_kind(const Line* line, const char* kind) { return strcmp(field(line, 0), kind) == 0; }

/* The forced result of a function, or -1. */
static long forced_result(const Line* lines, int n, const char* function) {
  int i;
  for (i = 0; i < n; i++)
    if (is_kind(&lines[i], "result") && strcmp(field(&lines[i], 1), function) == 0)
      return strtol(field(&lines[i], 2), NULL, 10);
  return -1;
}

static DWORD page_size(const Line* lines, int n) {
  int i;
  for (i = 0; i < n; i++)
    if (is_kind(&lines[i], "pagesize")) return (DWORD)strtoul(field(&lines[i], 1), NULL, 10);
  return 0;
}

/* ---- texts ---- */

static char* to_utf8(LPCWSTR text) {
  int length;
  char* utf8;
  if (text == NULL) return _strdup("<null>");
  length = WideCharToMultiByte(CP_UTF8, 0, text, -1, NULL, 0, NULL, NULL);
  utf8 = (char*)calloc((size_t)length + 1, 1);
  WideCharToMultiByte(CP_UTF8, 0, text, -1, utf8, length, NULL, NULL);
  return utf8;
}

/* Units needed for a field's text, terminator included; 0 for a missing text. */
static size_t wide_units(const char* utf8) {
  if (strcmp(utf8, "<null>") == 0) return 0;
  return (size_t)MultiByteToWideChar(CP_UTF8, 0, utf8, -1, NULL, 0);
}

/* Writes a field's text at *cursor and advances it; NULL for a missing text. */
static LPWSTR put_wide(const char* utf8, WCHAR** cursor) {
  size_t units = wide_units(utf8);
  LPWSTR start = *cursor;
  if (units == 0) return NULL;
  MultiByteToWideChar(CP_UTF8, 0, utf8, -1, start, (int)units);
  *cursor += units;
  return start;
}

/* ---- the log ---- */

static void log_line(const char* format, ...) {
  const char* path = getenv("PLINVO_NETAPI_LOG");
  FILE* f;
  va_list args;
  if (path == NULL || (f = fopen(path, "ab")) == NULL) return;
  va_start(args, format);
  vfprintf(f, format, args);
  va_end(args);
  fputc('\n', f);
  fclose(f);
}

/* ---- buffers ---- */

static void* new_buffer(size_t bytes, DWORD* id) {
  BufferHeader* header =
      (BufferHeader*)HeapAlloc(GetProcessHeap(), HEAP_ZERO_MEMORY, sizeof(BufferHeader) + bytes);
  if (header == NULL) return NULL;
  header->id = ++last_buffer_id;
  header->magic = BUFFER_MAGIC;
  *id = header->id;
  return header + 1;
}

NET_API_STATUS WINAPI NetApiBufferFree(LPVOID buffer) {
  BufferHeader* header;
  if (buffer == NULL) return 0;
  header = (BufferHeader*)buffer - 1;
  EnterCriticalSection(&lock);
  if (header->magic != BUFFER_MAGIC) {
    log_line("NetApiBufferFree\tforeign");
    LeaveCriticalSection(&lock);
    return ERROR_INVALID_PARAMETER;
  }
  log_line("NetApiBufferFree\t%lu", (unsigned long)header->id);
  header->magic = 0;
  HeapFree(GetProcessHeap(), 0, header);
  LeaveCriticalSection(&lock);
  return 0;
}

/* ---- enumerations ---- */

typedef size_t (*RecordSize)(const Line* line);
typedef void (*PutRecord)(const Line* line, BYTE* record, WCHAR** texts);

static size_t share_texts(const Line* line) {
  return (wide_units(field(line, 1)) + wide_units(field(line, 2)) + wide_units(field(line, 4))) *
         sizeof(WCHAR);
}

static void put_share(const Line* line, BYTE* record, WCHAR** texts) {
  SHARE_INFO_502* info = (SHARE_INFO_502*)record;
  info->netname = put_wide(field(line, 1), texts);
  info->path = put_wide(field(line, 2), texts);
  info->current_uses = (DWORD)strtoul(field(line, 3), NULL, 10);
  info->remark = put_wide(field(line, 4), texts);
  info->max_uses = (DWORD)-1;
}

static size_t session_texts(const Line* line) {
  return (wide_units(field(line, 1)) + wide_units(field(line, 2))) * sizeof(WCHAR);
}

static void put_session(const Line* line, BYTE* record, WCHAR** texts) {
  SESSION_INFO_10* info = (SESSION_INFO_10*)record;
  info->cname = put_wide(field(line, 1), texts);
  info->username = put_wide(field(line, 2), texts);
  info->time = (DWORD)strtoul(field(line, 3), NULL, 10);
  info->idle_time = (DWORD)strtoul(field(line, 4), NULL, 10);
}

static NET_API_STATUS enumerate(const char* function, const char* kind, DWORD level,
                                DWORD expected_level, size_t record_size, RecordSize texts_size,
                                PutRecord put, LPBYTE* bufptr, DWORD prefmaxlen,
                                LPDWORD entriesread, LPDWORD totalentries, LPDWORD resume_handle) {
  Lines all;
  Line* lines;
  int n, i;
  DWORD total = 0, start, count, page, index, id = 0, resume_in;
  long forced;
  size_t bytes = 0;
  BYTE *buffer, *record;
  WCHAR* texts;
  NET_API_STATUS status;

  EnterCriticalSection(&lock);
  resume_in = resume_handle != NULL ? *resume_handle : 0;
  status = read_lines(&all);
  lines = all.items;
  n = all.count;
  forced = forced_result(lines, n, function);
  if (status != 0) {
    /* the data file could not be read whole: said in the log already */
  } else if (level != expected_level) {
    status = INVALID_LEVEL;
  } else if (forced != -1 && forced != 0 && forced != MORE_DATA) {
    status = (NET_API_STATUS)forced;
  } else {
    status = 0;
  }
  if (status != 0) {
    *entriesread = 0;
    log_line("%s\t%lu\t%lu\t%lu\t%lu\t0\t0", function, (unsigned long)level,
             (unsigned long)prefmaxlen, (unsigned long)resume_in, (unsigned long)status);
    free_lines(&all);
    LeaveCriticalSection(&lock);
    return status;
  }
  for (i = 0; i < n; i++)
    if (is_kind(&lines[i], kind)) total++;
  start = resume_in < total ? resume_in : total;
  page = page_size(lines, n);
  count = total - start;
  if (page != 0 && count > page) count = page;
  for (i = 0, index = 0; i < n; i++) {
    if (!is_kind(&lines[i], kind)) continue;
    if (index >= start && index < start + count) bytes += record_size + texts_size(&lines[i]);
    index++;
  }
  buffer = (BYTE*)new_buffer(bytes, &id);
  record = buffer;
  texts = (WCHAR*)(buffer + record_size * count);
  for (i = 0, index = 0; i < n; i++) {
    if (!is_kind(&lines[i], kind)) continue;
    if (index >= start && index < start + count) {
      put(&lines[i], record, &texts);
      record += record_size;
    }
    index++;
  }
  *bufptr = buffer;
  *entriesread = count;
  *totalentries = total;
  status = start + count < total ? MORE_DATA : 0;
  if (resume_handle != NULL) *resume_handle = status == MORE_DATA ? start + count : 0;
  log_line("%s\t%lu\t%lu\t%lu\t%lu\t%lu\t%lu", function, (unsigned long)level,
           (unsigned long)prefmaxlen, (unsigned long)resume_in, (unsigned long)status,
           (unsigned long)count, (unsigned long)id);
  free_lines(&all);
  LeaveCriticalSection(&lock);
  return status;
}

NET_API_STATUS WINAPI NetShareEnum(LPWSTR servername, DWORD level, LPBYTE* bufptr, DWORD prefmaxlen,
                                   LPDWORD entriesread, LPDWORD totalentries,
                                   LPDWORD resume_handle) {
  (void)servername;
  return enumerate("NetShareEnum", "share", level, 502, sizeof(SHARE_INFO_502), share_texts,
                   put_share, bufptr, prefmaxlen, entriesread, totalentries, resume_handle);
}

NET_API_STATUS WINAPI NetSessionEnum(LPWSTR servername, LPWSTR client, LPWSTR username, DWORD level,
                                     LPBYTE* bufptr, DWORD prefmaxlen, LPDWORD entriesread,
                                     LPDWORD totalentries, LPDWORD resume_handle) {
  (void)servername;
  (void)client;
  (void)username;
  return enumerate("NetSessionEnum", "session", level, 10, sizeof(SESSION_INFO_10), session_texts,
                   put_session, bufptr, prefmaxlen, entriesread, totalentries, resume_handle);
}

/* ---- changes ---- */

static void write_lines(const Line* lines, int n, int skip, const char* append) {
  const char* path = data_path();
  FILE* f = path != NULL ? fopen(path, "wb") : NULL;
  int i;
  if (f == NULL) return;
  for (i = 0; i < n; i++)
    if (i != skip) fprintf(f, "%s\n", lines[i].raw);
  if (append != NULL) fprintf(f, "%s\n", append);
  fclose(f);
}

static int find_share(const Line* lines, int n, const char* name) {
  int i;
  for (i = 0; i < n; i++)
    if (is_kind(&lines[i], "share") && _stricmp(field(&lines[i], 1), name) == 0) return i;
  return -1;
}

NET_API_STATUS WINAPI NetShareDel(LPWSTR servername, LPWSTR netname, DWORD reserved) {
  Lines all;
  Line* lines;
  char* name = to_utf8(netname);
  int n, found;
  long forced;
  NET_API_STATUS status;
  (void)servername;
  (void)reserved;
  EnterCriticalSection(&lock);
  status = read_lines(&all);
  lines = all.items;
  n = all.count;
  forced = forced_result(lines, n, "NetShareDel");
  found = find_share(lines, n, name);
  if (status != 0) {
    /* said in the log already */
  } else if (forced != -1) {
    status = (NET_API_STATUS)forced;
  } else if (found < 0) {
    status = NAME_NOT_FOUND;
  } else {
    write_lines(lines, n, found, NULL);
    status = 0;
  }
  log_line("NetShareDel\t%s\t%lu", name, (unsigned long)status);
  free_lines(&all);
  free(name);
  LeaveCriticalSection(&lock);
  return status;
}

NET_API_STATUS WINAPI NetShareAdd(LPWSTR servername, DWORD level, LPBYTE buf, LPDWORD parm_err) {
  Lines all;
  Line* lines;
  const SHARE_INFO_2* info = (const SHARE_INFO_2*)buf;
  char *name, *remark, *path, *password, *added;
  int n;
  long forced;
  NET_API_STATUS status;
  (void)servername;
  if (parm_err != NULL) *parm_err = 0;
  if (level != 2 || info == NULL) {
    log_line("NetShareAdd\t%lu", (unsigned long)level);
    return INVALID_LEVEL;
  }
  name = to_utf8(info->netname);
  remark = to_utf8(info->remark);
  path = to_utf8(info->path);
  password = to_utf8(info->passwd);
  EnterCriticalSection(&lock);
  status = read_lines(&all);
  lines = all.items;
  n = all.count;
  forced = forced_result(lines, n, "NetShareAdd");
  if (status != 0) {
    /* said in the log already */
  } else if (forced != -1) {
    status = (NET_API_STATUS)forced;
  } else if (find_share(lines, n, name) >= 0) {
    status = DUPLICATE_SHARE;
  } else {
    added = (char*)malloc(strlen(name) + strlen(path) + strlen(remark) + 32);
    sprintf(added, "share\t%s\t%s\t0\t%s", name, path, remark);
    write_lines(lines, n, -1, added);
    free(added);
    status = 0;
  }
  log_line("NetShareAdd\t2\t%s\t%lu\t%s\t%lu\t%lu\t%s\t%s\t%lu", name, (unsigned long)info->type,
           remark, (unsigned long)info->permissions, (unsigned long)info->max_uses, path, password,
           (unsigned long)status);
  free_lines(&all);
  LeaveCriticalSection(&lock);
  free(name);
  free(remark);
  free(path);
  free(password);
  return status;
}

BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID reserved) {
  (void)instance;
  (void)reserved;
  if (reason == DLL_PROCESS_ATTACH)
    InitializeCriticalSection(&lock);
  else if (reason == DLL_PROCESS_DETACH)
    DeleteCriticalSection(&lock);
  return TRUE;
}
