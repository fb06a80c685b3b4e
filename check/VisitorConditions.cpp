// What a visitor's newer Windows needs of this computer, for the recorded mode.
#include "check/Rows.h"
#include "check/VisitorWindows.h"

namespace check {
namespace {

std::string FoundText(const ServerFacts& facts) {
  if (!facts.smb1Only) return facts.windowsName + ": SMB 2, signing offered";
  return facts.windowsName + (!facts.signingKnown    ? ": SMB 1 only, signing not read"
                              : facts.signingOffered ? ": SMB 1 only, signing offered"
                                                     : ": SMB 1 only, no signing");
}

}  // namespace

void CheckNewerVisitors(const CheckInput& input, std::vector<Finding>& rows) {
  RowsAbout visitors(rows, "Visitors with newer Windows",
                     input.mode == kNoMode        ? "no share mode applied by Plinvo"
                     : !SharesFolders(input.mode) ? "not needed in Stop Share"
                                                  : "what Windows 10 and 11 visitors need");
  const ServerFacts facts = ReadServerFacts(input.platform);
  if (!facts.versionKnown) {
    visitors.Unreadable("Windows did not tell its version.");
    return;
  }
  if (!SharesFolders(input.mode)) {
    visitors.Add(Status::Holds, FoundText(facts),
                 "In Stop Share visitors are not meant to come in, so what their Windows needs "
                 "of this computer does not matter now. Once a mode shares folders again, this "
                 "row tells what visitors with Windows 10 and 11 need.");
    return;
  }
  const std::string computer = ComputerNameOf(input.platform);
  std::string words = ProtocolWords(facts, computer);
  if (input.mode == kNoMode) {
    // How visitors log on is the mode's to decide, and there is none to complete.
    visitors.Add(Status::WorthKnowing, FoundText(facts),
                 "No share mode has been applied by Plinvo, so it cannot say how visitors log "
                 "on. %s Choose a mode and press \"Apply\"; this row then tells the rest.",
                 {words});
    return;
  }
  AppendItem(words, LogonWords(input.mode, computer), " ");
  if (!facts.signingKnown) {
    visitors.Add(Status::NotChecked, FoundText(facts), "%s", {words});
    return;
  }
  if (!facts.signingOffered) {
    Finding& row = visitors.Add(
        Status::Blocks, FoundText(facts),
        "%s Press Fix to let the Server service offer signing: it takes effect once the computer "
        "restarts, and \"Undo Last Mode Change...\" turns it off again.",
        {words});
    row.fix = FixKind::OfferSigning;
    return;
  }
  visitors.Add(Status::WorthKnowing, FoundText(facts), "%s", {words});
}

}  // namespace check
