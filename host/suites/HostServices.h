#pragma once

#include <filesystem>
#include <new>
#include <optional>
#include <string>
#include <vector>

#include "host/sdk/ErrorCodes.h"

namespace host {

class BlockHeap;
class Document;
class DialogManager;
class Journal;
class PluginLoader;
class PluginModule;
class SuiteRegistry;
class TextEngineObjects;
struct Registrations;

/// What the suite functions work on. Suite functions are plain C with no context argument, so the one host of
/// the process publishes its parts here (the host is single-threaded).
struct HostServices {
  SuiteRegistry* suites = nullptr;
  BlockHeap* blocks = nullptr;
  DialogManager* dialogs = nullptr;
  Journal* journal = nullptr;
  Registrations* registrations = nullptr;
  PluginLoader* loader = nullptr;
  /// The current document; never null while the host runs.
  Document* document = nullptr;
  /// The text-engine objects plug-ins hold references to.
  TextEngineObjects* textObjects = nullptr;
  /// The files of the file-format messages in progress (their addresses are the messages' file references).
  std::vector<const std::filesystem::path*> openFiles;
  /// The plug-ins whose messages are in progress, innermost last.
  std::vector<PluginModule*> callers;

  /// The plug-in whose code is running now, or null.
  [[nodiscard]] PluginModule* currentPlugin() const { return callers.empty() ? nullptr : callers.back(); }
};

/// The running host's services; throws std::logic_error when no host runs.
[[nodiscard]] HostServices& services();
/// Publishes (or, with null, withdraws) the running host's services.
void setServices(HostServices* running);

/// Runs a suite operation so that no exception crosses into plug-in code: running out of memory becomes
/// HOST_OUT_OF_MEMORY, anything else HOST_INTERNAL_ERROR.
template <class Operation>
HostResult guarded(Operation&& operation) noexcept {
  try {
    return operation();
  } catch (const std::bad_alloc&) {
    return HOST_OUT_OF_MEMORY;
  } catch (...) {
    return HOST_INTERNAL_ERROR;
  }
}

/// The same for operations whose table entry returns a value: fallback is returned when an exception stops it.
template <class Value, class Operation>
Value guardedValue(Value fallback, Operation&& operation) noexcept {
  try {
    return operation();
  } catch (...) {
    return fallback;
  }
}

/// A length-prefixed host string (one length byte, then the characters) as text; nullopt for null.
[[nodiscard]] std::optional<std::string> fromLengthPrefixed(const unsigned char* text);

/// Copies text into a caller's buffer of capacity bytes with its terminating zero, cutting at a UTF-8
/// character boundary when it does not fit; false when it was cut (or capacity is below 1).
bool copyToBuffer(const std::string& text, char* buffer, int32_t capacity);

}  // namespace host
