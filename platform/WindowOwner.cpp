#include "platform/WindowOwner.h"

namespace platform {
namespace {

WindowOwner* registeredOwner = nullptr;

}  // namespace

// Defined here so that the class's vtable and type information live in libplatform.so, shared by every module.
WindowOwner::~WindowOwner() = default;

void setWindowOwner(WindowOwner* owner) { registeredOwner = owner; }

WindowOwner* windowOwner() { return registeredOwner; }

void beep() {
  if (registeredOwner != nullptr) registeredOwner->beep();
}

void setCursor(int32_t cursorId) {
  if (registeredOwner != nullptr) registeredOwner->setCursor(cursorId);
}

std::vector<std::string> topLevelWindowTitles() {
  return registeredOwner != nullptr ? registeredOwner->topLevelWindowTitles() : std::vector<std::string>{};
}

}  // namespace platform
