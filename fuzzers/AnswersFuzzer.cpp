// An answers file as `wendrix --answers FILE` reads it for an unattended run.

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "installer/ui/Answers.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  (void)installer::parseAnswers(std::string_view(reinterpret_cast<const char*>(data), size), "answers.txt");
  return 0;
}
