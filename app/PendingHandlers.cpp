// Handlers whose subsystems are not written yet. Each subsystem moves its handlers out of here
// into its own folder when it lands; this file disappears with the last of them.
#include "app/Formmain.h"

namespace app {

}  // namespace app
