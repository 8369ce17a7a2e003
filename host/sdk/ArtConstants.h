#pragma once
/* Art types, paint orders and user attributes, as art operations take and report them. */

/* Art types. */
#define ART_TYPE_GROUP 1
#define ART_TYPE_PATH 2
#define ART_TYPE_COMPOUND_PATH 3
#define ART_TYPE_PLUGIN 10
#define ART_TYPE_TEXT_FRAME 12

/* Where new art goes relative to a prefix art. */
#define PAINT_ORDER_ABOVE 1
#define PAINT_ORDER_BELOW 2
#define PAINT_ORDER_INSIDE_ON_TOP 3
#define PAINT_ORDER_INSIDE_ON_BOTTOM 4
#define PAINT_ORDER_ABOVE_ALL 5
#define PAINT_ORDER_BELOW_ALL 6

/* User attributes of art. */
#define ART_ATTRIBUTE_SELECTED 1
#define ART_ATTRIBUTE_LOCKED 2
#define ART_ATTRIBUTE_HIDDEN 4
#define ART_ATTRIBUTE_FULLY_SELECTED 8
