#include "shares/GrantLeftOut.h"

#include "tools/grantitems/ExitCodes.h"

namespace shares {
namespace {

struct Reason {
  std::uint32_t bit;
  const char* text;
};

constexpr Reason kReasons[] = {
    {grantitems::kLeftOutLinks,
     "junctions, symbolic links and mounted drives, with what they lead to: rights set there "
     "would land outside the folder"},
    {grantitems::kLeftOutSeveralNames,
     "files with more than one name (hard links): another name may lie outside the folder, and "
     "the rights would reach the file there too"},
    {grantitems::kLeftOutReplaced, "items that were replaced while the rights were being given"},
    {grantitems::kLeftOutUnchangeable, "items whose rights could not be changed"},
};

}  // namespace

std::optional<std::string> LeftOutMessage(std::uint32_t exitCode) {
  const std::uint32_t leftOut = grantitems::LeftOutOfExitCode(exitCode);
  if (leftOut == 0) return std::nullopt;
  std::string text =
      "The visitors were given their rights on the folder, but not on these items in it:\n";
  for (const Reason& reason : kReasons) {
    if ((leftOut & reason.bit) != 0) text += "- " + std::string(reason.text) + ";\n";
  }
  text[text.size() - 2] = '.';
  return text + "\nGive the visitors rights on them yourself where they need them.";
}

}  // namespace shares
