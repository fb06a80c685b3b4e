#include "Screen.h"

#include <cstdio>
#include <cstdlib>

#include "Windows.h"

namespace e2e {

std::unique_ptr<Pixels> CaptureScreen(const RECT& rect) {
  ScreenDc screen;
  const int width = rect.right - rect.left;
  const int height = rect.bottom - rect.top;
  if (screen.Get() == nullptr || width <= 0 || height <= 0) return nullptr;
  auto pixels = std::make_unique<Pixels>(screen.Get(), width, height);
  if (!pixels->Valid()) return nullptr;
  MemoryDc memory(screen.Get());
  Selection selected(memory.Get(), pixels->Bitmap());
  if (!BitBlt(memory.Get(), 0, 0, width, height, screen.Get(), rect.left, rect.top, SRCCOPY)) {
    return nullptr;
  }
  GdiFlush();
  return pixels;
}

namespace {

class File {
 public:
  explicit File(const std::string& path) : f_(std::fopen(path.c_str(), "wb")) {}
  ~File() {
    if (f_ != nullptr) std::fclose(f_);
  }
  File(const File&) = delete;
  File& operator=(const File&) = delete;
  std::FILE* Get() const { return f_; }
  bool Close() {
    const bool ok = f_ != nullptr && std::fclose(f_) == 0;
    f_ = nullptr;
    return ok;
  }

 private:
  std::FILE* f_;
};

}  // namespace

bool WriteBmp(const Pixels& pixels, const std::string& path) {
  File file(path);
  if (file.Get() == nullptr) return false;
  const DWORD imageSize = static_cast<DWORD>(pixels.Stride() * pixels.Height());
  BITMAPFILEHEADER fileHeader = {};
  fileHeader.bfType = 0x4D42;  // "BM"
  fileHeader.bfOffBits = sizeof(BITMAPFILEHEADER) + sizeof(BITMAPINFOHEADER);
  fileHeader.bfSize = fileHeader.bfOffBits + imageSize;
  BITMAPINFOHEADER info = {};
  info.biSize = sizeof(info);
  info.biWidth = pixels.Width();
  info.biHeight = pixels.Height();  // bottom-up, the form every reader knows
  info.biPlanes = 1;
  info.biBitCount = 24;
  info.biCompression = BI_RGB;
  info.biSizeImage = imageSize;
  bool ok = std::fwrite(&fileHeader, sizeof(fileHeader), 1, file.Get()) == 1 &&
            std::fwrite(&info, sizeof(info), 1, file.Get()) == 1;
  for (int y = pixels.Height() - 1; ok && y >= 0; --y) {
    ok = std::fwrite(pixels.Row(y), pixels.Stride(), 1, file.Get()) == 1;
  }
  return file.Close() && ok;
}

namespace {

struct StandardIcon {
  LPCSTR resource;
  const char* name;
};

const StandardIcon kStandardIcons[] = {
    {IDI_HAND, "error"},
    {IDI_QUESTION, "question"},
    {IDI_EXCLAMATION, "warning"},
    {IDI_ASTERISK, "information"},
};

// Mean difference per colour channel between the shown control and the icon drawn by the
// driver on the same background.
double Distance(const Pixels& shown, HICON icon) {
  ScreenDc screen;
  Pixels drawn(screen.Get(), shown.Width(), shown.Height());
  if (!drawn.Valid()) return 1e9;
  const unsigned char* corner = shown.Row(0);
  {
    MemoryDc memory(screen.Get());
    Selection selected(memory.Get(), drawn.Bitmap());
    RECT all = {0, 0, shown.Width(), shown.Height()};
    HBRUSH background = CreateSolidBrush(RGB(corner[2], corner[1], corner[0]));
    FillRect(memory.Get(), &all, background);
    DeleteObject(background);
    DrawIconEx(memory.Get(), 0, 0, icon, shown.Width(), shown.Height(), 0, nullptr, DI_NORMAL);
    GdiFlush();
  }
  double sum = 0;
  for (int y = 0; y < shown.Height(); ++y) {
    const unsigned char* a = shown.Row(y);
    const unsigned char* b = drawn.Row(y);
    for (int x = 0; x < shown.Width() * 3; ++x) sum += std::abs(int(a[x]) - int(b[x]));
  }
  return sum / (shown.Width() * shown.Height() * 3.0);
}

}  // namespace

std::string IdentifyIcon(HWND iconControl) {
  if (iconControl == nullptr || !IsWindowVisible(iconControl)) return "none";
  LRESULT shownIcon = 0;
  if (!SendWithin(iconControl, STM_GETICON, 0, 0, shownIcon)) return "unknown";
  if (shownIcon == 0) return "none";
  // Where icons are shared between processes (Windows), the handle says it all.
  for (const StandardIcon& s : kStandardIcons) {
    if (reinterpret_cast<HICON>(shownIcon) == LoadIconA(nullptr, s.resource)) return s.name;
  }
  // Otherwise (Wine) compare what is on the screen with each standard icon. The box may not
  // have painted yet when it has just appeared, so look again for a while.
  RECT rect;
  for (int attempt = 0; attempt < 20; ++attempt) {
    if (attempt > 0) Sleep(100);
    if (!GetWindowRect(iconControl, &rect)) return "unknown";
    std::unique_ptr<Pixels> shown = CaptureScreen(rect);
    if (!shown) continue;
    double best = 1e9;
    double second = 1e9;
    const char* bestName = nullptr;
    for (const StandardIcon& s : kStandardIcons) {
      const double d = Distance(*shown, LoadIconA(nullptr, s.resource));
      if (d < best) {
        second = best;
        best = d;
        bestName = s.name;
      } else if (d < second) {
        second = d;
      }
    }
    if (bestName != nullptr && best < 4.0 && second > 3 * best + 4.0) return bestName;
  }
  return "unknown";
}

}  // namespace e2e
