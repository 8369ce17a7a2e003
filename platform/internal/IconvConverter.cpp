#include "platform/internal/IconvConverter.h"

#include <cerrno>
#include <cstring>
#include <utility>

#include "platform/SystemErrors.h"

namespace platform::internal {
namespace {

const iconv_t kNoHandle = reinterpret_cast<iconv_t>(-1);  // iconv_open's failure value

}  // namespace

Result<IconvConverter> IconvConverter::open(const char* toEncoding, const char* fromEncoding) {
  iconv_t handle = iconv_open(toEncoding, fromEncoding);
  if (handle == kNoHandle) {
    return fail(std::string("iconv cannot convert from ") + fromEncoding + " to " + toEncoding + ": " +
                    std::strerror(errno),
                {}, ERROR_INVALID_PARAMETER);
  }
  return IconvConverter(handle);
}

IconvConverter::IconvConverter(IconvConverter&& other) noexcept : handle(std::exchange(other.handle, kNoHandle)) {}

IconvConverter& IconvConverter::operator=(IconvConverter&& other) noexcept {
  if (this != &other) {
    if (handle != kNoHandle) iconv_close(handle);
    handle = std::exchange(other.handle, kNoHandle);
  }
  return *this;
}

IconvConverter::~IconvConverter() {
  if (handle != kNoHandle) iconv_close(handle);
}

Result<std::string> IconvConverter::convert(std::string_view input, size_t unitSize) {
  iconv(handle, nullptr, nullptr, nullptr, nullptr);  // back to the initial shift state
  std::string output(input.size() * 2 + 16, '\0');
  size_t produced = 0;
  // iconv's input pointer is not const, but iconv only reads through it.
  char* in = const_cast<char*>(input.data());
  size_t inLeft = input.size();
  bool inputDone = false;
  while (true) {
    char* out = output.data() + produced;
    size_t outLeft = output.size() - produced;
    // After the input, one more call without input writes out what a stateful encoding still holds.
    size_t result = inputDone ? iconv(handle, nullptr, nullptr, &out, &outLeft)
                              : iconv(handle, &in, &inLeft, &out, &outLeft);
    int errorNumber = errno;
    produced = static_cast<size_t>(out - output.data());
    if (result != static_cast<size_t>(-1)) {
      if (inputDone) break;
      inputDone = true;  // iconv succeeds only when it has used up the whole input
      continue;
    }
    if (errorNumber == E2BIG) {
      output.resize(output.size() * 2);
      continue;
    }
    std::string where = "offset " + std::to_string(static_cast<size_t>(in - input.data()) / unitSize);
    if (errorNumber == EINVAL) {
      return fail("an incomplete character ends the text", where, ERROR_NO_UNICODE_TRANSLATION);
    }
    if (errorNumber == EILSEQ) {
      return fail("an invalid character, or one the target lacks", where, ERROR_NO_UNICODE_TRANSLATION);
    }
    return fail(std::string("iconv failed: ") + std::strerror(errorNumber), where, ERROR_NO_UNICODE_TRANSLATION);
  }
  output.resize(produced);
  return output;
}

}  // namespace platform::internal
