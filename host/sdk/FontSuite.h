#pragma once
/* "AI Font Suite": the host's fonts, in a fixed order (sorted by full name), with their metrics at unit size. */

#include "host/sdk/HostTypes.h"
#include "host/sdk/SuiteNames.h"

/* Both versions plug-ins ask for share one table. */
#define FONT_SUITE_VERSION_1 1
#define FONT_SUITE_VERSION_2 2

/* A font's vertical metrics per unit of size, from its horizontal header: ascent above the baseline, descent
   below it (positive), and the line gap. */
typedef struct FontMetrics {
  HostReal ascent;
  HostReal descent;
  HostReal lineGap;
} FontMetrics;

typedef struct FontSuite {
  /* Number of fonts. Result 0. */
  HostResult (*countFonts)(int32_t* count);
  /* The font at index (0-based). Handles stay valid while the host runs. Result 0 or HOST_BAD_PARAMETER. */
  HostResult (*indexFontList)(int32_t index, FontHandle* font);
  /* The font's full name ("DejaVu Sans Bold"), UTF-8, at most maxLength bytes with the terminating zero.
     Result 0, HOST_BAD_HANDLE or HOST_BAD_PARAMETER. */
  HostResult (*getFullFontName)(FontHandle font, char* name, int32_t maxLength);
  /* The font's PostScript name, as getFullFontName. */
  HostResult (*getPostScriptFontName)(FontHandle font, char* name, int32_t maxLength);
  /* The advance width at unit size of the character whose UTF-8 bytes begin at character (one character is
     read). A character the font lacks is measured in the font the host falls back to. Result 0,
     HOST_BAD_HANDLE or HOST_BAD_PARAMETER (not UTF-8). */
  HostResult (*getCharacterAdvance)(FontHandle font, const char* character, HostReal* advance);
  /* The font's vertical metrics at unit size. */
  HostResult (*getFontMetrics)(FontHandle font, FontMetrics* metrics);
} FontSuite;
