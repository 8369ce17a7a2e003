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
        SuiteImport{SUITE_SP_BLOCKS, BLOCKS_SUITE_VERSION, SP_BLOCKS},
        SuiteImport{SUITE_SP_ACCESS, 3, SP_ACCESS},
        SuiteImport{SUITE_MD_MEMORY, 1, MD_MEMORY},
        SuiteImport{SUITE_FIXED_MATH, 2, FIXED_MATH},
        SuiteImport{SUITE_REAL_MATH, REAL_MATH_SUITE_VERSION, REAL_MATH},
        SuiteImport{SUITE_PLUGIN_GROUP, PLUGIN_GROUP_SUITE_VERSION, PLUGIN_GROUP},
        SuiteImport{SUITE_BLEND_STYLE, BLEND_STYLE_SUITE_VERSION, BLEND_STYLE},
        SuiteImport{SUITE_ART_STYLE, ART_STYLE_SUITE_VERSION, ART_STYLE},
        SuiteImport{SUITE_ART, ART_SUITE_VERSION_12, ART},
        SuiteImport{SUITE_USER, USER_SUITE_VERSION, USER},
        SuiteImport{SUITE_RUNTIME, 7, RUNTIME},
        SuiteImport{SUITE_PLACED, 6, PLACED},
        SuiteImport{SUITE_RASTER, 6, RASTER},
        SuiteImport{SUITE_PATH, PATH_SUITE_VERSION_6, PATH},
        SuiteImport{SUITE_DOCUMENT, DOCUMENT_SUITE_VERSION_9, DOCUMENT},
        SuiteImport{SUITE_DOCUMENT_VIEW, 8, DOCUMENT_VIEW},
        SuiteImport{SUITE_PATH_STYLE, PATH_STYLE_SUITE_VERSION_8, PATH_STYLE},
        SuiteImport{SUITE_CUSTOM_COLOR, CUSTOM_COLOR_SUITE_VERSION, CUSTOM_COLOR},
        SuiteImport{SUITE_GROUP, GROUP_SUITE_VERSION, GROUP},
        SuiteImport{SUITE_LAYER, LAYER_SUITE_VERSION, LAYER},
        SuiteImport{SUITE_TRANSFORM_ART, 1, TRANSFORM_ART},
        SuiteImport{SUITE_TEXT_FRAME, TEXT_FRAME_SUITE_VERSION, TEXT_FRAME},
        SuiteImport{SUITE_FONT, FONT_SUITE_VERSION_2, FONT},
        SuiteImport{SUITE_FOREIGN_OBJECT, 2, FOREIGN_OBJECT},
        SuiteImport{SUITE_ATE_PAINT, AIATE_PAINT_SUITE_VERSION, ATE_PAINT},
        SuiteImport{SUITE_HARD_SOFT, HARD_SOFT_SUITE_VERSION, HARD_SOFT},
        SuiteImport{SUITE_LEGACY_TEXT_CONVERSION, LEGACY_TEXT_CONVERSION_SUITE_VERSION, LEGACY_TEXT_CONVERSION},
    },
    std::array{
        SuiteImport{SUITE_ART_SET, 6, ART_SET},
        SuiteImport{SUITE_UNICODE_STRING, 5, UNICODE_STRING},
        SuiteImport{SUITE_FILE_PATH, FILE_PATH_SUITE_VERSION, FILE_PATH},
        SuiteImport{SUITE_MENU, MENU_SUITE_VERSION, MENU},
        SuiteImport{SUITE_FILE_FORMAT, FILE_FORMAT_SUITE_VERSION, FILE_FORMAT},
        SuiteImport{SUITE_TIMER, TIMER_SUITE_VERSION, TIMER},
        SuiteImport{SUITE_ADM_DIALOG, ADM_DIALOG_SUITE_VERSION, ADM_DIALOG},
        SuiteImport{SUITE_ADM_ITEM, ADM_ITEM_SUITE_VERSION, ADM_ITEM},
        SuiteImport{SUITE_ADM_NOTIFIER, ADM_NOTIFIER_SUITE_VERSION, ADM_NOTIFIER},
        SuiteImport{SUITE_ADM_BASIC, ADM_BASIC_SUITE_VERSION, ADM_BASIC},
        SuiteImport{SUITE_ADM_LIST, 1, ADM_LIST},
        SuiteImport{SUITE_ADM_DRAWER, ADM_DRAWER_SUITE_VERSION, ADM_DRAWER},
        SuiteImport{SUITE_ADM_ENTRY, 2, ADM_ENTRY},
        SuiteImport{SUITE_ADM_ICON, 1, ADM_ICON},
    });

constexpr auto kDraftingSuites = withTextEngine(
    std::array{
        SuiteImport{SUITE_SP_BLOCKS, BLOCKS_SUITE_VERSION, SP_BLOCKS},
        SuiteImport{SUITE_SP_ACCESS, 3, SP_ACCESS},
        SuiteImport{SUITE_PLUGIN, 3, PLUGIN},
        SuiteImport{SUITE_MD_MEMORY, 1, MD_MEMORY},
        SuiteImport{SUITE_REAL_MATH, REAL_MATH_SUITE_VERSION, REAL_MATH},
        SuiteImport{SUITE_ART, ART_SUITE_VERSION_10, ART},
        SuiteImport{SUITE_LAYER, LAYER_SUITE_VERSION, LAYER},
        SuiteImport{SUITE_USER, USER_SUITE_VERSION, USER},
        SuiteImport{SUITE_RUNTIME, 7, RUNTIME},
        SuiteImport{SUITE_PATH, PATH_SUITE_VERSION_5, PATH},
        SuiteImport{SUITE_PATH_STYLE, PATH_STYLE_SUITE_VERSION_5, PATH_STYLE},
        SuiteImport{SUITE_MATCHING_ART, 5, MATCHING_ART},
        SuiteImport{SUITE_DOCUMENT, DOCUMENT_SUITE_VERSION_8, DOCUMENT},
        SuiteImport{SUITE_DOCUMENT_VIEW, 7, DOCUMENT_VIEW},
        SuiteImport{SUITE_TRANSFORM_ART, 1, TRANSFORM_ART},
        SuiteImport{SUITE_TEXT_FRAME, TEXT_FRAME_SUITE_VERSION, TEXT_FRAME},
        SuiteImport{SUITE_FONT, FONT_SUITE_VERSION_1, FONT},
        SuiteImport{SUITE_FOREIGN_OBJECT, 1, FOREIGN_OBJECT},
        SuiteImport{SUITE_ATE_PAINT, AIATE_PAINT_SUITE_VERSION, ATE_PAINT},
    },
    std::array{
        SuiteImport{SUITE_UNDO, 4, UNDO},
        SuiteImport{SUITE_DIALOG_GROUP, 1, DIALOG_GROUP},
        SuiteImport{SUITE_TRACKER, 1, TRACKER},
        SuiteImport{SUITE_CONTEXT, 3, CONTEXT},
        SuiteImport{SUITE_PREFERENCE, 2, PREFERENCE},
        SuiteImport{SUITE_HARD_SOFT, HARD_SOFT_SUITE_VERSION, HARD_SOFT},
        SuiteImport{SUITE_MENU, MENU_SUITE_VERSION, MENU},
        SuiteImport{SUITE_TOOL, TOOL_SUITE_VERSION, TOOL},
        SuiteImport{SUITE_TIMER, TIMER_SUITE_VERSION, TIMER},
        SuiteImport{SUITE_NOTIFIER, NOTIFIER_SUITE_VERSION, NOTIFIER},
        SuiteImport{SUITE_ADM_DIALOG, ADM_DIALOG_SUITE_VERSION, ADM_DIALOG},
        SuiteImport{SUITE_ADM_ITEM, ADM_ITEM_SUITE_VERSION, ADM_ITEM},
        SuiteImport{SUITE_ADM_NOTIFIER, ADM_NOTIFIER_SUITE_VERSION, ADM_NOTIFIER},
        SuiteImport{SUITE_ADM_BASIC, ADM_BASIC_SUITE_VERSION, ADM_BASIC},
        SuiteImport{SUITE_ADM_ICON, 1, ADM_ICON},
        SuiteImport{SUITE_ADM_DRAWER, ADM_DRAWER_SUITE_VERSION, ADM_DRAWER},
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
