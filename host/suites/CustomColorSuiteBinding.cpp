// "AI Custom Color Suite" over the current document's custom colours. A handle is the colour's address in the
// document, checked against the document's live colours before every use.

#include <string>
#include <variant>
#include <vector>

#include "host/document/Document.h"
#include "host/sdk/CustomColorSuite.h"
#include "host/sdk/ErrorCodes.h"
#include "host/suites/HostServices.h"
#include "host/suites/SuiteBindings.h"
#include "host/suites/SuiteRegistry.h"

namespace host {
namespace {

Document& document() { return *services().document; }

/// The document's custom colour behind handle, or null.
const CustomColor* liveColor(CustomColorHandle handle) {
  const auto* color = reinterpret_cast<const CustomColor*>(handle);
  return document().isLiveCustomColor(color) ? color : nullptr;
}

HostResult newCustomColor(const HostCustomColor* color, const char* name, CustomColorHandle* handle) {
  return guarded([&]() -> HostResult {
    if (color == nullptr || name == nullptr || handle == nullptr) return HOST_BAD_PARAMETER;
    CustomColor created{name, FourColor{}};
    if (color->kind == CUSTOM_COLOR_KIND_FOUR) {
      created.values = FourColor{color->c.four.cyan, color->c.four.magenta, color->c.four.yellow, color->c.four.black};
    } else if (color->kind == CUSTOM_COLOR_KIND_THREE) {
      created.values = ThreeColor{color->c.three.red, color->c.three.green, color->c.three.blue};
    } else {
      return HOST_BAD_PARAMETER;
    }
    platform::Result<const CustomColor*> added = document().newCustomColor(std::move(created));
    if (!added) return added.error().code;
    *handle = reinterpret_cast<CustomColorHandle>(const_cast<CustomColor*>(*added));
    return HOST_NO_ERROR;
  });
}

HostResult getCustomColor(CustomColorHandle handle, HostCustomColor* color) {
  return guarded([&]() -> HostResult {
    const CustomColor* found = liveColor(handle);
    if (found == nullptr) return HOST_BAD_HANDLE;
    if (color == nullptr) return HOST_BAD_PARAMETER;
    HostCustomColor values{};
    if (const auto* four = std::get_if<FourColor>(&found->values)) {
      values.kind = CUSTOM_COLOR_KIND_FOUR;
      values.c.four = {four->cyan, four->magenta, four->yellow, four->black};
    } else {
      const auto& three = std::get<ThreeColor>(found->values);
      values.kind = CUSTOM_COLOR_KIND_THREE;
      values.c.three = {three.red, three.green, three.blue};
    }
    *color = values;
    return HOST_NO_ERROR;
  });
}

HostResult getCustomColorName(CustomColorHandle handle, char* name, int32_t maxLength) {
  return guarded([&]() -> HostResult {
    const CustomColor* found = liveColor(handle);
    if (found == nullptr) return HOST_BAD_HANDLE;
    if (name == nullptr || maxLength < 1) return HOST_BAD_PARAMETER;
    copyToBuffer(found->name, name, maxLength);
    return HOST_NO_ERROR;
  });
}

HostResult countCustomColors(int32_t* count) {
  return guarded([&]() -> HostResult {
    if (count == nullptr) return HOST_BAD_PARAMETER;
    *count = static_cast<int32_t>(document().customColors().size());
    return HOST_NO_ERROR;
  });
}

HostResult getNthCustomColor(int32_t index, CustomColorHandle* handle) {
  return guarded([&]() -> HostResult {
    std::vector<const CustomColor*> colors = document().customColors();
    if (handle == nullptr || index < 0 || static_cast<size_t>(index) >= colors.size()) return HOST_BAD_PARAMETER;
    *handle = reinterpret_cast<CustomColorHandle>(const_cast<CustomColor*>(colors[static_cast<size_t>(index)]));
    return HOST_NO_ERROR;
  });
}

constexpr CustomColorSuite kCustomColorSuite{newCustomColor, getCustomColor, getCustomColorName, countCustomColors,
                                             getNthCustomColor};

}  // namespace

void registerCustomColorSuite(SuiteRegistry& registry) {
  registry.add(SUITE_CUSTOM_COLOR, CUSTOM_COLOR_SUITE_VERSION, &kCustomColorSuite);
}

}  // namespace host
