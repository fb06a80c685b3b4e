/* A test build of the share service (netapi32.dll), loaded into Plinvo.exe by a DLL override in
   an end-to-end test prefix and never shipped. Wine's own service has no shares and no
   sessions; this one serves them from a text file that the test writes.

   PLINVO_NETAPI_DATA names the file (UTF-8, one record a line, fields split by tabs, any number
   of lines; a file it cannot read whole fails the call with 8, not enough memory, and an
   "error" line in the log):
     share    <name> <path> <current uses> <remark>      (a field "<null>" is a missing text)
     session  <client> <user> <active seconds> <idle seconds>
     file     <id> <path> <user> <locks> <permissions>
     shareacl <share> <SID text> <allow|deny> <access mask>   (the share's access list, in order;
                                                             a share without one has none)
     user     <name> <flags>                                  (NetUserGetInfo level 1)
     statistics <start> <password errors> <permission errors> <sessions opened>
                                (the server's counts; without this line every count is 0)
     result   <function name> <code>
     pagesize <records per call>                          (then 234 until the last portion)
   A forced result other than 0 and 234 fails every call of that function. NetShareAdd appends
   a share line and NetShareDel removes one, NetSessionDel the sessions of that client (with or
   without leading backslashes) and user (no user: all of them), NetFileClose the file of that id, so a later
   enumeration sees the change.

   PLINVO_NETAPI_LOG names a file to which every call appends one line (UTF-8, tab-separated):
     NetShareEnum <level> <prefmaxlen> <resume in> <result> <entries read> <buffer id>
     NetSessionEnum <level> <prefmaxlen> <resume in> <result> <entries read> <buffer id>
     NetApiBufferFree <buffer id>
     NetShareDel <name> <result>
     NetShareAdd <level> <name> <type> <remark> <permissions> <max uses> <path> <password> <result>
     NetFileEnum <level> <prefmaxlen> <resume in> <result> <entries read> <buffer id>
     NetSessionDel <client> <user> <result>
     NetFileClose <id> <result>
     NetShareGetInfo <name> <level> <result> <buffer id>
     NetUserGetInfo <name> <level> <result> <buffer id>
     NetStatisticsGet <service> <level> <result> <buffer id>
   Buffer ids count from 1; the test pairs each handed-out buffer with its release. */
#include <stdarg.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <windows.h>
#include <sddl.h>

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

typedef struct {
  DWORD id;
  DWORD permissions;
  DWORD num_locks;
  LPWSTR pathname;
  LPWSTR username;
} FILE_INFO_3;

typedef struct {
  LPWSTR name;
  LPWSTR password;
  DWORD password_age;
  DWORD priv;
  LPWSTR home_dir;
  LPWSTR comment;
  DWORD flags;
  LPWSTR script_path;
} USER_INFO_1;

#define MORE_DATA 234
#define CLIENT_NOT_FOUND 2312
#define FILE_ID_NOT_FOUND 2314
#define USER_NOT_FOUND 2221
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

static size_t file_texts(const Line* line) {
  return (wide_units(field(line, 2)) + wide_units(field(line, 3))) * sizeof(WCHAR);
}

static void put_file(const Line* line, BYTE* record, WCHAR** texts) {
  FILE_INFO_3* info = (FILE_INFO_3*)record;
  info->id = (DWORD)strtoul(field(line, 1), NULL, 10);
  info->pathname = put_wide(field(line, 2), texts);
  info->username = put_wide(field(line, 3), texts);
  info->num_locks = (DWORD)strtoul(field(line, 4), NULL, 10);
  info->permissions = (DWORD)strtoul(field(line, 5), NULL, 10);
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

NET_API_STATUS WINAPI NetFileEnum(LPWSTR servername, LPWSTR basepath, LPWSTR username, DWORD level,
                                  LPBYTE* bufptr, DWORD prefmaxlen, LPDWORD entriesread,
                                  LPDWORD totalentries, PDWORD_PTR resume_handle) {
  DWORD resume = resume_handle != NULL ? (DWORD)*resume_handle : 0;
  NET_API_STATUS status;
  (void)servername;
  (void)basepath;
  (void)username;
  status = enumerate("NetFileEnum", "file", level, 3, sizeof(FILE_INFO_3), file_texts, put_file,
                     bufptr, prefmaxlen, entriesread, totalentries, &resume);
  if (resume_handle != NULL) *resume_handle = resume;
  return status;
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

/* Removes every line of that kind whose fields match; returns how many went. */
static int remove_matching(Line* lines, int n, const char* kind, int (*matches)(const Line*, const void*),
                           const void* context) {
  const char* path = data_path();
  FILE* f = path != NULL ? fopen(path, "wb") : NULL;
  int i, removed = 0;
  if (f == NULL) return 0;
  for (i = 0; i < n; i++) {
    if (is_kind(&lines[i], kind) && matches(&lines[i], context)) {
      removed++;
      continue;
    }
    fprintf(f, "%s\n", lines[i].raw);
  }
  fclose(f);
  return removed;
}

typedef struct {
  const char* client;
  const char* user;
} SessionKey;

static int session_matches(const Line* line, const void* context) {
  const SessionKey* key = (const SessionKey*)context;
  const char* client = key->client;
  const char* listed = field(line, 1);
  while (*client == '\\') client++;
  while (*listed == '\\') listed++;
  return _stricmp(listed, client) == 0 &&
         (key->user == NULL || _stricmp(field(line, 2), key->user) == 0);
}

static int file_matches(const Line* line, const void* context) {
  return strtoul(field(line, 1), NULL, 10) == *(const DWORD*)context;
}

NET_API_STATUS WINAPI NetSessionDel(LPWSTR servername, LPWSTR client, LPWSTR username) {
  Lines all;
  Line* lines;
  NET_API_STATUS read_status;
  SessionKey key;
  char* client_text = to_utf8(client);
  char* user_text = to_utf8(username);
  int n;
  long forced;
  NET_API_STATUS status;
  (void)servername;
  key.client = client_text;
  key.user = username != NULL ? user_text : NULL; /* none: every session of that computer */
  EnterCriticalSection(&lock);
  read_status = read_lines(&all);
  lines = all.items;
  n = all.count;
  forced = forced_result(lines, n, "NetSessionDel");
  if (read_status != 0)
    status = read_status;
  else if (forced != -1)
    status = (NET_API_STATUS)forced;
  else
    status = remove_matching(lines, n, "session", session_matches, &key) > 0 ? 0 : CLIENT_NOT_FOUND;
  log_line("NetSessionDel\t%s\t%s\t%lu", client_text, user_text, (unsigned long)status);
  free_lines(&all);
  LeaveCriticalSection(&lock);
  free(client_text);
  free(user_text);
  return status;
}

NET_API_STATUS WINAPI NetFileClose(LPWSTR servername, DWORD fileid) {
  Lines all;
  Line* lines;
  NET_API_STATUS read_status;
  int n;
  long forced;
  NET_API_STATUS status;
  (void)servername;
  EnterCriticalSection(&lock);
  read_status = read_lines(&all);
  lines = all.items;
  n = all.count;
  forced = forced_result(lines, n, "NetFileClose");
  if (read_status != 0)
    status = read_status;
  else if (forced != -1)
    status = (NET_API_STATUS)forced;
  else
    status = remove_matching(lines, n, "file", file_matches, &fileid) > 0 ? 0 : FILE_ID_NOT_FOUND;
  log_line("NetFileClose\t%lu\t%lu", (unsigned long)fileid, (unsigned long)status);
  free_lines(&all);
  LeaveCriticalSection(&lock);
  return status;
}

/* The share's access list from its "shareacl" lines, built in `space` (an absolute descriptor
   followed by its list); NULL when the share has none. */
static PSECURITY_DESCRIPTOR build_descriptor(const Line* lines, int n, const char* share, BYTE* space,
                                             size_t size) {
  SECURITY_DESCRIPTOR* descriptor = (SECURITY_DESCRIPTOR*)space;
  ACL* acl = (ACL*)(space + sizeof(SECURITY_DESCRIPTOR));
  int i, entries = 0;
  if (!InitializeSecurityDescriptor(descriptor, SECURITY_DESCRIPTOR_REVISION) ||
      !InitializeAcl(acl, (DWORD)(size - sizeof(SECURITY_DESCRIPTOR)), ACL_REVISION))
    return NULL;
  for (i = 0; i < n; i++) {
    PSID sid = NULL;
    DWORD mask;
    if (!is_kind(&lines[i], "shareacl") || _stricmp(field(&lines[i], 1), share) != 0) continue;
    if (!ConvertStringSidToSidA(field(&lines[i], 2), &sid)) continue;
    mask = (DWORD)strtoul(field(&lines[i], 4), NULL, 0);
    if (strcmp(field(&lines[i], 3), "deny") == 0)
      AddAccessDeniedAce(acl, ACL_REVISION, mask, sid);
    else
      AddAccessAllowedAce(acl, ACL_REVISION, mask, sid);
    LocalFree(sid);
    entries++;
  }
  if (entries == 0 || !SetSecurityDescriptorDacl(descriptor, TRUE, acl, FALSE)) return NULL;
  return descriptor;
}

NET_API_STATUS WINAPI NetShareGetInfo(LPWSTR servername, LPWSTR netname, DWORD level,
                                      LPBYTE* bufptr) {
  Lines all;
  Line* lines;
  NET_API_STATUS read_status;
  char* name = to_utf8(netname);
  int n, found;
  long forced;
  DWORD id = 0;
  NET_API_STATUS status;
  (void)servername;
  EnterCriticalSection(&lock);
  read_status = read_lines(&all);
  lines = all.items;
  n = all.count;
  forced = forced_result(lines, n, "NetShareGetInfo");
  found = find_share(lines, n, name);
  if (read_status != 0) {
    status = read_status;
  } else if (level != 502) {
    status = INVALID_LEVEL;
  } else if (forced != -1) {
    status = (NET_API_STATUS)forced;
  } else if (found < 0) {
    status = NAME_NOT_FOUND;
  } else {
    const size_t security = 4096;
    BYTE* buffer = (BYTE*)new_buffer(sizeof(SHARE_INFO_502) + share_texts(&lines[found]) + security,
                                     &id);
    WCHAR* texts = (WCHAR*)(buffer + sizeof(SHARE_INFO_502));
    BYTE* space;
    SHARE_INFO_502* info = (SHARE_INFO_502*)buffer;
    put_share(&lines[found], buffer, &texts);
    space = (BYTE*)(((ULONG_PTR)texts + 7) & ~(ULONG_PTR)7);
    info->type = 0;
    info->security_descriptor = build_descriptor(lines, n, name, space, security - 8);
    *bufptr = buffer;
    status = 0;
  }
  log_line("NetShareGetInfo\t%s\t%lu\t%lu\t%lu", name, (unsigned long)level,
           (unsigned long)status, (unsigned long)id);
  free_lines(&all);
  LeaveCriticalSection(&lock);
  free(name);
  return status;
}

NET_API_STATUS WINAPI NetUserGetInfo(LPCWSTR servername, LPCWSTR username, DWORD level,
                                     LPBYTE* bufptr) {
  Lines all;
  Line* lines;
  NET_API_STATUS read_status;
  char* name = to_utf8(username);
  int n, i;
  DWORD id = 0;
  NET_API_STATUS status = USER_NOT_FOUND;
  (void)servername;
  EnterCriticalSection(&lock);
  read_status = read_lines(&all);
  lines = all.items;
  n = all.count;
  for (i = 0; i < n && level == 1; i++) {
    if (is_kind(&lines[i], "user") && _stricmp(field(&lines[i], 1), name) == 0) {
      USER_INFO_1* info = (USER_INFO_1*)new_buffer(sizeof(USER_INFO_1), &id);
      info->flags = (DWORD)strtoul(field(&lines[i], 2), NULL, 0);
      *bufptr = (LPBYTE)info;
      status = 0;
      break;
    }
  }
  if (level != 1) status = INVALID_LEVEL;
  if (read_status != 0) status = read_status;
  log_line("NetUserGetInfo\t%s\t%lu\t%lu\t%lu", name, (unsigned long)level,
           (unsigned long)status, (unsigned long)id);
  free_lines(&all);
  LeaveCriticalSection(&lock);
  free(name);
  return status;
}

/* The leading fields of STAT_SERVER_0; the rest stay 0. */
typedef struct {
  DWORD start, fopens, devopens, jobsqueued, sopens, stimedout, serrorout, pwerrors, permerrors;
  DWORD rest[8];
} STAT_SERVER_0;

NET_API_STATUS WINAPI NetStatisticsGet(LPWSTR servername, LPWSTR service, DWORD level,
                                       DWORD options, LPBYTE* bufptr) {
  Lines all;
  NET_API_STATUS status;
  char* name = to_utf8(service);
  long forced;
  int i;
  DWORD id = 0;
  (void)servername;
  (void)options;
  EnterCriticalSection(&lock);
  status = read_lines(&all);
  forced = forced_result(all.items, all.count, "NetStatisticsGet");
  if (status == 0 && (level != 0 || strcmp(name, "LanmanServer") != 0)) status = INVALID_LEVEL;
  if (status == 0 && forced != -1) status = (NET_API_STATUS)forced;
  if (status == 0) {
    STAT_SERVER_0* info = (STAT_SERVER_0*)new_buffer(sizeof(STAT_SERVER_0), &id);
    for (i = 0; i < all.count; i++) {
      const Line* line = &all.items[i];
      if (!is_kind(line, "statistics")) continue;
      info->start = (DWORD)strtoul(field(line, 1), NULL, 10);
      info->pwerrors = (DWORD)strtoul(field(line, 2), NULL, 10);
      info->permerrors = (DWORD)strtoul(field(line, 3), NULL, 10);
      info->sopens = (DWORD)strtoul(field(line, 4), NULL, 10);
    }
    *bufptr = (LPBYTE)info;
  }
  log_line("NetStatisticsGet\t%s\t%lu\t%lu\t%lu", name, (unsigned long)level,
           (unsigned long)status, (unsigned long)id);
  free_lines(&all);
  LeaveCriticalSection(&lock);
  free(name);
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
