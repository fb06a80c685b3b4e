// Plinvo's own folder under the data folder of all users, which keeps the saved settings and
// the time of the last change. Restoring writes what is kept there into security settings, so
// only a folder that nobody but the administrators and the system can change is ever used. Any
// user may create "Plinvo" there before Plinvo does; then Plinvo keeps its records in a private
// folder of its own beside it, "Plinvo-<number>", which later starts find again by its access
// list (a folder an ordinary user made never has that list).
#pragma once

#include <string>

#include "platform/FileSystem.h"

namespace sharemode {

struct RecordsFolder {
  enum class State {
    Trusted,       // `path` is ours alone
    Missing,       // none yet; `path` is where it goes
    HeldByOthers,  // `path` exists, cannot be shown to be ours alone, and none of ours is beside it
    Unknown,       // the system does not tell the data folder; `path` is empty
  };
  State state = State::Unknown;
  std::string path;
};

// Looks for the folder, making nothing.
RecordsFolder FindRecordsFolder(platform::FileSystem& files);

struct MadeRecordsFolder {
  std::string path;     // empty: no folder of ours could be had
  std::string instead;  // set when `path` was made just now because someone else holds this one
};

// The folder to write into: the one found, or a private one made now.
MadeRecordsFolder MakeRecordsFolder(platform::FileSystem& files);

}  // namespace sharemode
