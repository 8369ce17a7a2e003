#pragma once
// The installer's message boxes: a style picks the buttons, the icon and the preselected button; the answer is
// the platform's button code.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace installer {

/// The button codes a box returns (the platform's, and 1702 for Yes All).
enum class ButtonCode : int {
  OK = 1,
  CANCEL = 2,
  ABORT = 3,
  RETRY = 4,
  IGNORE = 5,
  YES = 6,
  NO = 7,
  YES_ALL = 1702,
};

/// The styles the installer uses: buttons in the low three bits, the icon in 0x70, the preselected button in
/// 0x100 (second) and 0x200 (third).
enum MessageStyle : uint32_t {
  STYLE_OK = 0,
  STYLE_OK_CANCEL = 1,
  STYLE_ABORT_RETRY_IGNORE = 2,
  STYLE_OK_YES_ALL_CANCEL = 3,
  STYLE_YES_NO = 4,
  STYLE_RETRY_CANCEL = 5,
  STYLE_OK_CANCEL_ABORT = 6,
  STYLE_OK_YES_ALL_CANCEL_ABORT = 7,
  ICON_STOP = 0x10,
  ICON_QUESTION = 0x20,
  ICON_EXCLAMATION = 0x30,
  ICON_INFORMATION = 0x40,
  PRESELECT_SECOND = 0x100,
  PRESELECT_THIRD = 0x200,
};

/// The style of the information boxes with OK (64).
inline constexpr uint32_t kInformationOk = ICON_INFORMATION | STYLE_OK;
/// Information with OK and Cancel (65).
inline constexpr uint32_t kInformationOkCancel = ICON_INFORMATION | STYLE_OK_CANCEL;
/// Yes and No with No preselected (324), the abort question.
inline constexpr uint32_t kQuestionYesNoNo = ICON_INFORMATION | STYLE_YES_NO | PRESELECT_SECOND;
/// Abort, Retry, Ignore with the stop icon and Retry preselected (274).
inline constexpr uint32_t kStopAbortRetryIgnore = ICON_STOP | STYLE_ABORT_RETRY_IGNORE | PRESELECT_SECOND;

/// One box to show.
struct MessageBoxRequest {
  /// The message's number in the table (the Japanese block's), 0 for a text from the configuration.
  int number = 0;
  /// The text, UTF-8, formatted.
  std::string text;
  /// The title ("Message", "Abort", "WENDRIX"; empty keeps the template's "ERROR").
  std::string title;
  /// The style.
  uint32_t style = kInformationOk;
};

/// The buttons of a style, left to right.
[[nodiscard]] std::vector<ButtonCode> buttonsOf(uint32_t style);

/// The button a style preselects: the second or third when the style says so and the box has it, else the first.
[[nodiscard]] ButtonCode preselectedButton(uint32_t style);

/// "stop", "question", "exclamation", "information" or "" for the style's icon.
[[nodiscard]] std::string_view iconName(uint32_t style);

/// The name of a button as its label reads: "OK", "Cancel", "Abort", "Retry", "Ignore", "Yes", "No", "Yes All".
[[nodiscard]] std::string_view buttonName(ButtonCode button);

/// The button a name (as buttonName gives, in any letter case) names.
[[nodiscard]] std::optional<ButtonCode> buttonNamed(std::string_view name);

}  // namespace installer
