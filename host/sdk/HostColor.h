#pragma once
/* Colours as path styles and the text engine deliver them: a kind and values, all reals from 0 to 1. */

#include "host/sdk/HostTypes.h"

#define COLOR_KIND_GRAY 0
#define COLOR_KIND_FOUR 1
#define COLOR_KIND_PATTERN 2
#define COLOR_KIND_CUSTOM 3
#define COLOR_KIND_GRADIENT 4
#define COLOR_KIND_THREE 5

/* Ink amounts: 0 none, 1 full (gray 1 is black). */
typedef struct HostFourColor {
  HostReal cyan;
  HostReal magenta;
  HostReal yellow;
  HostReal black;
} HostFourColor;

/* Light amounts: 0 none, 1 full (1, 1, 1 is white). */
typedef struct HostThreeColor {
  HostReal red;
  HostReal green;
  HostReal blue;
} HostThreeColor;

/* A document's custom colour at a tint: 0 the full colour, 1 white. */
typedef struct HostCustomColorTint {
  CustomColorHandle color;
  HostReal tint;
} HostCustomColorTint;

typedef struct HostColor {
  /* COLOR_KIND_...; pattern and gradient colours carry no values here. */
  int32_t kind;
  union {
    HostReal gray;
    HostFourColor four;
    HostThreeColor three;
    HostCustomColorTint custom;
  } c;
} HostColor;
