#include "Handles.h"

#include <vector>

namespace e2e {

Pixels::Pixels(HDC like, int width, int height) : width_(width), height_(height) {
  BITMAPINFO info = {};
  info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 24;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  bitmap_ = CreateDIBSection(like, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  bits_ = static_cast<unsigned char*>(bits);
}

RemoteBlock::RemoteBlock(HANDLE process, size_t size)
    : process_(process),
      address_(VirtualAllocEx(process, nullptr, size, MEM_COMMIT, PAGE_READWRITE)) {}

RemoteBlock::~RemoteBlock() {
  if (address_ != nullptr) VirtualFreeEx(process_, address_, 0, MEM_RELEASE);
}

bool RemoteBlock::Write(size_t offset, const void* data, size_t size) const {
  SIZE_T done = 0;
  return WriteProcessMemory(process_, Address() + offset, data, size, &done) && done == size;
}

bool RemoteBlock::Read(size_t offset, void* data, size_t size) const {
  SIZE_T done = 0;
  return ReadProcessMemory(process_, Address() + offset, data, size, &done) && done == size;
}

std::string RemoteBlock::ReadString(size_t offset, size_t maxSize) const {
  std::vector<char> buffer(maxSize + 1, '\0');
  if (!Read(offset, buffer.data(), maxSize)) return std::string();
  return std::string(buffer.data());
}

}  // namespace e2e
