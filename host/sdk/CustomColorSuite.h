#pragma once
/* "AI Custom Color Suite": the document's custom (spot) colours. A custom colour is a named process or screen
   colour; paints use it through a HostColor of kind COLOR_KIND_CUSTOM with a tint. The document owns every
   custom colour; a handle stays valid as long as the document. */

#include "host/sdk/HostColor.h"
#include "host/sdk/HostTypes.h"
#include "host/sdk/SuiteNames.h"

#define CUSTOM_COLOR_SUITE_VERSION 6

/* The kinds of a custom colour (numbered as the suite numbers them, not as HostColor kinds). */
#define CUSTOM_COLOR_KIND_FOUR 0
#define CUSTOM_COLOR_KIND_THREE 1

/* A custom colour's full-strength values. */
typedef struct HostCustomColor {
  /* CUSTOM_COLOR_KIND_... */
  int32_t kind;
  union {
    HostFourColor four;
    HostThreeColor three;
  } c;
} HostCustomColor;

/* Every operation returns 0, HOST_BAD_HANDLE (not a custom colour of the current document) or
   HOST_BAD_PARAMETER; out values are written only on success. */
typedef struct CustomColorSuite {
  /* Adds a custom colour named name (UTF-8, not empty, new in the document) with the values of color (each
     0 to 1). *handle receives it. HOST_DUPLICATE_NAME when the name is taken. */
  HostResult (*newCustomColor)(const HostCustomColor* color, const char* name, CustomColorHandle* handle);
  /* The values of a custom colour. */
  HostResult (*getCustomColor)(CustomColorHandle handle, HostCustomColor* color);
  /* The name of a custom colour, UTF-8, at most maxLength bytes with the terminating zero (cut at a character
     boundary). */
  HostResult (*getCustomColorName)(CustomColorHandle handle, char* name, int32_t maxLength);
  /* Number of the document's custom colours. */
  HostResult (*countCustomColors)(int32_t* count);
  /* The custom colour at index (0-based, in the order they were added). */
  HostResult (*getNthCustomColor)(int32_t index, CustomColorHandle* handle);
} CustomColorSuite;
