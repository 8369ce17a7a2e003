#pragma once
/* "AI File Format Suite": formats a plug-in reads and writes, listed in the host's Open, Place, Save As and
   Export commands. */

#include "host/sdk/FilePathSuite.h"
#include "host/sdk/HostTypes.h"
#include "host/sdk/PluginMessages.h"
#include "host/sdk/SuiteNames.h"

#define FILE_FORMAT_SUITE_VERSION 9

/* Capability and option flags: in a registration what the format can do, in a message what is asked. */
#define FILE_FORMAT_READ 1
#define FILE_FORMAT_EXPORT 2
#define FILE_FORMAT_IMPORT_ART 4
#define FILE_FORMAT_PLACE 8
#define FILE_FORMAT_WRITE 512

/* "AI File Format" messages: "AI Check", "AI Get Parameters", "AI Go". */
typedef struct FileFormatMessage {
  PluginMessage d;
  /* The format the host chose. */
  FileFormatHandle fileFormat;
  /* What is asked: FILE_FORMAT_READ, _EXPORT, _IMPORT_ART, _PLACE or _WRITE. */
  int32_t option;
  /* The file; read it with the AI File Path Suite. */
  FilePathRef file;
} FileFormatMessage;

typedef struct FileFormatData {
  /* File type and creator codes (0 when the format has none). */
  int32_t type;
  int32_t creator;
  /* The title the host lists, length-prefixed; the host keeps a copy. */
  const unsigned char* title;
  /* Extensions without the dot, separated by commas ("dxf"); the host keeps a copy. */
  const char* extension;
} FileFormatData;

typedef struct FileFormatSuite {
  /* Registers the format name (unique per host) with capability flags options. *format receives the host's
     handle. Result 0, HOST_BAD_PARAMETER or HOST_DUPLICATE_NAME. */
  HostResult (*addFileFormat)(PluginRef plugin, const char* name, const FileFormatData* data, int32_t options,
                              FileFormatHandle* format);
  /* Sets the priority by which the host chooses among formats for the same extension (higher first).
     Result 0 or HOST_BAD_HANDLE. */
  HostResult (*setFileFormatPriority)(FileFormatHandle format, int32_t priority);
  /* *name points at the format's name, owned by the host. Result 0 or HOST_BAD_HANDLE. */
  HostResult (*getFileFormatName)(FileFormatHandle format, const char** name);
} FileFormatSuite;
