#pragma once

#include <string>

namespace host {
class Host;
}

namespace drawhost {

/// Every loaded module with what it registered (file formats, menus, tools, timers, notifiers), as text.
[[nodiscard]] std::string listPlugins(host::Host& host);

}  // namespace drawhost
