#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "platform/Result.h"

namespace host {

/// One queued answer for the headless driver, written "DIALOG[/ITEM[=VALUE]]":
///   DIALOG  the dialog's number, window title or name;
///   ITEM    an item's number, label or text; without "=VALUE" the item is pressed (a button is clicked, a
///           check box toggled, a radio button chosen); without ITEM the dialog's OK button (item 1) is pressed;
///   VALUE   the item's new text or value: a number for numeric entries, 1/0 (or on/off, yes/no, true/false)
///           for check boxes and radio buttons, an entry's text or index for popup lists.
struct Answer {
  std::string dialog;
  std::optional<std::string> item;
  std::optional<std::string> value;

  /// The answer as it was written.
  [[nodiscard]] std::string text() const;
};

/// Parses "DIALOG[/ITEM[=VALUE]]"; an empty DIALOG or ITEM is an error.
[[nodiscard]] platform::Result<Answer> parseAnswer(std::string_view text);

}  // namespace host
