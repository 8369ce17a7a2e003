#pragma once
/* The text engine's suites ("ATE ... Suite", all version 1) and "AIATE Paint Suite". Text-engine objects are
   host objects behind references: every reference a plug-in receives is its own and must be given back with
   its suite's release, once. Text crossing these suites is UTF-8 unless an operation says otherwise. */

#include "host/sdk/HostColor.h"
#include "host/sdk/HostTypes.h"
#include "host/sdk/SuiteNames.h"

#define AIATE_PAINT_SUITE_VERSION 1

typedef struct HostTextFrameOpaque* TextFrameRef;
typedef struct HostTextRangeOpaque* TextRangeRef;
typedef struct HostTextLinesIteratorOpaque* TextLinesIteratorRef;
typedef struct HostTextLineOpaque* TextLineRef;
typedef struct HostGlyphRunsIteratorOpaque* GlyphRunsIteratorRef;
typedef struct HostGlyphRunOpaque* GlyphRunRef;
typedef struct HostTextRunsIteratorOpaque* TextRunsIteratorRef;
typedef struct HostCharFeaturesOpaque* CharFeaturesRef;
typedef struct HostParaFeaturesOpaque* ParaFeaturesRef;
typedef struct HostApplicationPaintOpaque* ApplicationPaintRef;

/* Paragraph justification. */
#define JUSTIFY_LEFT 0
#define JUSTIFY_CENTER 1
#define JUSTIFY_RIGHT 2

/* Every operation returns 0, HOST_BAD_HANDLE (a reference that is not live), HOST_BAD_PARAMETER, or
   HOST_OUT_OF_MEMORY. Out pointers are written only on success. */

/* "ATE TextFrame Suite": a frame's lines and story. */
typedef struct AteTextFrameSuite {
  HostResult (*release)(TextFrameRef frame);
  /* The frame's lines as laid out now, top to bottom. */
  HostResult (*getTextLinesIterator)(TextFrameRef frame, TextLinesIteratorRef* lines);
  /* A range over the frame's whole story. */
  HostResult (*getTextRange)(TextFrameRef frame, TextRangeRef* range);
} AteTextFrameSuite;

/* "ATE TextLinesIterator Suite". */
typedef struct AteTextLinesIteratorSuite {
  HostResult (*release)(TextLinesIteratorRef lines);
  /* *notDone is non-zero while item() has a line. */
  HostResult (*isNotDone)(TextLinesIteratorRef lines, HostBool* notDone);
  HostResult (*next)(TextLinesIteratorRef lines);
  HostResult (*item)(TextLinesIteratorRef lines, TextLineRef* line);
} AteTextLinesIteratorSuite;

/* "ATE TextLine Suite": one laid-out line. */
typedef struct AteTextLineSuite {
  HostResult (*release)(TextLineRef line);
  /* The line's glyph runs, left to right in reading order. */
  HostResult (*getGlyphRunsIterator)(TextLineRef line, GlyphRunsIteratorRef* runs);
  /* The characters of the line (its paragraph's features are those of the range's first paragraph). */
  HostResult (*getTextRange)(TextLineRef line, TextRangeRef* range);
} AteTextLineSuite;

/* "ATE GlyphRunsIterator Suite". */
typedef struct AteGlyphRunsIteratorSuite {
  HostResult (*release)(GlyphRunsIteratorRef runs);
  HostResult (*isNotDone)(GlyphRunsIteratorRef runs, HostBool* notDone);
  HostResult (*next)(GlyphRunsIteratorRef runs);
  HostResult (*item)(GlyphRunsIteratorRef runs, GlyphRunRef* run);
} AteGlyphRunsIteratorSuite;

/* "ATE GlyphRun Suite": characters of one font and one set of features on one line. */
typedef struct AteGlyphRunSuite {
  HostResult (*release)(GlyphRunRef run);
  /* The baseline origin of the run's first glyph, in the frame's own coordinates (apply the frame matrix for
     artwork coordinates). */
  HostResult (*getOrigin)(GlyphRunRef run, HostRealPoint* origin);
  /* The features of the run's characters. */
  HostResult (*getCharFeatures)(GlyphRunRef run, CharFeaturesRef* features);
  /* The run's characters in the system code page (characters it lacks become "?"), at most maxLength bytes
     with the terminating zero (cut at a character boundary); *length receives the full length in bytes. */
  HostResult (*getContents)(GlyphRunRef run, char* text, int32_t maxLength, int32_t* length);
  /* The run's characters as UTF-8, as getContents. */
  HostResult (*getContentsUtf8)(GlyphRunRef run, char* text, int32_t maxLength, int32_t* length);
} AteGlyphRunSuite;

/* "ATE TextRange Suite": a span of a story's characters (code points; paragraphs separated by '\r'). */
typedef struct AteTextRangeSuite {
  HostResult (*release)(TextRangeRef range);
  HostResult (*getStart)(TextRangeRef range, int32_t* start);
  HostResult (*getEnd)(TextRangeRef range, int32_t* end);
  /* Moves the range; 0 <= start <= end <= the story's character count. */
  HostResult (*setRange)(TextRangeRef range, int32_t start, int32_t end);
  /* The characters in the system code page, as the glyph run's getContents. */
  HostResult (*getContents)(TextRangeRef range, char* text, int32_t maxLength, int32_t* length);
  /* The characters as UTF-8. */
  HostResult (*getContentsUtf8)(TextRangeRef range, char* text, int32_t maxLength, int32_t* length);
  /* Inserts UTF-8 text ('\r' starts a new paragraph) after the range, with the features of the character
     before; the range grows to include it. */
  HostResult (*insertAfter)(TextRangeRef range, const char* text);
  /* The range's runs: sub-ranges of equal character features. */
  HostResult (*getTextRunsIterator)(TextRangeRef range, TextRunsIteratorRef* runs);
  /* The features of the range's first character, and of its first paragraph. */
  HostResult (*getCharFeatures)(TextRangeRef range, CharFeaturesRef* features);
  HostResult (*getParaFeatures)(TextRangeRef range, ParaFeaturesRef* features);
  /* Applies the features that are assigned in features to every character, respectively paragraph, of the
     range; unassigned ones stay as they are. */
  HostResult (*setLocalCharFeatures)(TextRangeRef range, CharFeaturesRef features);
  HostResult (*setLocalParaFeatures)(TextRangeRef range, ParaFeaturesRef features);
} AteTextRangeSuite;

/* "ATE TextRunsIterator Suite". */
typedef struct AteTextRunsIteratorSuite {
  HostResult (*release)(TextRunsIteratorRef runs);
  HostResult (*isNotDone)(TextRunsIteratorRef runs, HostBool* notDone);
  HostResult (*next)(TextRunsIteratorRef runs);
  HostResult (*item)(TextRunsIteratorRef runs, TextRangeRef* run);
} AteTextRunsIteratorSuite;

/* "ATE CharFeatures Suite": a set of character features, each assigned or not. Getters report whether the
   feature is assigned in *assigned and write the value only when it is. */
typedef struct AteCharFeaturesSuite {
  /* A new set with nothing assigned. */
  HostResult (*initialize)(CharFeaturesRef* features);
  HostResult (*release)(CharFeaturesRef features);
  HostResult (*getFont)(CharFeaturesRef features, HostBool* assigned, FontHandle* font);
  HostResult (*setFont)(CharFeaturesRef features, FontHandle font);
  /* Size in points (0.1 to 1296). */
  HostResult (*getFontSize)(CharFeaturesRef features, HostBool* assigned, HostReal* size);
  HostResult (*setFontSize)(CharFeaturesRef features, HostReal size);
  /* Scales, 1 = 100 %. */
  HostResult (*getHorizontalScale)(CharFeaturesRef features, HostBool* assigned, HostReal* scale);
  HostResult (*setHorizontalScale)(CharFeaturesRef features, HostReal scale);
  HostResult (*getVerticalScale)(CharFeaturesRef features, HostBool* assigned, HostReal* scale);
  HostResult (*setVerticalScale)(CharFeaturesRef features, HostReal scale);
  /* Whether the characters are filled, and with what; the paint reference is the caller's to release. */
  HostResult (*getFill)(CharFeaturesRef features, HostBool* assigned, HostBool* fill);
  HostResult (*setFill)(CharFeaturesRef features, HostBool fill);
  HostResult (*getFillColor)(CharFeaturesRef features, HostBool* assigned, ApplicationPaintRef* paint);
  HostResult (*setFillColor)(CharFeaturesRef features, ApplicationPaintRef paint);
  /* Whether the characters are stroked, and with what. */
  HostResult (*getStroke)(CharFeaturesRef features, HostBool* assigned, HostBool* stroke);
  HostResult (*setStroke)(CharFeaturesRef features, HostBool stroke);
  HostResult (*getStrokeColor)(CharFeaturesRef features, HostBool* assigned, ApplicationPaintRef* paint);
  HostResult (*setStrokeColor)(CharFeaturesRef features, ApplicationPaintRef paint);
} AteCharFeaturesSuite;

/* "ATE ParaFeatures Suite": paragraph features, each assigned or not. */
typedef struct AteParaFeaturesSuite {
  HostResult (*initialize)(ParaFeaturesRef* features);
  HostResult (*release)(ParaFeaturesRef features);
  /* JUSTIFY_... */
  HostResult (*getJustification)(ParaFeaturesRef features, HostBool* assigned, int32_t* justification);
  HostResult (*setJustification)(ParaFeaturesRef features, int32_t justification);
} AteParaFeaturesSuite;

/* "ATE ApplicationPaint Suite": a colour as the text engine keeps it. */
typedef struct AteApplicationPaintSuite {
  HostResult (*release)(ApplicationPaintRef paint);
} AteApplicationPaintSuite;

/* "AIATE Paint Suite": between host colours and the text engine's paints. */
typedef struct AiAtePaintSuite {
  /* The host colour of a paint. */
  HostResult (*getAIColor)(ApplicationPaintRef paint, HostColor* color);
  /* A new paint of a host colour; the caller releases it. HOST_BAD_PARAMETER for a colour kind the text
     engine cannot hold (pattern, gradient). */
  HostResult (*getATEApplicationPaint)(const HostColor* color, ApplicationPaintRef* paint);
} AiAtePaintSuite;
