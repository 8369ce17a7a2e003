#include "plugin-common/SuiteTable.h"

namespace plugin {
namespace {

using enum SuiteSlot;

/// A table: the rows before the text-engine block, the block itself, then the rows after it.
template <size_t Before, size_t After>
constexpr std::array<SuiteImport, Before + TEXT_ENGINE_SUITE_COUNT + After> withTextEngine(
    const std::array<SuiteImport, Before>& before, const std::array<SuiteImport, After>& after) {
  std::array<SuiteImport, Before + TEXT_ENGINE_SUITE_COUNT + After> table{};
  size_t row = 0;
  for (const SuiteImport& import : before) table[row++] = import;
  for (size_t index = 0; index < TEXT_ENGINE_SUITE_COUNT; ++index) {
    table[row++] = SuiteImport{kTextEngineSuiteNames[index].data(), TEXT_ENGINE_SUITE_VERSION, textEngineSlot(index)};
  }
  for (const SuiteImport& import : after) table[row++] = import;
  return table;
}

constexpr auto kConverterSuites = withTextEngine(
    std::array{
        SuiteImport{SUITE_SP_BLOCKS, 2, SP_BLOCKS},
        SuiteImport{SUITE_SP_ACCESS, 3, SP_ACCESS},
        SuiteImport{SUITE_MD_MEMORY, 1, MD_MEMORY},
        SuiteImport{SUITE_FIXED_MATH, 2, FIXED_MATH},
        SuiteImport{SUITE_REAL_MATH, 1, REAL_MATH},
        SuiteImport{SUITE_PLUGIN_GROUP, 4, PLUGIN_GROUP},
        SuiteImport{SUITE_BLEND_STYLE, 3, BLEND_STYLE},
        SuiteImport{SUITE_ART_STYLE, 4, ART_STYLE},
        SuiteImport{SUITE_ART, 12, ART},
        SuiteImport{SUITE_USER, 6, USER},
        SuiteImport{SUITE_RUNTIME, 7, RUNTIME},
        SuiteImport{SUITE_PLACED, 6, PLACED},
        SuiteImport{SUITE_RASTER, 6, RASTER},
        SuiteImport{SUITE_PATH, 6, PATH},
        SuiteImport{SUITE_DOCUMENT, 9, DOCUMENT},
        SuiteImport{SUITE_DOCUMENT_VIEW, 8, DOCUMENT_VIEW},
        SuiteImport{SUITE_PATH_STYLE, 8, PATH_STYLE},
        SuiteImport{SUITE_CUSTOM_COLOR, 6, CUSTOM_COLOR},
        SuiteImport{SUITE_GROUP, 3, GROUP},
        SuiteImport{SUITE_LAYER, 9, LAYER},
        SuiteImport{SUITE_TRANSFORM_ART, 1, TRANSFORM_ART},
        SuiteImport{SUITE_TEXT_FRAME, 1, TEXT_FRAME},
        SuiteImport{SUITE_FONT, 2, FONT},
        SuiteImport{SUITE_FOREIGN_OBJECT, 2, FOREIGN_OBJECT},
        SuiteImport{SUITE_ATE_PAINT, 1, ATE_PAINT},
        SuiteImport{SUITE_HARD_SOFT, 2, HARD_SOFT},
        SuiteImport{SUITE_LEGACY_TEXT_CONVERSION, 1, LEGACY_TEXT_CONVERSION},
    },
    std::array{
        SuiteImport{SUITE_ART_SET, 6, ART_SET},
        SuiteImport{SUITE_UNICODE_STRING, 5, UNICODE_STRING},
        SuiteImport{SUITE_FILE_PATH, 1, FILE_PATH},
        SuiteImport{SUITE_MENU, 7, MENU},
        SuiteImport{SUITE_FILE_FORMAT, 9, FILE_FORMAT},
        SuiteImport{SUITE_TIMER, 3, TIMER},
        SuiteImport{SUITE_ADM_DIALOG, 5, ADM_DIALOG},
        SuiteImport{SUITE_ADM_ITEM, 7, ADM_ITEM},
        SuiteImport{SUITE_ADM_NOTIFIER, 2, ADM_NOTIFIER},
        SuiteImport{SUITE_ADM_BASIC, 2, ADM_BASIC},
        SuiteImport{SUITE_ADM_LIST, 1, ADM_LIST},
        SuiteImport{SUITE_ADM_DRAWER, 3, ADM_DRAWER},
        SuiteImport{SUITE_ADM_ENTRY, 2, ADM_ENTRY},
        SuiteImport{SUITE_ADM_ICON, 1, ADM_ICON},
    });

constexpr auto kDraftingSuites = withTextEngine(
    std::array{
        SuiteImport{SUITE_SP_BLOCKS, 2, SP_BLOCKS},
        SuiteImport{SUITE_SP_ACCESS, 3, SP_ACCESS},
        SuiteImport{SUITE_PLUGIN, 3, PLUGIN},
        SuiteImport{SUITE_MD_MEMORY, 1, MD_MEMORY},
        SuiteImport{SUITE_REAL_MATH, 1, REAL_MATH},
        SuiteImport{SUITE_ART, 10, ART},
        SuiteImport{SUITE_LAYER, 9, LAYER},
        SuiteImport{SUITE_USER, 6, USER},
        SuiteImport{SUITE_RUNTIME, 7, RUNTIME},
        SuiteImport{SUITE_PATH, 5, PATH},
        SuiteImport{SUITE_PATH_STYLE, 5, PATH_STYLE},
        SuiteImport{SUITE_MATCHING_ART, 5, MATCHING_ART},
        SuiteImport{SUITE_DOCUMENT, 8, DOCUMENT},
        SuiteImport{SUITE_DOCUMENT_VIEW, 7, DOCUMENT_VIEW},
        SuiteImport{SUITE_TRANSFORM_ART, 1, TRANSFORM_ART},
        SuiteImport{SUITE_TEXT_FRAME, 1, TEXT_FRAME},
        SuiteImport{SUITE_FONT, 1, FONT},
        SuiteImport{SUITE_FOREIGN_OBJECT, 1, FOREIGN_OBJECT},
        SuiteImport{SUITE_ATE_PAINT, 1, ATE_PAINT},
    },
    std::array{
        SuiteImport{SUITE_UNDO, 4, UNDO},
        SuiteImport{SUITE_DIALOG_GROUP, 1, DIALOG_GROUP},
        SuiteImport{SUITE_TRACKER, 1, TRACKER},
        SuiteImport{SUITE_CONTEXT, 3, CONTEXT},
        SuiteImport{SUITE_PREFERENCE, 2, PREFERENCE},
        SuiteImport{SUITE_HARD_SOFT, 2, HARD_SOFT},
        SuiteImport{SUITE_MENU, 7, MENU},
        SuiteImport{SUITE_TOOL, 9, TOOL},
        SuiteImport{SUITE_TIMER, 3, TIMER},
        SuiteImport{SUITE_NOTIFIER, 2, NOTIFIER},
        SuiteImport{SUITE_ADM_DIALOG, 5, ADM_DIALOG},
        SuiteImport{SUITE_ADM_ITEM, 7, ADM_ITEM},
        SuiteImport{SUITE_ADM_NOTIFIER, 2, ADM_NOTIFIER},
        SuiteImport{SUITE_ADM_BASIC, 2, ADM_BASIC},
        SuiteImport{SUITE_ADM_ICON, 1, ADM_ICON},
        SuiteImport{SUITE_ADM_DRAWER, 3, ADM_DRAWER},
        SuiteImport{SUITE_ADM_ENTRY, 2, ADM_ENTRY},
        SuiteImport{SUITE_ADM_LIST, 1, ADM_LIST},
        SuiteImport{SUITE_ADM_IMAGE, 1, ADM_IMAGE},
    });

static_assert(kConverterSuites.size() == 115);
static_assert(kDraftingSuites.size() == 112);

}  // namespace

std::span<const SuiteImport> converterSuiteTable() { return kConverterSuites; }
std::span<const SuiteImport> draftingSuiteTable() { return kDraftingSuites; }

}  // namespace plugin
