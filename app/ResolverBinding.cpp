#include "app/ResolverBinding.h"

namespace app {

ResolverBinding::ResolverBinding(platform::NameResolution& sockets, platform::FileSystem& files)
    : m_sockets(sockets), m_files(files), m_fallback(sockets) {}

ResolverBinding::~ResolverBinding() {
  if (m_library != 0) m_sockets.FreeLibrary(m_library);
}

int ResolverBinding::GetAddrInfo(const std::string& node, const std::string& service,
                                 const platform::AddressHints& hints,
                                 platform::AddressEntry*& list) {
  BindOnce();
  if (m_library == 0) return m_fallback.GetAddrInfo(node, service, hints, list);
  return m_sockets.CallGetAddrInfo(m_getAddrInfo, node, service, hints, list);
}

void ResolverBinding::FreeAddrInfo(platform::AddressEntry* list) {
  BindOnce();
  if (m_library == 0) {
    m_fallback.FreeAddrInfo(list);
  } else {
    m_sockets.CallFreeAddrInfo(m_freeAddrInfo, list);
  }
}

void ResolverBinding::BindOnce() {
  if (m_bound) return;
  m_bound = true;
  // Always by full path: a bare name would be searched in the program and current folders
  // first, where anybody could have put a library of that name.
  const std::string systemFolder = m_files.GetSystemDirectory();
  if (systemFolder.empty()) return;
  m_library = LoadWithGetAddrInfo(systemFolder + "\\ws2_32");
  if (m_library == 0) m_library = LoadWithGetAddrInfo(systemFolder + "\\wship6");
  if (m_library == 0) return;

  m_getAddrInfo = m_sockets.FindProcedure(m_library, "getaddrinfo");
  // getnameinfo is never called, but a library is kept only when it has all three.
  const platform::Handle getNameInfo = m_sockets.FindProcedure(m_library, "getnameinfo");
  m_freeAddrInfo = m_sockets.FindProcedure(m_library, "freeaddrinfo");
  // Mixing the library's lists with the fallback's release (or the reverse) would corrupt the
  // heap, so it is all three from one place or none.
  if (m_getAddrInfo == 0 || getNameInfo == 0 || m_freeAddrInfo == 0) {
    m_sockets.FreeLibrary(m_library);
    m_library = m_getAddrInfo = m_freeAddrInfo = 0;
  }
}

platform::Handle ResolverBinding::LoadWithGetAddrInfo(const std::string& path) {
  const platform::Handle library = m_sockets.LoadLibraryFile(path);
  if (library == 0) return 0;
  if (m_sockets.FindProcedure(library, "getaddrinfo") == 0) {
    m_sockets.FreeLibrary(library);
    return 0;
  }
  return library;
}

}  // namespace app
