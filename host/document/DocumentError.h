#pragma once
// Errors of the document model carry the host result codes of host/sdk/ErrorCodes.h, so a suite can hand
// error().code to a plug-in as it is.

#include <string>
#include <utility>

#include "host/sdk/ErrorCodes.h"
#include "platform/Result.h"

namespace host {

/// An argument is missing or out of range (HOST_BAD_PARAMETER).
[[nodiscard]] inline platform::Error badParameter(std::string message) {
  return platform::fail(std::move(message), {}, HOST_BAD_PARAMETER);
}

/// A pointer does not name a live object of this document (HOST_BAD_HANDLE).
[[nodiscard]] inline platform::Error badHandle(std::string message) {
  return platform::fail(std::move(message), {}, HOST_BAD_HANDLE);
}

}  // namespace host
