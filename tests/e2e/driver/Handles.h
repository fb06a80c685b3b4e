// Owners of the system handles the driver opens, so that every path releases them.
#pragma once

#include <windows.h>

#include <string>

namespace e2e {

class KernelHandle {
 public:
  explicit KernelHandle(HANDLE h = nullptr) : h_(h) {}
  ~KernelHandle() { Reset(); }
  KernelHandle(const KernelHandle&) = delete;
  KernelHandle& operator=(const KernelHandle&) = delete;
  HANDLE Get() const { return h_; }
  void Reset(HANDLE h = nullptr) {
    if (h_ != nullptr && h_ != INVALID_HANDLE_VALUE) CloseHandle(h_);
    h_ = h;
  }

 private:
  HANDLE h_;
};

class ScreenDc {
 public:
  ScreenDc() : dc_(GetDC(nullptr)) {}
  ~ScreenDc() {
    if (dc_ != nullptr) ReleaseDC(nullptr, dc_);
  }
  ScreenDc(const ScreenDc&) = delete;
  ScreenDc& operator=(const ScreenDc&) = delete;
  HDC Get() const { return dc_; }

 private:
  HDC dc_;
};

class MemoryDc {
 public:
  explicit MemoryDc(HDC like) : dc_(CreateCompatibleDC(like)) {}
  ~MemoryDc() {
    if (dc_ != nullptr) DeleteDC(dc_);
  }
  MemoryDc(const MemoryDc&) = delete;
  MemoryDc& operator=(const MemoryDc&) = delete;
  HDC Get() const { return dc_; }

 private:
  HDC dc_;
};

// Selects a GDI object into a device context for the life of this owner.
class Selection {
 public:
  Selection(HDC dc, HGDIOBJ obj) : dc_(dc), old_(SelectObject(dc, obj)) {}
  ~Selection() { SelectObject(dc_, old_); }
  Selection(const Selection&) = delete;
  Selection& operator=(const Selection&) = delete;

 private:
  HDC dc_;
  HGDIOBJ old_;
};

// A 24-bit top-down bitmap whose pixels the driver can read: rows of width*3 bytes padded to
// four, blue-green-red.
class Pixels {
 public:
  Pixels(HDC like, int width, int height);
  ~Pixels() {
    if (bitmap_ != nullptr) DeleteObject(bitmap_);
  }
  Pixels(const Pixels&) = delete;
  Pixels& operator=(const Pixels&) = delete;
  bool Valid() const { return bitmap_ != nullptr; }
  HBITMAP Bitmap() const { return bitmap_; }
  int Width() const { return width_; }
  int Height() const { return height_; }
  int Stride() const { return (width_ * 3 + 3) & ~3; }
  const unsigned char* Row(int y) const { return bits_ + y * Stride(); }

 private:
  int width_;
  int height_;
  HBITMAP bitmap_ = nullptr;
  unsigned char* bits_ = nullptr;
};

// A block of memory inside another process, for messages whose parameters are pointers.
class RemoteBlock {
 public:
  RemoteBlock(HANDLE process, size_t size);
  ~RemoteBlock();
  RemoteBlock(const RemoteBlock&) = delete;
  RemoteBlock& operator=(const RemoteBlock&) = delete;
  bool Valid() const { return address_ != nullptr; }
  char* Address() const { return static_cast<char*>(address_); }
  bool Write(size_t offset, const void* data, size_t size) const;
  bool Read(size_t offset, void* data, size_t size) const;
  std::string ReadString(size_t offset, size_t maxSize) const;

 private:
  HANDLE process_;
  void* address_;
};

}  // namespace e2e
