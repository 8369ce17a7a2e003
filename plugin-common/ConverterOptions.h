#pragma once
// The converter's option set. Every field is named by its settings key and listed in the order in which the
// settings file is written. INT16 switches are off for 0 and on for any other value.

#include <cstdint>
#include <span>
#include <string_view>
#include <type_traits>

#include "plugin-common/LanguageId.h"

namespace plugin {

/// Capacity of the TEXT(63) option cnvfont, terminator included.
inline constexpr size_t kFontNameCapacity = 64;

/// The converter's options, part of its global record (zero-filled host memory until the defaults are set).
struct ConverterOptions {
  /// Export: use the layer name.
  int16_t fuselname;
  /// Export: smoothing with arcs.
  int16_t fusesmoth;
  /// Export: line optimization.
  int16_t fuselnfix;
  /// Import: approximate with Bezier curves.
  int16_t fusebzknj;
  /// Import: place MTEXT as area text.
  int16_t fuseatext;
  /// Export and import: convert special characters.
  int16_t fuseschar;
  /// Export: use line-width information.
  int16_t fuseWidth;
  /// Export: use circles for paths without line width.
  int16_t fuseCircle;
  /// Import: connect lines.
  int16_t fjoinPoly;
  /// Export: expand appearances.
  int16_t fcnvApper;
  /// Export: convert clipping paths.
  int16_t fcnvMask;
  /// Export: convert fill colours to solid hatching.
  int16_t fcnvFill;
  /// Import: convert image frames.
  int16_t fuseImgfr;
  /// Import: object position adjustment.
  int16_t fAdjObjPos;
  /// TIIP compatibility of the output (TIIP_... below).
  int16_t ftiipcomp;
  /// Carried through the settings file; nothing uses it.
  int16_t ffixScalTx;
  /// Import: polyline optimization.
  int16_t fuseplnfix;
  /// Import: polyline smoothing.
  int16_t fusepsmoth;
  /// Import: optimization vertices, 0 to 1000.
  int16_t plxVertex;
  /// Import: smoothing angle in radians.
  float plxAngle;
  /// Import: tolerance, 0 to 2.
  float plxAber;
  /// Import: font of created text; empty means the host's first font.
  char cnvfont[kFontNameCapacity];
  /// Units of the DXF file (UNITS_... below).
  int16_t cnvtTani;
  /// Point of origin (ORIGIN_... below).
  int16_t orgnMode;
  /// Line conversion (POLY_MODE_... below).
  int16_t polyMode;
  /// Drawing scale as a factor, 1.0 = 100 %.
  float cnvtScal;
  /// Export: tolerance in points, 0 to 2.
  float cnvtAber;
  /// Import: connect-lines interval, 0 to 2.
  float cnvtJoin;
  /// Index in the language's character-set list (characterSetNames).
  int16_t schrType;
  /// Export: vertex limit of one POLYLINE.
  int16_t vertexLimit;
  /// 1 selects the TIIP variant of the plug-in.
  int16_t kelmot;
};

static_assert(std::is_trivially_copyable_v<ConverterOptions> && std::is_standard_layout_v<ConverterOptions>,
              "the options live in zero-filled host memory");

// Values of ftiipcomp.
/// "TIIP non-compatibility".
inline constexpr int16_t TIIP_NONE = 0;
/// "TIIP (General)": only groups directly on a layer become blocks.
inline constexpr int16_t TIIP_GENERAL = 1;
/// "TIIP (ASAHI KASEI AGMS)": the whole drawing is one block on layer "1".
inline constexpr int16_t TIIP_ASAHI_KASEI_AGMS = 2;
/// "TIIP (TORAY CREACOMPO)": no blocks, every entity on layer "1", arcs as straight segments.
inline constexpr int16_t TIIP_TORAY_CREACOMPO = 3;

// Values of cnvtTani.
/// "Inches".
inline constexpr int16_t UNITS_INCHES = 0;
/// "Millimeters".
inline constexpr int16_t UNITS_MILLIMETERS = 1;

// Values of orgnMode.
/// "Ruler Origin".
inline constexpr int16_t ORIGIN_RULER = 0;
/// "Page Bottom Left".
inline constexpr int16_t ORIGIN_PAGE_BOTTOM_LEFT = 1;
/// "Printable Area Bottom Left".
inline constexpr int16_t ORIGIN_PRINTABLE_AREA_BOTTOM_LEFT = 2;
/// "Printable Area Center".
inline constexpr int16_t ORIGIN_PRINTABLE_AREA_CENTER = 3;

// Values of polyMode.
/// "Polyline".
inline constexpr int16_t POLY_MODE_POLYLINE = 0;
/// "Polyline and Arc".
inline constexpr int16_t POLY_MODE_POLYLINE_AND_ARC = 1;
/// "Line and Arc".
inline constexpr int16_t POLY_MODE_LINE_AND_ARC = 2;

/// The companion product's registry key below HKEY_CURRENT_USER.
inline constexpr std::string_view kCompanionRegistryKey = "Software\\QUILLMERE\\Pelmgate";
/// The companion's DWORD that skips the option dialogs when non-zero.
inline constexpr std::string_view kCompanionDialogFlagName = "DXFTOAI_DLGFLG";

/// Every option at its default: what a fresh start without a settings file uses.
[[nodiscard]] ConverterOptions defaultConverterOptions();

/// The character-set list of the language, indexed by schrType: Japanese and Korean begin with their native
/// double-byte set, English has the two single-byte sets only. An unknown language gets the Japanese list.
[[nodiscard]] std::span<const std::string_view> characterSetNames(LanguageId language);

/// The companion product's DWORD "DXFTOAI_DLGFLG", read afresh at every call; 0 when the key or the value is
/// missing or cannot be read.
[[nodiscard]] uint32_t readCompanionDialogFlag();

}  // namespace plugin
