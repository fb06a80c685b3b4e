#include <gtest/gtest.h>

#include <ostream>

#include "help/FileVersionText.h"
#include "platform/memory/MemoryVersionResource.h"

namespace {

const char* const kProgram = "C:\\Program Files\\Plinvo\\Plinvo.exe";

struct VersionCase {
  std::uint16_t parts[4];
  const char* text;
};

void PrintTo(const VersionCase& c, std::ostream* out) { *out << c.text; }

class VersionText : public ::testing::TestWithParam<VersionCase> {};

TEST_P(VersionText, JoinsTheFourPartsWithDots) {
  platform::memory::MemoryVersionResource versions;
  const auto& p = GetParam().parts;
  versions.PutVersion(kProgram, p[0], p[1], p[2], p[3]);
  EXPECT_EQ(help::GetFileVersionText(versions, kProgram), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(Parts, VersionText,
                         ::testing::Values(VersionCase{{3, 2, 0, 100}, "3.2.0.100"},
                                           VersionCase{{0, 0, 0, 0}, "0.0.0.0"},
                                           VersionCase{{65535, 65535, 65535, 65535},
                                                       "65535.65535.65535.65535"},
                                           VersionCase{{1, 0, 65535, 0}, "1.0.65535.0"},
                                           VersionCase{{10, 20, 300, 4000}, "10.20.300.4000"}));

TEST(VersionTextFailures, AFileWithoutAVersionResourceIsNotEvenRead) {
  platform::memory::MemoryVersionResource versions;
  EXPECT_EQ(help::GetFileVersionText(versions, kProgram), "");
  EXPECT_TRUE(versions.reads.empty());
}

TEST(VersionTextFailures, AResourceThatCannotBeReadGivesTheEmptyText) {
  platform::memory::MemoryVersionResource versions;
  versions.PutVersion(kProgram, 3, 2, 0, 100);
  versions.files.begin()->second.readFails = true;
  EXPECT_EQ(help::GetFileVersionText(versions, kProgram), "");
  EXPECT_EQ(versions.reads.size(), 1u);
}

TEST(VersionTextFailures, AResourceWithoutItsFixedBlockGivesTheEmptyText) {
  platform::memory::MemoryVersionResource versions;
  versions.PutVersion(kProgram, 3, 2, 0, 100);
  versions.files.begin()->second.withoutFixedBlock = true;
  EXPECT_EQ(help::GetFileVersionText(versions, kProgram), "");
}

TEST(VersionTextFailures, ReadsTheFileItIsGiven) {
  platform::memory::MemoryVersionResource versions;
  versions.PutVersion("C:\\Other\\tool.exe", 1, 2, 3, 4);
  EXPECT_EQ(help::GetFileVersionText(versions, kProgram), "");
  EXPECT_EQ(help::GetFileVersionText(versions, "c:\\other\\TOOL.exe"), "1.2.3.4");
}

}  // namespace
