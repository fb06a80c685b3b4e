#include <gtest/gtest.h>

#include "app/ResolverBinding.h"
#include "platform/memory/MemoryWorld.h"

namespace {

using platform::AddressEntry;
using platform::AddressHints;

const char* const kWs2 = "C:\\WINDOWS\\system32\\ws2_32";
const char* const kWship6 = "C:\\WINDOWS\\system32\\wship6";

struct BindingTest : ::testing::Test {
  platform::memory::MemoryWorld world;
  std::unique_ptr<app::ResolverBinding> binding =
      std::make_unique<app::ResolverBinding>(world.resolver, world.files);

  // One lookup of this computer's name, its list handed back; true when it found an address.
  bool LookUp() {
    AddressEntry* list = nullptr;
    AddressHints hints{platform::kAiPassive, platform::kAfInet, platform::kSockStream,
                       platform::kIpProtoTcp};
    const int result = binding->GetAddrInfo("WORKSTATION1", "", hints, list);
    const bool found = result == 0 && list != nullptr && list->address != nullptr &&
                       list->address->address == platform::Ipv4Address{192, 168, 1, 20};
    binding->FreeAddrInfo(list);
    return found;
  }
  std::vector<std::string> LibraryCalls() const {
    std::vector<std::string> found;
    for (const std::string& call : world.resolver.calls) {
      if (call.rfind("LoadLibrary", 0) == 0 || call.rfind("GetProcAddress", 0) == 0 ||
          call.rfind("FreeLibrary", 0) == 0) {
        found.push_back(call);
      }
    }
    return found;
  }
  bool UsedSystemResolver() const { return world.resolver.ListsMade() > 0; }
  bool UsedFallback() const { return !world.resolver.CallsStartingWith("gethostbyname").empty(); }
};

TEST_F(BindingTest, TakesAllThreeEntryPointsFromTheSystemsWs2_32) {
  EXPECT_TRUE(LookUp());
  EXPECT_EQ(LibraryCalls(), (std::vector<std::string>{
                                std::string("LoadLibrary ") + kWs2,
                                "GetProcAddress ws2_32.dll getaddrinfo",
                                "GetProcAddress ws2_32.dll getaddrinfo",
                                "GetProcAddress ws2_32.dll getnameinfo",
                                "GetProcAddress ws2_32.dll freeaddrinfo",
                            }));
  EXPECT_TRUE(UsedSystemResolver());
  EXPECT_FALSE(UsedFallback());
  EXPECT_EQ(world.resolver.ListsReleased(), 1);
  EXPECT_EQ(world.resolver.Faults(), 0);
}

TEST_F(BindingTest, LoadsFromTheSystemFolderTheSystemNames) {
  world.files.systemDirectory = "D:\\WINNT\\System32";
  world.resolver.PutLibrary("D:\\WINNT\\System32\\ws2_32.dll",
                            {"getaddrinfo", "getnameinfo", "freeaddrinfo"});
  EXPECT_TRUE(LookUp());
  EXPECT_EQ(world.resolver.CallsStartingWith("LoadLibrary"),
            std::vector<std::string>{"LoadLibrary D:\\WINNT\\System32\\ws2_32"});
  EXPECT_TRUE(UsedSystemResolver());
}

TEST_F(BindingTest, AWs2_32WithoutGetaddrinfoIsUnloadedAndWship6IsTried) {
  world.resolver.PutLibrary(kWs2, {"gethostbyname"});
  world.resolver.PutLibrary(kWship6, {"getaddrinfo", "getnameinfo", "freeaddrinfo"});
  EXPECT_TRUE(LookUp());
  EXPECT_EQ(LibraryCalls(), (std::vector<std::string>{
                                std::string("LoadLibrary ") + kWs2,
                                "GetProcAddress ws2_32.dll getaddrinfo",
                                "FreeLibrary ws2_32.dll",
                                std::string("LoadLibrary ") + kWship6,
                                "GetProcAddress wship6.dll getaddrinfo",
                                "GetProcAddress wship6.dll getaddrinfo",
                                "GetProcAddress wship6.dll getnameinfo",
                                "GetProcAddress wship6.dll freeaddrinfo",
                            }));
  EXPECT_TRUE(UsedSystemResolver());
  EXPECT_EQ(world.resolver.LoadedLibraries(), 1);
}

TEST_F(BindingTest, NeitherLibraryWithGetaddrinfoMeansTheFallback) {
  world.resolver.PutLibrary(kWs2, {"gethostbyname"});
  world.resolver.PutLibrary(kWship6, {"getnameinfo"});
  EXPECT_TRUE(LookUp());
  EXPECT_TRUE(UsedFallback());
  EXPECT_FALSE(UsedSystemResolver());
  EXPECT_EQ(world.resolver.LoadedLibraries(), 0);
  EXPECT_EQ(binding->fallback().LiveBlocks(), 0);
}

class MissingEntryPoint : public BindingTest, public ::testing::WithParamInterface<const char*> {};

TEST_P(MissingEntryPoint, UnloadsTheLibraryAndUsesTheFallbackForAllThree) {
  std::set<std::string> exports = {"getaddrinfo", "getnameinfo", "freeaddrinfo"};
  exports.erase(GetParam());
  world.resolver.PutLibrary(kWs2, exports);
  world.resolver.PutLibrary(kWship6, {"getaddrinfo", "getnameinfo", "freeaddrinfo"});
  EXPECT_TRUE(LookUp());
  // A library that has getaddrinfo is the one examined; wship6 is not tried after it.
  EXPECT_TRUE(world.resolver.CallsStartingWith(std::string("LoadLibrary ") + kWship6).empty());
  EXPECT_EQ(LibraryCalls().back(), "FreeLibrary ws2_32.dll");
  EXPECT_EQ(world.resolver.LoadedLibraries(), 0);
  EXPECT_TRUE(UsedFallback());
  EXPECT_FALSE(UsedSystemResolver());
  EXPECT_EQ(world.resolver.Faults(), 0);
  EXPECT_EQ(binding->fallback().LiveBlocks(), 0);
}

INSTANTIATE_TEST_SUITE_P(EachOfTheOtherTwo, MissingEntryPoint,
                         ::testing::Values("getnameinfo", "freeaddrinfo"));

TEST_F(BindingTest, NoSystemFolderMeansTheFallbackWithoutLoadingAnything) {
  world.files.systemDirectory.clear();
  EXPECT_TRUE(LookUp());
  EXPECT_TRUE(LibraryCalls().empty());
  EXPECT_TRUE(UsedFallback());
}

TEST_F(BindingTest, BindsOnceForAllLaterLookups) {
  EXPECT_TRUE(LookUp());
  EXPECT_TRUE(LookUp());
  EXPECT_TRUE(LookUp());
  EXPECT_EQ(world.resolver.CallsStartingWith("LoadLibrary").size(), 1u);
  EXPECT_EQ(world.resolver.ListsMade(), 3);
  EXPECT_EQ(world.resolver.ListsReleased(), 3);
}

TEST_F(BindingTest, AReleaseBeforeAnyLookupBindsToo) {
  binding->FreeAddrInfo(nullptr);
  EXPECT_EQ(world.resolver.CallsStartingWith("LoadLibrary").size(), 1u);
  EXPECT_TRUE(LookUp());
  EXPECT_EQ(world.resolver.CallsStartingWith("LoadLibrary").size(), 1u);
  EXPECT_EQ(world.resolver.Faults(), 0);
}

TEST_F(BindingTest, TheChoiceStandsEvenWhenTheSystemChangesLater) {
  EXPECT_TRUE(LookUp());
  world.resolver.RemoveLibrary(kWs2);
  EXPECT_TRUE(LookUp());
  EXPECT_FALSE(UsedFallback());
  EXPECT_EQ(world.resolver.ListsMade(), 2);
}

TEST_F(BindingTest, TheLibraryIsReleasedWithTheBinding) {
  EXPECT_TRUE(LookUp());
  EXPECT_EQ(world.resolver.LoadedLibraries(), 1);
  binding.reset();
  EXPECT_EQ(world.resolver.LoadedLibraries(), 0);
  EXPECT_EQ(world.resolver.Faults(), 0);
}

}  // namespace
