#pragma once
// Internal to the platform library: one iconv conversion descriptor, owned.

#include <iconv.h>

#include <string>
#include <string_view>

#include "platform/Result.h"

namespace platform::internal {

/// Converts whole texts from one iconv encoding to another.
class IconvConverter {
public:
  /// A converter from one iconv encoding name to another; ERROR_INVALID_PARAMETER when iconv lacks either.
  [[nodiscard]] static Result<IconvConverter> open(const char* toEncoding, const char* fromEncoding);

  IconvConverter(IconvConverter&& other) noexcept;
  IconvConverter& operator=(IconvConverter&& other) noexcept;
  IconvConverter(const IconvConverter&) = delete;
  IconvConverter& operator=(const IconvConverter&) = delete;
  ~IconvConverter();

  /// All of input converted. On invalid or unconvertible input: ERROR_NO_UNICODE_TRANSLATION with
  /// where = "offset N", N counted in code units of unitSize bytes.
  [[nodiscard]] Result<std::string> convert(std::string_view input, size_t unitSize = 1);

private:
  explicit IconvConverter(iconv_t handle) : handle(handle) {}

  iconv_t handle;
};

}  // namespace platform::internal
