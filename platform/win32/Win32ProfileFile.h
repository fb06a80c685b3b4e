// Initialisation files through the private-profile calls.
#pragma once

#include "platform/ProfileFile.h"

namespace platform::win32 {

class Win32ProfileFile : public ProfileFile {
 public:
  int GetInt(const std::string& section, const std::string& key, int defaultValue,
             const std::string& path) override;
  bool WriteString(const std::string& section, const std::string& key, const std::string& value,
                   const std::string& path) override;
};

}  // namespace platform::win32
