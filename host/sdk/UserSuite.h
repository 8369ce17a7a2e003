#pragma once
/* "AI User Suite": numbers to and from text, as the host shows them. */

#include "host/sdk/HostTypes.h"
#include "host/sdk/SuiteNames.h"

#define USER_SUITE_VERSION 6

typedef struct UserSuite {
  /* Reads a decimal number (optional sign, digits, optional fraction and exponent; leading spaces allowed)
     from the zero-terminated text into *value. Result 0, or HOST_BAD_PARAMETER when the text holds no
     number (*value then 0). */
  HostResult (*textToNumber)(const char* text, double* value);
  /* Writes value with decimalPlaces digits after the point (0: none, rounded) into text, at most capacity
     bytes including the terminating zero. Result 0 or HOST_BAD_PARAMETER (capacity too small). */
  HostResult (*numberToText)(double value, int32_t decimalPlaces, char* text, int32_t capacity);
} UserSuite;
