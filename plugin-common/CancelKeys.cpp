#include "plugin-common/CancelKeys.h"

#include "platform/KeyState.h"

namespace plugin {

bool cancelRequested() {
  return platform::isKeyDown(platform::KEY_ESCAPE) ||
         (platform::isKeyDown(platform::KEY_CONTROL) && platform::isKeyDown(platform::KEY_DECIMAL));
}

}  // namespace plugin
