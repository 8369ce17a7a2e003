// Suites that plug-ins acquire but whose operations nothing calls yet. Each is offered at every version a
// plug-in asks for, with an empty table, so that acquisition succeeds; the operations arrive with their users.

#include <array>

#include "host/sdk/SuiteNames.h"
#include "host/suites/SuiteBindings.h"
#include "host/suites/SuiteRegistry.h"

namespace host {
namespace {

/// The table of a suite without operations yet.
struct EmptySuite {
  int32_t reserved;
};
constexpr EmptySuite kEmptySuite{0};

struct OfferedSuite {
  const char* name;
  std::array<int32_t, 2> versions;  // 0: no second version
};

constexpr std::array kPlaceholders{
    OfferedSuite{SUITE_SP_ACCESS, {3, 0}},
    OfferedSuite{SUITE_PLUGIN, {3, 0}},
    OfferedSuite{SUITE_MD_MEMORY, {1, 0}},
    OfferedSuite{SUITE_FIXED_MATH, {2, 0}},
    OfferedSuite{SUITE_REAL_MATH, {1, 0}},
    OfferedSuite{SUITE_PLUGIN_GROUP, {4, 0}},
    OfferedSuite{SUITE_BLEND_STYLE, {3, 0}},
    OfferedSuite{SUITE_ART_STYLE, {4, 0}},
    OfferedSuite{SUITE_RUNTIME, {7, 0}},
    OfferedSuite{SUITE_PLACED, {6, 0}},
    OfferedSuite{SUITE_RASTER, {6, 0}},
    OfferedSuite{SUITE_PATH, {5, 6}},
    OfferedSuite{SUITE_MATCHING_ART, {5, 0}},
    OfferedSuite{SUITE_DOCUMENT_VIEW, {7, 8}},
    OfferedSuite{SUITE_CUSTOM_COLOR, {6, 0}},
    OfferedSuite{SUITE_GROUP, {3, 0}},
    OfferedSuite{SUITE_TRANSFORM_ART, {1, 0}},
    OfferedSuite{SUITE_FOREIGN_OBJECT, {1, 2}},
    OfferedSuite{SUITE_UNDO, {4, 0}},
    OfferedSuite{SUITE_DIALOG_GROUP, {1, 0}},
    OfferedSuite{SUITE_TRACKER, {1, 0}},
    OfferedSuite{SUITE_CONTEXT, {3, 0}},
    OfferedSuite{SUITE_PREFERENCE, {2, 0}},
    OfferedSuite{SUITE_ART_SET, {6, 0}},
    OfferedSuite{SUITE_UNICODE_STRING, {5, 0}},
    OfferedSuite{SUITE_ADM_LIST, {1, 0}},
    OfferedSuite{SUITE_ADM_DRAWER, {3, 0}},
    OfferedSuite{SUITE_ADM_ENTRY, {2, 0}},
    OfferedSuite{SUITE_ADM_ICON, {1, 0}},
    OfferedSuite{SUITE_ADM_IMAGE, {1, 0}},
};

#define HOST_TEXT_ENGINE_NAME(name) name,
constexpr std::array<const char*, TEXT_ENGINE_SUITE_COUNT> kTextEngineSuites{TEXT_ENGINE_SUITES(HOST_TEXT_ENGINE_NAME)};
#undef HOST_TEXT_ENGINE_NAME

}  // namespace

void registerPlaceholderSuites(SuiteRegistry& registry) {
  for (const OfferedSuite& suite : kPlaceholders) {
    for (int32_t version : suite.versions) {
      if (version != 0 && !registry.offers(suite.name, version)) registry.add(suite.name, version, &kEmptySuite);
    }
  }
  for (const char* name : kTextEngineSuites) {
    if (!registry.offers(name, TEXT_ENGINE_SUITE_VERSION)) registry.add(name, TEXT_ENGINE_SUITE_VERSION, &kEmptySuite);
  }
}

}  // namespace host
