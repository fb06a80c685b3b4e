#include "app/Global.h"

namespace app {

std::string ProgramFolderOf(const std::string& programFile) {
  const std::string::size_type at = programFile.find_last_of("\\/");
  return at == std::string::npos ? std::string() : programFile.substr(0, at + 1);
}

Global LoadGlobal(platform::FileSystem& files) {
  Global global;
  global.programFolder = ProgramFolderOf(files.GetModuleFileName());
  global.helpFile = global.programFolder + "help.chm";
  return global;
}

bool InitApplicationValues(Global& global, platform::SystemIdentity& identity) {
  global.productTag = "Plinvo_V1";
  global.applicationTitle = "Plinvo";
  global.homePageAddress = global.makerWebSite + "/?come_from=" + global.productTag;
  global.productPageAddress =
      global.makerWebSite + "/en/Plinvo_Detail.aspx?come_from=" + global.productTag;
  global.versionRecord = platform::VersionRecord{};
  global.versionRecord.size = platform::kVersionRecordSize;
  platform::VersionRecord filled = global.versionRecord;
  if (identity.GetVersionEx(filled)) global.versionRecord = filled;
  global.versionRecord.size = platform::kVersionRecordSize;
  return true;
}

}  // namespace app
