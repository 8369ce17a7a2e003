#pragma once
/* Basic types shared by the host and its plug-ins. Plain C: every sdk header compiles as C11 and C++20. */

#include <stdint.h>

#ifdef __cplusplus
#define HOST_EXTERN_C extern "C"
#else
#define HOST_EXTERN_C
#endif

/* Marks the symbols a plug-in module exports to the host (everything else in a module is hidden). */
#define PLUGIN_EXPORT HOST_EXTERN_C __attribute__((visibility("default")))

/* Result of every host operation and plug-in entry: 0 for success, else an error code (ErrorCodes.h). */
typedef int32_t HostResult;

/* A 32-bit boolean as host operations pass it: 0 false, anything else true. */
typedef int32_t HostBool;

/* Four-character code with the first character in the most significant byte ('STOP' is 0x53544F50). */
#define HOST_FOUR_CHAR(a, b, c, d) \
  ((int32_t)(((uint32_t)(uint8_t)(a) << 24) | ((uint32_t)(uint8_t)(b) << 16) | \
             ((uint32_t)(uint8_t)(c) << 8) | (uint32_t)(uint8_t)(d)))

/* A real as artwork stores it (4 bytes). */
typedef float HostReal;

/* A point in artwork points (1/72 inch), y upwards. */
typedef struct HostRealPoint {
  HostReal h;
  HostReal v;
} HostRealPoint;

/* A rectangle in artwork points; top is above bottom (y upwards). */
typedef struct HostRealRect {
  HostReal left;
  HostReal top;
  HostReal right;
  HostReal bottom;
} HostRealRect;

/* A 2-D affine matrix: (x, y) maps to (a x + c y + tx, b x + d y + ty). */
typedef struct HostRealMatrix {
  HostReal a;
  HostReal b;
  HostReal c;
  HostReal d;
  HostReal tx;
  HostReal ty;
} HostRealMatrix;

/* A rectangle in screen or dialog units (integers, y downwards). */
typedef struct HostRect {
  int32_t left;
  int32_t top;
  int32_t right;
  int32_t bottom;
} HostRect;

/* Opaque host handles. The host owns what they refer to; a plug-in keeps them only as long as each
   operation says. */
typedef struct HostPluginOpaque* PluginRef;
typedef struct HostMenuItemOpaque* MenuItemHandle;
typedef struct HostMenuGroupOpaque* MenuGroupHandle;
typedef struct HostTimerOpaque* TimerHandle;
typedef struct HostToolOpaque* ToolHandle;
typedef struct HostNotifierOpaque* NotifierHandle;
typedef struct HostFileFormatOpaque* FileFormatHandle;
typedef struct HostDialogOpaque* DialogRef;
typedef struct HostItemOpaque* ItemRef;
typedef struct HostDialogNotifierOpaque* DialogNotifierRef;
typedef struct HostDrawerOpaque* DrawerRef;
typedef struct HostArtOpaque* ArtHandle;
typedef struct HostLayerOpaque* LayerHandle;
typedef struct HostFontOpaque* FontHandle;
typedef struct HostCustomColorOpaque* CustomColorHandle;
