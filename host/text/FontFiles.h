#pragma once
// The files of the host's fixed font set and where to find them. The set is the fonts the project's setup
// script installs (fonts-dejavu-core, fonts-ipafont-gothic, fonts-nanum), limited to the DejaVu, IPA Gothic
// and Nanum Gothic families, so that every machine lists the same faces whatever else it has installed.

#include <filesystem>
#include <span>
#include <string_view>
#include <vector>

#include "platform/Result.h"

namespace host {

/// One file of the fixed font set.
struct FontFileEntry {
  /// The file's name.
  std::string_view fileName;
  /// The folders where Debian's packages put it, in the order tried.
  std::span<const std::string_view> debianFolders;
  /// The package that installs it, for messages.
  std::string_view package;
};

/// The files of the fixed font set.
[[nodiscard]] std::span<const FontFileEntry> fixedFontFiles();

/// Finds every file of the set: in its Debian folders first, else wherever the system's fontconfig knows a
/// file of that name. Fails naming the first file found nowhere, since a partial set would change the
/// font list and its order.
[[nodiscard]] platform::Result<std::vector<std::filesystem::path>> locateFixedFontFiles();

}  // namespace host
