#pragma once
/* "ADM Drawer Suite": what an item's drawing procedure draws with. A drawer is valid only during the drawing
   procedure it was handed to; any other handle does nothing. Rectangles are in the item's own coordinates
   (its local rectangle starts at 0, 0). */

#include "host/sdk/HostTypes.h"
#include "host/sdk/SuiteNames.h"

#define ADM_DRAWER_SUITE_VERSION 3

/* Colour numbers of the drawer's palette. */
#define ADM_COLOR_BLACK 0
#define ADM_COLOR_WHITE 1

typedef struct AdmDrawerSuite {
  /* The rectangle the drawer draws in: the item's local rectangle. */
  void (*getBoundsRect)(DrawerRef drawer, HostRect* bounds);
  /* The colour of the next frames and fills, ADM_COLOR_...; a drawer starts in black. */
  void (*setColor)(DrawerRef drawer, int32_t color);
  int32_t (*getColor)(DrawerRef drawer);
  /* Draws the one-unit outline of rect in the current colour. */
  void (*frameRect)(DrawerRef drawer, const HostRect* rect);
  /* Fills rect in the current colour. */
  void (*fillRect)(DrawerRef drawer, const HostRect* rect);
} AdmDrawerSuite;
