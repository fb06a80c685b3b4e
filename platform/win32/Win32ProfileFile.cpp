#include "platform/win32/Win32ProfileFile.h"

#include "platform/win32/WindowsApi.h"

namespace platform::win32 {

int Win32ProfileFile::GetInt(const std::string& section, const std::string& key, int defaultValue,
                             const std::string& path) {
  // The reader wraps modulo 2^32 and returns an unsigned value; callers see it as a signed one.
  const UINT value =
      GetPrivateProfileIntA(section.c_str(), key.c_str(), defaultValue, path.c_str());
  return static_cast<int>(value);
}

bool Win32ProfileFile::WriteString(const std::string& section, const std::string& key,
                                   const std::string& value, const std::string& path) {
  return WritePrivateProfileStringA(section.c_str(), key.c_str(), value.c_str(), path.c_str()) !=
         FALSE;
}

}  // namespace platform::win32
