// When Plinvo last changed the computer's settings (applied a mode, or put settings back),
// kept beside the saved settings in Plinvo's own folder: the sharing check tells from it
// whether the restart the change asks for is still owed.
#pragma once

#include <cstdint>
#include <string>

#include "platform/FileSystem.h"

namespace sharemode {

// Records the time as seconds since 1970 (UTC). False when it could not be kept.
bool RecordChangeTime(platform::FileSystem& files, std::int64_t secondsSince1970);

struct ChangeTime {
  enum class State {
    Read,        // `seconds` as recorded, unjudged: it may lie before 1970 or ahead of now
    None,        // nothing recorded
    Untrusted,   // recorded in a folder that others than the administrators can change
    Unreadable,  // the file cannot be read, or holds no time
  };
  State state = State::None;
  std::int64_t seconds = 0;
  std::string path;  // the file looked at, for the messages
};
ChangeTime ReadChangeTime(platform::FileSystem& files);

}  // namespace sharemode
