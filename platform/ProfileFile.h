// Initialisation (.ini) files.
#pragma once

#include <string>

namespace platform {

class ProfileFile {
 public:
  virtual ~ProfileFile() = default;
  // GetPrivateProfileIntA; the unsigned result is returned as the int the caller sees.
  virtual int GetInt(const std::string& section, const std::string& key, int defaultValue,
                     const std::string& path) = 0;
  // WritePrivateProfileStringA; true on success.
  virtual bool WriteString(const std::string& section, const std::string& key,
                           const std::string& value, const std::string& path) = 0;
};

}  // namespace platform
