#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string_view>

#include "host/sdk/BlocksSuite.h"
#include "host/sdk/CustomColorSuite.h"
#include "host/sdk/RealMathSuite.h"
#include "host/sdk/DialogSuites.h"
#include "host/sdk/ArtAppearanceSuites.h"
#include "host/sdk/ArtSuite.h"
#include "host/sdk/DocumentSuite.h"
#include "host/sdk/DrawerSuite.h"
#include "host/sdk/FileFormatSuite.h"
#include "host/sdk/FilePathSuite.h"
#include "host/sdk/HardSoftSuite.h"
#include "host/sdk/LayerSuite.h"
#include "host/sdk/LegacyTextSuite.h"
#include "host/sdk/FontSuite.h"
#include "host/sdk/MenuSuite.h"
#include "host/sdk/PathStyleSuite.h"
#include "host/sdk/PathSuite.h"
#include "host/sdk/NotifierSuite.h"
#include "host/sdk/SuiteNames.h"
#include "host/sdk/TextEngineSuites.h"
#include "host/sdk/TextFrameSuite.h"
#include "host/sdk/TimerSuite.h"
#include "host/sdk/ToolSuite.h"
#include "host/sdk/UserSuite.h"

namespace plugin {

/// One slot of HostSuites per suite a plug-in may import; the text-engine suites follow in their own order.
enum class SuiteSlot : uint16_t {
  SP_BLOCKS, SP_ACCESS, PLUGIN, MD_MEMORY, FIXED_MATH, REAL_MATH, PLUGIN_GROUP, BLEND_STYLE, ART_STYLE, ART, USER,
  RUNTIME, PLACED, RASTER, PATH, MATCHING_ART, DOCUMENT, DOCUMENT_VIEW, PATH_STYLE, CUSTOM_COLOR, GROUP, LAYER,
  TRANSFORM_ART, TEXT_FRAME, FONT, FOREIGN_OBJECT, ATE_PAINT, UNDO, DIALOG_GROUP, TRACKER, CONTEXT, PREFERENCE,
  HARD_SOFT, LEGACY_TEXT_CONVERSION, ART_SET, UNICODE_STRING, FILE_PATH, MENU, TOOL, FILE_FORMAT, TIMER, NOTIFIER,
  ADM_DIALOG, ADM_ITEM, ADM_NOTIFIER, ADM_BASIC, ADM_LIST, ADM_DRAWER, ADM_ENTRY, ADM_ICON, ADM_IMAGE,
  TEXT_ENGINE_FIRST,
};

/// Number of slots: the named suites and the text-engine suites.
inline constexpr size_t kSuiteSlotCount = static_cast<size_t>(SuiteSlot::TEXT_ENGINE_FIRST) + TEXT_ENGINE_SUITE_COUNT;

/// The slot of the index-th text-engine suite (in the order of TEXT_ENGINE_SUITES).
[[nodiscard]] constexpr SuiteSlot textEngineSlot(size_t index) {
  return static_cast<SuiteSlot>(static_cast<size_t>(SuiteSlot::TEXT_ENGINE_FIRST) + index);
}

#define PLUGIN_TEXT_ENGINE_NAME(name) name,
/// The text-engine suites' names in their order.
inline constexpr std::array<std::string_view, TEXT_ENGINE_SUITE_COUNT> kTextEngineSuiteNames{
    TEXT_ENGINE_SUITES(PLUGIN_TEXT_ENGINE_NAME)};
#undef PLUGIN_TEXT_ENGINE_NAME

/// The slot of the text-engine suite of that name (compile-time: an unknown name does not compile).
[[nodiscard]] consteval SuiteSlot textEngineSlotNamed(std::string_view name) {
  for (size_t index = 0; index < kTextEngineSuiteNames.size(); ++index) {
    if (kTextEngineSuiteNames[index] == name) return textEngineSlot(index);
  }
  throw "not a text-engine suite";
}

/// One row of a plug-in's suite table: the suite's name exactly as the host registers it, the version the
/// plug-in asks for, and the slot that receives its operation table.
struct SuiteImport {
  const char* name;
  int32_t version;
  SuiteSlot destination;
};

/// The slot a suite's operation table lands in, for typed access (HostSuites::get).
template <class Suite>
struct SuiteSlotOf;
template <> struct SuiteSlotOf<BlocksSuite> { static constexpr SuiteSlot value = SuiteSlot::SP_BLOCKS; };
template <> struct SuiteSlotOf<UserSuite> { static constexpr SuiteSlot value = SuiteSlot::USER; };
template <> struct SuiteSlotOf<MenuSuite> { static constexpr SuiteSlot value = SuiteSlot::MENU; };
template <> struct SuiteSlotOf<ToolSuite> { static constexpr SuiteSlot value = SuiteSlot::TOOL; };
template <> struct SuiteSlotOf<FileFormatSuite> { static constexpr SuiteSlot value = SuiteSlot::FILE_FORMAT; };
template <> struct SuiteSlotOf<TimerSuite> { static constexpr SuiteSlot value = SuiteSlot::TIMER; };
template <> struct SuiteSlotOf<NotifierSuite> { static constexpr SuiteSlot value = SuiteSlot::NOTIFIER; };
template <> struct SuiteSlotOf<AdmDialogSuite> { static constexpr SuiteSlot value = SuiteSlot::ADM_DIALOG; };
template <> struct SuiteSlotOf<AdmItemSuite> { static constexpr SuiteSlot value = SuiteSlot::ADM_ITEM; };
template <> struct SuiteSlotOf<AdmNotifierSuite> { static constexpr SuiteSlot value = SuiteSlot::ADM_NOTIFIER; };
template <> struct SuiteSlotOf<AdmBasicSuite> { static constexpr SuiteSlot value = SuiteSlot::ADM_BASIC; };
template <> struct SuiteSlotOf<AdmDrawerSuite> { static constexpr SuiteSlot value = SuiteSlot::ADM_DRAWER; };
template <> struct SuiteSlotOf<TextFrameSuite> { static constexpr SuiteSlot value = SuiteSlot::TEXT_FRAME; };
template <> struct SuiteSlotOf<FontSuite> { static constexpr SuiteSlot value = SuiteSlot::FONT; };
template <> struct SuiteSlotOf<FilePathSuite> { static constexpr SuiteSlot value = SuiteSlot::FILE_PATH; };
template <> struct SuiteSlotOf<DocumentSuite> { static constexpr SuiteSlot value = SuiteSlot::DOCUMENT; };
template <> struct SuiteSlotOf<LayerSuite> { static constexpr SuiteSlot value = SuiteSlot::LAYER; };
template <> struct SuiteSlotOf<ArtSuite> { static constexpr SuiteSlot value = SuiteSlot::ART; };
template <> struct SuiteSlotOf<GroupSuite> { static constexpr SuiteSlot value = SuiteSlot::GROUP; };
template <> struct SuiteSlotOf<ArtStyleSuite> { static constexpr SuiteSlot value = SuiteSlot::ART_STYLE; };
template <> struct SuiteSlotOf<BlendStyleSuite> { static constexpr SuiteSlot value = SuiteSlot::BLEND_STYLE; };
template <> struct SuiteSlotOf<PluginGroupSuite> { static constexpr SuiteSlot value = SuiteSlot::PLUGIN_GROUP; };
template <> struct SuiteSlotOf<PathStyleSuite> { static constexpr SuiteSlot value = SuiteSlot::PATH_STYLE; };
template <> struct SuiteSlotOf<PathSuite> { static constexpr SuiteSlot value = SuiteSlot::PATH; };
template <> struct SuiteSlotOf<HardSoftSuite> { static constexpr SuiteSlot value = SuiteSlot::HARD_SOFT; };
template <> struct SuiteSlotOf<LegacyTextConversionSuite> { static constexpr SuiteSlot value = SuiteSlot::LEGACY_TEXT_CONVERSION; };
template <> struct SuiteSlotOf<CustomColorSuite> { static constexpr SuiteSlot value = SuiteSlot::CUSTOM_COLOR; };
template <> struct SuiteSlotOf<RealMathSuite> { static constexpr SuiteSlot value = SuiteSlot::REAL_MATH; };
template <> struct SuiteSlotOf<AiAtePaintSuite> { static constexpr SuiteSlot value = SuiteSlot::ATE_PAINT; };
template <> struct SuiteSlotOf<AteTextFrameSuite> { static constexpr SuiteSlot value = textEngineSlotNamed("ATE TextFrame Suite"); };
template <> struct SuiteSlotOf<AteTextLinesIteratorSuite> { static constexpr SuiteSlot value = textEngineSlotNamed("ATE TextLinesIterator Suite"); };
template <> struct SuiteSlotOf<AteTextLineSuite> { static constexpr SuiteSlot value = textEngineSlotNamed("ATE TextLine Suite"); };
template <> struct SuiteSlotOf<AteGlyphRunsIteratorSuite> { static constexpr SuiteSlot value = textEngineSlotNamed("ATE GlyphRunsIterator Suite"); };
template <> struct SuiteSlotOf<AteGlyphRunSuite> { static constexpr SuiteSlot value = textEngineSlotNamed("ATE GlyphRun Suite"); };
template <> struct SuiteSlotOf<AteTextRangeSuite> { static constexpr SuiteSlot value = textEngineSlotNamed("ATE TextRange Suite"); };
template <> struct SuiteSlotOf<AteTextRunsIteratorSuite> { static constexpr SuiteSlot value = textEngineSlotNamed("ATE TextRunsIterator Suite"); };
template <> struct SuiteSlotOf<AteCharFeaturesSuite> { static constexpr SuiteSlot value = textEngineSlotNamed("ATE CharFeatures Suite"); };
template <> struct SuiteSlotOf<AteParaFeaturesSuite> { static constexpr SuiteSlot value = textEngineSlotNamed("ATE ParaFeatures Suite"); };
template <> struct SuiteSlotOf<AteApplicationPaintSuite> { static constexpr SuiteSlot value = textEngineSlotNamed("ATE ApplicationPaint Suite"); };

/// The host suites a plug-in holds: one pointer per slot, null while the suite is not held.
class HostSuites {
public:
  /// The operation table of Suite, or null while it is not held.
  template <class Suite>
  [[nodiscard]] const Suite* get() const {
    return static_cast<const Suite*>(slot(SuiteSlotOf<Suite>::value));
  }
  [[nodiscard]] const void* slot(SuiteSlot which) const { return slots[static_cast<size_t>(which)]; }
  void set(SuiteSlot which, const void* table) { slots[static_cast<size_t>(which)] = table; }
  [[nodiscard]] bool holds(SuiteSlot which) const { return slot(which) != nullptr; }

private:
  std::array<const void*, kSuiteSlotCount> slots{};
};

/// The converter's suite table (115 rows, in its acquisition order).
[[nodiscard]] std::span<const SuiteImport> converterSuiteTable();
/// The drafting plug-in's suite table (112 rows, in its acquisition order).
[[nodiscard]] std::span<const SuiteImport> draftingSuiteTable();

}  // namespace plugin
