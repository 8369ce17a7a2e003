#pragma once
// The About box and the About menu group that every plug-in of the family shares.

#include <string_view>

#include "host/sdk/HostTypes.h"
#include "plugin-common/LanguageId.h"

namespace plugin {

/// The Japanese number of the About dialog: 1 OK, 2 the picture (bitmap 16052), 6 the version label.
inline constexpr int32_t kAboutDialog = 16150;
/// The menu group all plug-ins of the family put their About items in.
inline constexpr std::string_view kAboutGroupName = "QM_PLUGINS_ABOUT";

/// Who is showing the About box.
struct AboutIdentity {
  LanguageId language = LanguageId::JAPANESE;
  /// The TIIP variant: the title and version label show the TIIP product word.
  bool tiip = false;
};

/// Runs the About dialog of the language modally; its result is not used.
void showAbout(PluginRef plugin, const AboutIdentity& identity);

/// Adds this plug-in's item "QM_PLUGINS_ABOUT_<product>", titled "<product>...", to the shared group
/// "QM_PLUGINS_ABOUT", creating the group below the host's About menu when no plug-in of the family has yet.
/// Stores the item's handle in item. Returns the first non-zero host result, else 0.
[[nodiscard]] HostResult addAboutMenu(PluginRef plugin, LanguageId language, std::string_view productName,
                                      MenuItemHandle* item);

}  // namespace plugin
