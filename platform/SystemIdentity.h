// Who and what this computer is: version record, logged-on user, computer name.
#pragma once

#include <cstdint>
#include <string>

namespace platform {

// OSVERSIONINFOA: size, major, minor, build, platform id and a 128-character service-pack text.
struct VersionRecord {
  std::uint32_t size = 0;
  std::uint32_t majorVersion = 0;
  std::uint32_t minorVersion = 0;
  std::uint32_t buildNumber = 0;
  std::uint32_t platformId = 0;
  std::string servicePack;
};

constexpr std::uint32_t kVersionRecordSize = 148;
constexpr std::uint32_t kSuitePersonal = 0x200;

class SystemIdentity {
 public:
  virtual ~SystemIdentity() = default;
  // GetVersionExA; fills `record` on success (its size field must be set by the caller).
  virtual bool GetVersionEx(VersionRecord& record) = 0;
  // GetUserNameA with a buffer of `capacity` characters; false leaves `name` empty.
  virtual bool GetUserName(std::string& name, std::uint32_t capacity) = 0;
  // GetComputerNameA with a buffer of `capacity` bytes; false leaves `name` empty.
  virtual bool GetComputerName(std::string& name, std::uint32_t capacity) = 0;
  // The suite mask of the extended version record (OSVERSIONINFOEXA); 0x200 (VER_SUITE_PERSONAL)
  // marks a Home edition.
  virtual bool GetSuiteMask(std::uint32_t& mask) = 0;
  // Whether the program runs with the administrators' rights (an elevated token on Vista);
  // false when that cannot be told.
  virtual bool IsAdministrator() = 0;
};

}  // namespace platform
