#pragma once
/* A plug-in module's resources (string tables, dialogs, images), embedded by the build and read by the host
   through the plug-in reference. */

#include "host/sdk/HostTypes.h"

typedef struct PluginResourceFile {
  /* The file's name below the module's resource folder ("english.xml", "images/16052.png"). */
  const char* name;
  /* Its bytes, owned by the module and valid while it is loaded. */
  const unsigned char* data;
  int32_t size;
} PluginResourceFile;

/* The module's resource files; *count receives their number. Exported by modules that have resources. */
typedef const PluginResourceFile* (*PluginResourcesProc)(int32_t* count);
#define PLUGIN_RESOURCES_SYMBOL "PluginResources"
PLUGIN_EXPORT const PluginResourceFile* PluginResources(int32_t* count);
