#pragma once

#include "host/loader/Registry.h"
#include "host/sdk/ErrorCodes.h"
#include "host/sdk/HostTypes.h"
#include "host/suites/HostServices.h"

namespace host {

class PluginModule;

/// The loaded module behind a plug-in reference, or null.
[[nodiscard]] PluginModule* moduleOf(PluginRef plugin);
/// Whether name can name a registration (not null, not empty).
[[nodiscard]] bool usableName(const char* name);

/// Runs operation on the registration behind handle: HOST_BAD_HANDLE when the handle is not a live one, else
/// what operation returns. No exception leaves it.
template <class Entry, class Handle, class Operation>
HostResult withRegistration(Registry<Entry>& registry, Handle handle, Operation&& operation) {
  return guarded([&]() -> HostResult {
    Entry* found = registry.fromHandle(handle);
    if (found == nullptr) return HOST_BAD_HANDLE;
    return operation(*found);
  });
}

/// The "get name" operation every registration kind has: *name points at the name, owned by the host.
template <class Entry, class Handle>
HostResult registrationName(Registry<Entry>& registry, Handle handle, const char** name) {
  return withRegistration(registry, handle, [&](const Entry& found) {
    if (name == nullptr) return HOST_BAD_PARAMETER;
    *name = found.name.c_str();
    return HOST_NO_ERROR;
  });
}

}  // namespace host
