#pragma once
/* The names under which the host registers its suites, exactly as plug-ins ask for them. */

#define SUITE_SP_BLOCKS              "SP Blocks Suite"
#define SUITE_SP_ACCESS              "SP Access Suite"
#define SUITE_PLUGIN                 "AI Plugin Suite"
#define SUITE_MD_MEMORY              "AI MdMemory Suite"
#define SUITE_FIXED_MATH             "AI Fixed Math Suite"
#define SUITE_REAL_MATH              "AI Real Math Suite"
#define SUITE_PLUGIN_GROUP           "AI Plugin Group Suite"
#define SUITE_BLEND_STYLE            "AI Blend Style Suite"
#define SUITE_ART_STYLE              "AI Art Style Suite"
#define SUITE_ART                    "AI Art Suite"
#define SUITE_USER                   "AI User Suite"
#define SUITE_RUNTIME                "AI Runtime Suite"
#define SUITE_PLACED                 "AI Placed Suite"
#define SUITE_RASTER                 "AI Raster Suite"
#define SUITE_PATH                   "AI Path Suite"
#define SUITE_MATCHING_ART           "AI Matching Art Suite"
#define SUITE_DOCUMENT               "AI Document Suite"
#define SUITE_DOCUMENT_VIEW          "AI Document View Suite"
#define SUITE_PATH_STYLE             "AI Path Style Suite"
#define SUITE_CUSTOM_COLOR           "AI Custom Color Suite"
#define SUITE_GROUP                  "AI Group Suite"
#define SUITE_LAYER                  "AI Layer Suite"
#define SUITE_TRANSFORM_ART          "AI Transform Art Suite"
#define SUITE_TEXT_FRAME             "AI Text Frame Suite"
#define SUITE_FONT                   "AI Font Suite"
#define SUITE_FOREIGN_OBJECT         "AI Foreign Object Suite"
#define SUITE_ATE_PAINT              "AIATE Paint Suite"
#define SUITE_UNDO                   "AI Undo Suite"
#define SUITE_DIALOG_GROUP           "ADM Dialog Group Suite"
#define SUITE_TRACKER                "ADM Tracker Suite"
#define SUITE_CONTEXT                "AI Context Suite"
#define SUITE_PREFERENCE             "AI Preference Suite"
#define SUITE_HARD_SOFT              "AI Hard Soft Suite"
#define SUITE_LEGACY_TEXT_CONVERSION "AI Legacy Text Conversion Suite"
#define SUITE_ART_SET                "AI Art Set Suite"
#define SUITE_UNICODE_STRING         "AI Unicode String Suite"
#define SUITE_FILE_PATH              "AI File Path Suite"
#define SUITE_MENU                   "AI Menu Suite"
#define SUITE_TOOL                   "AI Tool Suite"
#define SUITE_FILE_FORMAT            "AI File Format Suite"
#define SUITE_TIMER                  "AI Timer Suite"
#define SUITE_NOTIFIER               "AI Notifier Suite"
#define SUITE_ADM_DIALOG             "ADM Dialog Suite"
#define SUITE_ADM_ITEM               "ADM Item Suite"
#define SUITE_ADM_NOTIFIER           "ADM Notifier Suite"
#define SUITE_ADM_BASIC              "ADM Basic Suite"
#define SUITE_ADM_LIST               "ADM List Suite"
#define SUITE_ADM_DRAWER             "ADM Drawer Suite"
#define SUITE_ADM_ENTRY              "ADM Entry Suite"
#define SUITE_ADM_ICON               "ADM Icon Suite"
#define SUITE_ADM_IMAGE              "ADM Image Suite"

/* The text-engine suites, all at version 1, in the order plug-ins acquire them: X(name). */
#define TEXT_ENGINE_SUITE_VERSION 1
#define TEXT_ENGINE_SUITE_COUNT 74
#define TEXT_ENGINE_SUITES(X) \
  X("ATE ApplicationPaint Suite") \
  X("ATE CompFont Suite") \
  X("ATE CompFontClass Suite") \
  X("ATE CompFontClassSet Suite") \
  X("ATE CompFontComponent Suite") \
  X("ATE CompFontSet Suite") \
  X("ATE GlyphRun Suite") \
  X("ATE GlyphRunsIterator Suite") \
  X("ATE MojiKumi Suite") \
  X("ATE MojiKumiSet Suite") \
  X("ATE TextFrame Suite") \
  X("ATE TextFramesIterator Suite") \
  X("ATE TextLine Suite") \
  X("ATE TextLinesIterator Suite") \
  X("ATE TextResources Suite") \
  X("ATE ApplicationTextResources Suite") \
  X("ATE DocumentTextResources Suite") \
  X("ATE ArrayApplicationPaintRef Suite") \
  X("ATE ArrayReal Suite") \
  X("ATE ArrayBool Suite") \
  X("ATE ArrayInteger Suite") \
  X("ATE ArrayLineCapType Suite") \
  X("ATE ArrayFigureStyle Suite") \
  X("ATE ArrayLineJoinType Suite") \
  X("ATE ArrayWariChuJustification Suite") \
  X("ATE ArrayStyleRunAlignment Suite") \
  X("ATE ArrayAutoKernType Suite") \
  X("ATE ArrayBaselineDirection Suite") \
  X("ATE ArrayLanguage Suite") \
  X("ATE ArrayFontCapsOption Suite") \
  X("ATE ArrayFontBaselineOption Suite") \
  X("ATE ArrayParagraphJustification Suite") \
  X("ATE ArrayArrayReal Suite") \
  X("ATE ArrayBurasagariType Suite") \
  X("ATE ArrayPreferredKinsokuOrder Suite") \
  X("ATE ArrayKinsokuRef Suite") \
  X("ATE ArrayMojiKumiRef Suite") \
  X("ATE ArrayMojiKumiSetRef Suite") \
  X("ATE ArrayTabStopsRef Suite") \
  X("ATE ArrayLeadingType Suite") \
  X("ATE ArrayFontRef Suite") \
  X("ATE ArrayGlyphID Suite") \
  X("ATE ArrayRealPoint Suite") \
  X("ATE ArrayRealMatrix Suite") \
  X("ATE CharFeatures Suite") \
  X("ATE CharInspector Suite") \
  X("ATE CharStyle Suite") \
  X("ATE CharStyles Suite") \
  X("ATE CharStylesIterator Suite") \
  X("ATE Find Suite") \
  X("ATE Font Suite") \
  X("ATE Glyph Suite") \
  X("ATE Glyphs Suite") \
  X("ATE GlyphsIterator Suite") \
  X("ATE Kinsoku Suite") \
  X("ATE KinsokuSet Suite") \
  X("ATE ParaFeatures Suite") \
  X("ATE Paragraph Suite") \
  X("ATE ParagraphsIterator Suite") \
  X("ATE ParaInspector Suite") \
  X("ATE ParaStyle Suite") \
  X("ATE ParaStyles Suite") \
  X("ATE ParaStylesIterator Suite") \
  X("ATE Spell Suite") \
  X("ATE Stories Suite") \
  X("ATE Story Suite") \
  X("ATE TabStop Suite") \
  X("ATE TabStops Suite") \
  X("ATE TabStopsIterator Suite") \
  X("ATE TextRange Suite") \
  X("ATE TextRanges Suite") \
  X("ATE TextRangesIterator Suite") \
  X("ATE TextRunsIterator Suite") \
  X("ATE WordsIterator Suite")
