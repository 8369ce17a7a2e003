#pragma once
/* "AI Tool Suite": tools in the host's toolbox, calling back with "AI Tool" messages. */

#include "host/sdk/HostTypes.h"
#include "host/sdk/SuiteNames.h"

#define TOOL_SUITE_VERSION 9

typedef struct ToolData {
  /* Title shown in the toolbox and tooltip text, zero-terminated; the host keeps copies. */
  const char* title;
  const char* tooltip;
  /* The icon: a resource number of the plug-in. */
  int32_t iconID;
  /* Another tool whose group, respectively toolset (pop-out button), this one joins; null: a new one. */
  ToolHandle sameGroupAs;
  ToolHandle sameToolsetAs;
} ToolData;

typedef struct ToolSuite {
  /* Registers the tool name (unique per host). *tool receives the host's handle. Result 0,
     HOST_BAD_PARAMETER, HOST_BAD_HANDLE (sameGroupAs or sameToolsetAs unknown) or HOST_DUPLICATE_NAME. */
  HostResult (*addTool)(PluginRef plugin, const char* name, const ToolData* data, int32_t options,
                        ToolHandle* tool);
  /* *name points at the tool's name, owned by the host. Result 0 or HOST_BAD_HANDLE. */
  HostResult (*getToolName)(ToolHandle tool, const char** name);
} ToolSuite;
