#include "ui/win32/EventDispatch.h"

namespace ui::win32 {

void Fire(const Event& event) {
  if (event) event();
}

}  // namespace ui::win32
