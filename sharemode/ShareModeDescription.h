// The description shown under the share-mode selector: one rich-text file per mode, kept in the
// program folder so that it can be reworded without rebuilding the program.
#pragma once

#include <string>

#include "platform/Failure.h"
#include "platform/FileSystem.h"
#include "ui/Controls.h"

namespace sharemode {

// The description file of a mode index; nullptr when no option is selected.
const char* DescriptionFileName(int mode);

// Replaces the whole content of `memo` with the file at `path`, read as rich text, or as plain
// text when it is not rich text. Fails when the file cannot be opened (the memo then keeps what
// it showed) or cannot be read either way.
platform::Status LoadDescription(platform::FileSystem& files, const std::string& path,
                                 ui::RichText& memo);

}  // namespace sharemode
