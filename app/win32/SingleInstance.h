// One Plinvo at a time: a second start hands over to the first one's window and ends.
#pragma once

#include "platform/win32/WindowsApi.h"

namespace app::win32 {

class SingleInstance {
 public:
  SingleInstance();
  ~SingleInstance();
  SingleInstance(const SingleInstance&) = delete;
  SingleInstance& operator=(const SingleInstance&) = delete;

  // True when another Plinvo runs in this session: its main window has then been brought to
  // the front, and this one must end before doing anything.
  bool OtherBroughtToFront() const { return m_otherBroughtToFront; }

 private:
  HANDLE m_mutex = nullptr;
  bool m_otherBroughtToFront = false;
};

}  // namespace app::win32
