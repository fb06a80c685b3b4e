// The version text of a program file, from its fixed file-version block.
#pragma once

#include <string>

#include "platform/VersionResource.h"

namespace help {

// "major.minor.release.build", or the empty text when the file has no readable version resource.
std::string GetFileVersionText(platform::VersionResource& versions, const std::string& path);

}  // namespace help
