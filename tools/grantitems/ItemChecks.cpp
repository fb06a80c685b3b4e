#include "tools/grantitems/ItemChecks.h"

#include "tools/grantitems/ExitCodes.h"

namespace grantitems {

namespace {

bool IsFolder(std::uint32_t attributes) { return (attributes & kAttributeDirectory) != 0; }
bool IsLink(std::uint32_t attributes) { return (attributes & kAttributeReparsePoint) != 0; }

}  // namespace

Verdict JudgeOpenedItem(const ListedItem& listed, const ItemFacts& opened, std::uint32_t volume) {
  // Either side may be the one that shows the link: a handle that followed it reports the
  // target, a listing made before it was created reports what it replaced.
  if (IsLink(listed.attributes) || IsLink(opened.attributes)) return Verdict::kLink;
  // Without an id nothing shows that the name still leads to the listed item.
  if (listed.id == 0 || opened.id != listed.id || opened.volume != volume ||
      IsFolder(opened.attributes) != IsFolder(listed.attributes)) {
    return Verdict::kNotListed;
  }
  // A folder cannot have a second name; some file systems count its sub-folders' ".." instead.
  if (!IsFolder(opened.attributes) && opened.links > 1) return Verdict::kSeveralNames;
  return Verdict::kGrant;
}

std::uint32_t LeftOutReason(Verdict verdict) {
  switch (verdict) {
    case Verdict::kLink:
      return kLeftOutLinks;
    case Verdict::kSeveralNames:
      return kLeftOutSeveralNames;
    case Verdict::kNotListed:
      return kLeftOutReplaced;
    case Verdict::kGrant:
      break;
  }
  return 0;
}

bool IsSelfOrParent(const std::u16string& name) { return name == u"." || name == u".."; }

}  // namespace grantitems
