#pragma once

#include <string>

#include "ui/FormDesign.h"

namespace app {

// The main window as designed: frame, pages, controls and menu. `webSiteText` is what Label1
// shows.
ui::FormDesign MainWindowLayout(const std::string& webSiteText);

}  // namespace app
