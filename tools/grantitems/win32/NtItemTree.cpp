#include "tools/grantitems/win32/NtItemTree.h"

#include <aclapi.h>
#include <winternl.h>

namespace grantitems {

namespace {

// From the driver kit's headers, which the program is not built with.
constexpr ULONG kFileIdBothDirectoryInformation = 37;
constexpr ULONG kOpenForBackupIntent = 0x00004000;  // FILE_OPEN_FOR_BACKUP_INTENT
constexpr ULONG kOpenReparsePoint = 0x00200000;     // FILE_OPEN_REPARSE_POINT
constexpr ULONG kSynchronousIo = 0x00000020;        // FILE_SYNCHRONOUS_IO_NONALERT
constexpr ULONG kCaseInsensitive = 0x00000040;      // OBJ_CASE_INSENSITIVE
constexpr NTSTATUS kNoMoreFiles = static_cast<NTSTATUS>(0x80000006L);

struct FileIdBothDirInformation {
  ULONG NextEntryOffset;
  ULONG FileIndex;
  LARGE_INTEGER CreationTime;
  LARGE_INTEGER LastAccessTime;
  LARGE_INTEGER LastWriteTime;
  LARGE_INTEGER ChangeTime;
  LARGE_INTEGER EndOfFile;
  LARGE_INTEGER AllocationSize;
  ULONG FileAttributes;
  ULONG FileNameLength;
  ULONG EaSize;
  CCHAR ShortNameLength;
  WCHAR ShortName[12];
  LARGE_INTEGER FileId;
  WCHAR FileName[1];
};

using NtOpenFileCall = NTSTATUS(NTAPI*)(PHANDLE, ACCESS_MASK, POBJECT_ATTRIBUTES, PIO_STATUS_BLOCK,
                                        ULONG, ULONG);
using NtQueryDirectoryFileCall = NTSTATUS(NTAPI*)(HANDLE, HANDLE, PVOID, PVOID, PIO_STATUS_BLOCK,
                                                  PVOID, ULONG, ULONG, BOOLEAN, PUNICODE_STRING,
                                                  BOOLEAN);
using RtlNtStatusToDosErrorCall = ULONG(NTAPI*)(NTSTATUS);

class HandleItem : public OpenItem {
 public:
  explicit HandleItem(HANDLE handle) : handle(handle) {}
  ~HandleItem() override { CloseHandle(handle); }
  HandleItem(const HandleItem&) = delete;
  HandleItem& operator=(const HandleItem&) = delete;
  const HANDLE handle;
};

HANDLE HandleOf(OpenItem& item) { return static_cast<HandleItem&>(item).handle; }

class LocalMemory {
 public:
  ~LocalMemory() {
    if (memory_ != nullptr) LocalFree(memory_);
  }
  PACL* ReceiveAcl() { return reinterpret_cast<PACL*>(&memory_); }
  PACL Acl() const { return static_cast<PACL>(memory_); }

 private:
  HLOCAL memory_ = nullptr;
};

template <class Call>
Call As(FARPROC procedure) {
  return reinterpret_cast<Call>(reinterpret_cast<void (*)()>(procedure));
}

ACCESS_MASK AccessFor(Purpose purpose) {
  const ACCESS_MASK look = FILE_READ_ATTRIBUTES | SYNCHRONIZE;
  const ACCESS_MASK pass = look | FILE_LIST_DIRECTORY | FILE_TRAVERSE;
  const ACCESS_MASK grant = READ_CONTROL | WRITE_DAC;
  switch (purpose) {
    case Purpose::kPass:
      return pass;
    case Purpose::kFolder:
      return pass | grant;
    case Purpose::kFile:
      break;
  }
  return look | grant;
}

// The names the system hands out hold UTF-16 units, as char16_t does.
UNICODE_STRING CountedName(const std::u16string& name) {
  UNICODE_STRING counted;
  counted.Buffer = const_cast<PWSTR>(reinterpret_cast<const WCHAR*>(name.c_str()));
  counted.Length = static_cast<USHORT>(name.size() * sizeof(WCHAR));
  counted.MaximumLength = counted.Length;
  return counted;
}

}  // namespace

bool NtItemTree::Load() {
  // Every process has ntdll mapped from the system folder before any of its own code runs.
  const HMODULE ntdll = GetModuleHandleW(L"ntdll.dll");
  if (ntdll == nullptr) return false;
  openFile_ = GetProcAddress(ntdll, "NtOpenFile");
  queryDirectory_ = GetProcAddress(ntdll, "NtQueryDirectoryFile");
  statusToError_ = GetProcAddress(ntdll, "RtlNtStatusToDosError");
  return openFile_ != nullptr && queryDirectory_ != nullptr && statusToError_ != nullptr;
}

SystemError NtItemTree::OpenDrive(char16_t letter, Purpose purpose,
                                  std::unique_ptr<OpenItem>& root) {
  const WCHAR path[] = {L'\\', L'\\', L'?', L'\\', static_cast<WCHAR>(letter), L':', L'\\', 0};
  const HANDLE handle = CreateFileW(
      path, AccessFor(purpose), FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
      OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS | FILE_FLAG_OPEN_REPARSE_POINT, nullptr);
  if (handle == INVALID_HANDLE_VALUE) return GetLastError();
  root.reset(new HandleItem(handle));
  return 0;
}

SystemError NtItemTree::Query(HANDLE folder, const std::u16string* name,
                              std::vector<ListedItem>& items) {
  // Room for a few hundred entries a call; a listing that changes meanwhile is checked item by
  // item when the entries are opened. Entries are aligned to 8 bytes, as the heap's blocks are.
  if (buffer_.empty()) buffer_.resize(64 * 1024);
  unsigned char* const buffer = buffer_.data();
  UNICODE_STRING mask = name != nullptr ? CountedName(*name) : UNICODE_STRING{};
  items.clear();
  for (bool first = true;; first = false) {
    IO_STATUS_BLOCK status;
    const NTSTATUS result = As<NtQueryDirectoryFileCall>(queryDirectory_)(
        folder, nullptr, nullptr, nullptr, &status, buffer, static_cast<ULONG>(buffer_.size()),
        kFileIdBothDirectoryInformation, name != nullptr, name != nullptr ? &mask : nullptr, first);
    if (result == kNoMoreFiles) return 0;
    if (result < 0) return As<RtlNtStatusToDosErrorCall>(statusToError_)(result);
    for (ULONG offset = 0;;) {
      const auto* entry = reinterpret_cast<const FileIdBothDirInformation*>(buffer + offset);
      ListedItem item;
      item.name.assign(reinterpret_cast<const char16_t*>(entry->FileName),
                       entry->FileNameLength / sizeof(WCHAR));
      item.attributes = entry->FileAttributes;
      item.id = static_cast<std::uint64_t>(entry->FileId.QuadPart);
      items.push_back(item);
      if (entry->NextEntryOffset == 0) break;
      offset += entry->NextEntryOffset;
    }
    if (name != nullptr) return 0;
  }
}

SystemError NtItemTree::Find(OpenItem& folder, const std::u16string& name, ListedItem& found) {
  std::vector<ListedItem> items;
  if (const SystemError error = Query(HandleOf(folder), &name, items)) return error;
  if (items.empty()) return ERROR_FILE_NOT_FOUND;
  found = items.front();
  return 0;
}

SystemError NtItemTree::List(OpenItem& folder, std::vector<ListedItem>& items) {
  return Query(HandleOf(folder), nullptr, items);
}

SystemError NtItemTree::OpenChild(OpenItem& folder, const std::u16string& name, Purpose purpose,
                                  std::unique_ptr<OpenItem>& child) {
  UNICODE_STRING counted = CountedName(name);
  OBJECT_ATTRIBUTES attributes;
  InitializeObjectAttributes(&attributes, &counted, kCaseInsensitive, HandleOf(folder), nullptr);
  IO_STATUS_BLOCK status;
  HANDLE handle = nullptr;
  const NTSTATUS result =
      As<NtOpenFileCall>(openFile_)(&handle, AccessFor(purpose), &attributes, &status,
                                    FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                    kOpenReparsePoint | kSynchronousIo | kOpenForBackupIntent);
  if (result < 0) return As<RtlNtStatusToDosErrorCall>(statusToError_)(result);
  child.reset(new HandleItem(handle));
  return 0;
}

SystemError NtItemTree::Facts(OpenItem& item, ItemFacts& facts) {
  BY_HANDLE_FILE_INFORMATION info;
  if (!GetFileInformationByHandle(HandleOf(item), &info)) return GetLastError();
  facts.attributes = info.dwFileAttributes;
  facts.links = info.nNumberOfLinks;
  facts.volume = info.dwVolumeSerialNumber;
  facts.id = (static_cast<std::uint64_t>(info.nFileIndexHigh) << 32) | info.nFileIndexLow;
  return 0;
}

SystemError NtItemTree::AddEntry(OpenItem& item, const myright::Sid& sid, std::uint32_t accessMask,
                                 bool inheritable) {
  const HANDLE handle = HandleOf(item);
  DWORD needed = 0;
  GetKernelObjectSecurity(handle, DACL_SECURITY_INFORMATION, nullptr, 0, &needed);
  if (needed == 0) return GetLastError();
  std::vector<unsigned char> descriptor(needed);
  if (!GetKernelObjectSecurity(handle, DACL_SECURITY_INFORMATION, descriptor.data(), needed,
                               &needed)) {
    return GetLastError();
  }
  BOOL present = FALSE;
  BOOL defaulted = FALSE;
  PACL old = nullptr;
  SECURITY_DESCRIPTOR_CONTROL control = 0;
  DWORD revision = 0;
  if (!GetSecurityDescriptorDacl(descriptor.data(), &present, &old, &defaulted) ||
      !GetSecurityDescriptorControl(descriptor.data(), &control, &revision)) {
    return GetLastError();
  }
  // No access list lets everybody do everything: an entry added there would shut others out.
  if (!present || old == nullptr) return 0;

  EXPLICIT_ACCESS_W entry;
  ZeroMemory(&entry, sizeof entry);
  entry.grfAccessPermissions = accessMask;
  entry.grfAccessMode = GRANT_ACCESS;  // added to what the account has; its denials stay
  entry.grfInheritance = inheritable ? SUB_CONTAINERS_AND_OBJECTS_INHERIT : NO_INHERITANCE;
  entry.Trustee.TrusteeForm = TRUSTEE_IS_SID;
  entry.Trustee.TrusteeType = TRUSTEE_IS_USER;
  entry.Trustee.ptstrName = reinterpret_cast<LPWSTR>(const_cast<std::uint8_t*>(sid.data()));
  LocalMemory merged;
  if (const DWORD error = SetEntriesInAclW(1, &entry, old, merged.ReceiveAcl())) return error;

  SECURITY_DESCRIPTOR updated;
  const SECURITY_DESCRIPTOR_CONTROL kept = SE_DACL_AUTO_INHERITED | SE_DACL_PROTECTED;
  if (!InitializeSecurityDescriptor(&updated, SECURITY_DESCRIPTOR_REVISION) ||
      !SetSecurityDescriptorDacl(&updated, TRUE, merged.Acl(), FALSE) ||
      !SetSecurityDescriptorControl(&updated, kept, control & kept) ||
      !SetKernelObjectSecurity(handle, DACL_SECURITY_INFORMATION, &updated)) {
    return GetLastError();
  }
  return 0;
}

}  // namespace grantitems
