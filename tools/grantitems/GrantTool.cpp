#include "tools/grantitems/GrantTool.h"

#include "tools/grantitems/ExitCodes.h"
#include "tools/grantitems/GrantCommand.h"
#include "tools/grantitems/ItemChecks.h"

namespace grantitems {

const char kUsageText[] =
    "Usage: grantitems /G ACCOUNT:R|F [/T] \"X:\\folder\"\n"
    "Adds read (R) or full (F) rights for ACCOUNT to the folder, and with /T to everything\n"
    "below it, keeping the entries already there. Junctions, symbolic links, mounted drives\n"
    "and files with more than one name are left out. When the name Guest is not known, the\n"
    "computer's built-in guest account is used.\n"
    "Exit codes: 0 done; 3 no such folder; 4 the folder is or lies inside a link, or was\n"
    "replaced; 5 its rights could not be changed; 6 no such account; 50 the drive keeps no\n"
    "access lists; 87 bad command line; 65-79 done, but items were left out (64 plus 1 links,\n"
    "2 files with more names, 4 replaced items, 8 items that could not be changed).\n";

namespace {

using myright::Output;
using myright::Sid;
using myright::TextBuffer;

constexpr SystemError kNotSupported = 50;  // ERROR_NOT_SUPPORTED

void Say(Output& err, const char* text, SystemError error = 0) {
  char room[512];
  TextBuffer line(room, sizeof room);
  line.Append("grantitems: ").Append(text);
  if (error != 0) line.Append(" (error ").AppendNumber(error).Append(")");
  err.Write(line.Append("\n").c_str());
}

// The account's identifier; the built-in guest account by its number in the computer's account
// domain when the name Guest is not known (another language, a renamed account).
SystemError ResolveAccount(myright::SecurityPolicy& policy, const std::u16string& name, Sid& sid) {
  char ascii[256];
  TextBuffer text(ascii, sizeof ascii);
  for (const char16_t c : name) text.AppendChar(static_cast<char>(c));
  if (text.full()) return 87;
  SystemError error = policy.Open();
  if (error != 0) return error;
  error = policy.LookupAccount(ascii, sid);
  if (error == 0 || !myright::EqualIgnoringCase(ascii, "guest")) return error;
  Sid domain;
  if (policy.QueryAccountDomainSid(domain) != 0 || !AppendRid(domain, myright::kGuestRid, sid)) {
    return error;
  }
  return 0;
}

// Opens the folder named by the command from its drive's root down, one name at a time, each
// relative to the folder above, and refuses any name that is a link or not what was listed.
std::uint32_t OpenFolder(ItemTree& tree, const GrantCommand& command,
                         std::unique_ptr<OpenItem>& folder, std::uint32_t& volume, Output& err) {
  const Purpose last = Purpose::kFolder;
  std::unique_ptr<OpenItem> item;
  SystemError error =
      tree.OpenDrive(command.drive, command.folders.empty() ? last : Purpose::kPass, item);
  ItemFacts facts;
  if (error == 0) error = tree.Facts(*item, facts);
  if (error != 0) {
    Say(err, "cannot open the drive", error);
    return kExitFolderNotFound;
  }
  volume = facts.volume;
  for (std::size_t i = 0; i < command.folders.size(); ++i) {
    const Purpose purpose = i + 1 == command.folders.size() ? last : Purpose::kPass;
    ListedItem listed;
    std::unique_ptr<OpenItem> next;
    error = tree.Find(*item, command.folders[i], listed);
    if (error == 0) error = tree.OpenChild(*item, listed.name, purpose, next);
    if (error == 0) error = tree.Facts(*next, facts);
    if (error != 0) {
      Say(err, "the folder does not exist or cannot be opened", error);
      return kExitFolderNotFound;
    }
    const Verdict verdict = JudgeOpenedItem(listed, facts, volume);
    if (verdict == Verdict::kLink || verdict == Verdict::kNotListed) {
      Say(err, verdict == Verdict::kLink
                   ? "the folder is, or lies inside, a junction, symbolic link or mounted drive"
                   : "the folder was replaced while it was opened");
      return kExitFolderIsLink;
    }
    if ((facts.attributes & kAttributeDirectory) == 0) {
      Say(err, "not a folder");
      return kExitFolderNotFound;
    }
    item = std::move(next);
  }
  folder = std::move(item);
  return kExitDone;
}

struct Walk {
  ItemTree& tree;
  const Sid& sid;
  std::uint32_t mask;
  std::uint32_t volume;
  std::uint32_t leftOut = 0;
  unsigned long counts[4] = {};

  void LeaveOut(std::uint32_t reason) {
    leftOut |= reason;
    for (int bit = 0; bit < 4; ++bit) {
      if (reason == (1u << bit)) ++counts[bit];
    }
  }

  // Grants on one listed entry of an open folder; a folder that was granted is handed back open.
  std::unique_ptr<OpenItem> Grant(OpenItem& parent, const ListedItem& listed) {
    const bool isFolder = (listed.attributes & kAttributeDirectory) != 0;
    if ((listed.attributes & kAttributeReparsePoint) != 0) {
      LeaveOut(kLeftOutLinks);  // not even opened
      return nullptr;
    }
    std::unique_ptr<OpenItem> item;
    ItemFacts facts;
    if (tree.OpenChild(parent, listed.name, isFolder ? Purpose::kFolder : Purpose::kFile, item) !=
            0 ||
        tree.Facts(*item, facts) != 0) {
      LeaveOut(kLeftOutUnchangeable);
      return nullptr;
    }
    const Verdict verdict = JudgeOpenedItem(listed, facts, volume);
    if (verdict != Verdict::kGrant) {
      LeaveOut(LeftOutReason(verdict));
      return nullptr;
    }
    if (tree.AddEntry(*item, sid, mask, isFolder) != 0) {
      LeaveOut(kLeftOutUnchangeable);
      return nullptr;
    }
    return isFolder ? std::move(item) : nullptr;
  }

  // Everything below `top`, depth first, with a stack of its own: a deep tree must not run the
  // program out of stack.
  void Below(std::unique_ptr<OpenItem> top) {
    struct Level {
      std::unique_ptr<OpenItem> folder;
      std::vector<ListedItem> items;
      std::size_t next = 0;
    };
    std::vector<Level> levels;
    levels.push_back(Level{std::move(top), {}, 0});
    if (tree.List(*levels.back().folder, levels.back().items) != 0) {
      LeaveOut(kLeftOutUnchangeable);
      return;
    }
    while (!levels.empty()) {
      Level& level = levels.back();
      if (level.next == level.items.size()) {
        levels.pop_back();
        continue;
      }
      const ListedItem& listed = level.items[level.next++];
      if (IsSelfOrParent(listed.name)) continue;
      std::unique_ptr<OpenItem> folder = Grant(*level.folder, listed);
      if (folder == nullptr) continue;
      Level below{std::move(folder), {}, 0};
      if (tree.List(*below.folder, below.items) != 0) {
        LeaveOut(kLeftOutUnchangeable);
        continue;
      }
      levels.push_back(std::move(below));  // `level` is not used past this point
    }
  }

  void Report(Output& err) const {
    static const char* const kWhat[] = {
        "junction(s), symbolic link(s) or mounted drive(s)",
        "file(s) with more than one name (hard links)",
        "item(s) replaced while the rights were given",
        "item(s) whose rights could not be changed",
    };
    for (int bit = 0; bit < 4; ++bit) {
      if (counts[bit] == 0) continue;
      char room[160];
      TextBuffer line(room, sizeof room);
      line.Append("grantitems: left out ").AppendNumber(counts[bit]).Append(" ").Append(kWhat[bit]);
      err.Write(line.Append("\n").c_str());
    }
  }
};

}  // namespace

std::uint32_t RunGrantTool(const std::vector<std::u16string>& args, myright::SecurityPolicy& policy,
                           ItemTree& tree, Output& err) {
  GrantCommand command;
  if (const char* problem = ParseGrantCommand(args, command)) {
    Say(err, problem);
    err.Write(kUsageText);
    return kExitUsage;
  }
  Sid sid;
  if (const SystemError error = ResolveAccount(policy, command.account, sid)) {
    Say(err, "the account was not found", error);
    return kExitAccountNotFound;
  }
  std::unique_ptr<OpenItem> folder;
  std::uint32_t volume = 0;
  if (const std::uint32_t code = OpenFolder(tree, command, folder, volume, err)) return code;
  if (const SystemError error = tree.AddEntry(*folder, sid, command.accessMask, true)) {
    Say(err, "cannot add the entry to the folder's access list", error);
    return error == kNotSupported ? kExitNoAccessLists : kExitFolderNotGranted;
  }
  if (!command.recurse) return kExitDone;
  Walk walk{tree, sid, command.accessMask, volume};
  walk.Below(std::move(folder));
  walk.Report(err);
  return ExitCodeForLeftOut(walk.leftOut);
}

}  // namespace grantitems
