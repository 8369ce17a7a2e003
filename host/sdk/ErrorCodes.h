#pragma once
/* Result codes that the host returns and plug-ins return to it. */

#include "host/sdk/HostTypes.h"

#define HOST_NO_ERROR 0
/* Not enough memory. */
#define HOST_OUT_OF_MEMORY (-108)
/* The operation was declined, or the user cancelled it ('STOP'). */
#define HOST_STOP HOST_FOUR_CHAR('S', 'T', 'O', 'P')
/* No suite of that name and version is registered ('S!Fd'). */
#define HOST_SUITE_NOT_FOUND HOST_FOUR_CHAR('S', '!', 'F', 'd')
/* A suite was released that was not acquired. */
#define HOST_SUITE_NOT_ACQUIRED HOST_FOUR_CHAR('S', '!', 'A', 'q')
/* An argument is missing or out of range. */
#define HOST_BAD_PARAMETER HOST_FOUR_CHAR('P', 'A', 'R', 'M')
/* A handle does not name a live host object. */
#define HOST_BAD_HANDLE HOST_FOUR_CHAR('H', 'N', 'D', 'L')
/* The host offers the suite but not yet this operation. */
#define HOST_NOT_IMPLEMENTED HOST_FOUR_CHAR('!', 'I', 'M', 'P')
/* No resource of that number in the plug-in. */
#define HOST_NO_RESOURCE HOST_FOUR_CHAR('!', 'R', 'E', 'S')
/* A name is already registered. */
#define HOST_DUPLICATE_NAME HOST_FOUR_CHAR('D', 'U', 'P', 'N')
/* The host failed inside an operation for a reason of its own. */
#define HOST_INTERNAL_ERROR HOST_FOUR_CHAR('!', 'I', 'N', 'T')

/* Codes that plug-ins' error lists name. */
#define HOST_LAYER_LOCKED_OR_HIDDEN HOST_FOUR_CHAR('S', 'E', 'G', 'M')
#define HOST_TOO_MANY_POINTS HOST_FOUR_CHAR('N', 'E', 'S', 'S')
#define HOST_BAD_SELECTION HOST_FOUR_CHAR('!', 's', 'e', 'l')
