#include "platform/Registry.h"

namespace platform {

std::optional<std::uint32_t> DwordOf(const RegistryData& data) {
  if (data.type != kRegDword || data.bytes.size() != 4) return std::nullopt;
  std::uint32_t value = 0;
  for (int i = 3; i >= 0; --i) value = (value << 8) | static_cast<unsigned char>(data.bytes[i]);
  return value;
}

std::optional<std::string> TextOf(const RegistryData& data) {
  if (data.type != kRegString && data.type != kRegExpandString) return std::nullopt;
  return data.bytes.substr(0, data.bytes.find('\0'));
}

}  // namespace platform
