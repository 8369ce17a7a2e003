#include "installer/ui/MessageBoxes.h"

#include "platform/AsciiText.h"

namespace installer {
namespace {

constexpr uint32_t kButtonBits = 0x7;
constexpr uint32_t kIconBits = 0x70;

struct ButtonName {
  ButtonCode button;
  std::string_view name;
};

constexpr ButtonName kButtonNames[] = {
    {ButtonCode::OK, "OK"},       {ButtonCode::CANCEL, "Cancel"},   {ButtonCode::ABORT, "Abort"},
    {ButtonCode::RETRY, "Retry"}, {ButtonCode::IGNORE, "Ignore"},   {ButtonCode::YES, "Yes"},
    {ButtonCode::NO, "No"},       {ButtonCode::YES_ALL, "Yes All"},
};

}  // namespace

std::vector<ButtonCode> buttonsOf(uint32_t style) {
  using enum ButtonCode;
  switch (style & kButtonBits) {
    case STYLE_OK_CANCEL:
      return {OK, CANCEL};
    case STYLE_ABORT_RETRY_IGNORE:
      return {ABORT, RETRY, IGNORE};
    case STYLE_OK_YES_ALL_CANCEL:
      return {OK, YES_ALL, CANCEL};
    case STYLE_YES_NO:
      return {YES, NO};
    case STYLE_RETRY_CANCEL:
      return {RETRY, CANCEL};
    case STYLE_OK_CANCEL_ABORT:
      return {OK, CANCEL, ABORT};
    case STYLE_OK_YES_ALL_CANCEL_ABORT:
      return {OK, YES_ALL, CANCEL, ABORT};
    default:
      return {OK};
  }
}

ButtonCode preselectedButton(uint32_t style) {
  std::vector<ButtonCode> buttons = buttonsOf(style);
  size_t index = (style & PRESELECT_THIRD) != 0 ? 2 : (style & PRESELECT_SECOND) != 0 ? 1 : 0;
  return index < buttons.size() ? buttons[index] : buttons.front();
}

std::string_view iconName(uint32_t style) {
  switch (style & kIconBits) {
    case ICON_STOP:
      return "stop";
    case ICON_QUESTION:
      return "question";
    case ICON_EXCLAMATION:
      return "exclamation";
    case ICON_INFORMATION:
      return "information";
    default:
      return "";
  }
}

std::string_view buttonName(ButtonCode button) {
  for (const ButtonName& entry : kButtonNames) {
    if (entry.button == button) return entry.name;
  }
  return "?";
}

std::optional<ButtonCode> buttonNamed(std::string_view name) {
  for (const ButtonName& entry : kButtonNames) {
    if (platform::equalsIgnoringAsciiCase(entry.name, name)) return entry.button;
  }
  return std::nullopt;
}

}  // namespace installer
