// "AI Tool Suite": tools in the toolbox, grouped and stacked in toolsets.

#include "host/loader/Registrations.h"
#include "host/sdk/ErrorCodes.h"
#include "host/sdk/ToolSuite.h"
#include "host/suites/HostServices.h"
#include "host/suites/RegistrationBindings.h"
#include "host/suites/SuiteBindings.h"
#include "host/suites/SuiteRegistry.h"

namespace host {
namespace {

Registry<Tool>& tools() { return services().registrations->tools; }

HostResult addTool(PluginRef plugin, const char* name, const ToolData* data, int32_t options, ToolHandle* tool) {
  return guarded([&] {
    PluginModule* module = moduleOf(plugin);
    if (module == nullptr) return HOST_BAD_HANDLE;
    if (!usableName(name) || data == nullptr || tool == nullptr) return HOST_BAD_PARAMETER;
    const Tool* group = data->sameGroupAs != nullptr ? tools().fromHandle(data->sameGroupAs) : nullptr;
    const Tool* toolset = data->sameToolsetAs != nullptr ? tools().fromHandle(data->sameToolsetAs) : nullptr;
    if ((data->sameGroupAs != nullptr && group == nullptr) || (data->sameToolsetAs != nullptr && toolset == nullptr)) {
      return HOST_BAD_HANDLE;
    }
    Tool entry{name, module, data->title != nullptr ? data->title : name, data->tooltip != nullptr ? data->tooltip : "",
               data->iconID};
    entry.options = options;
    Tool* added = tools().add(std::move(entry));
    if (added == nullptr) return HOST_DUPLICATE_NAME;
    added->groupLeader = group != nullptr ? group->groupLeader : added;
    added->toolsetLeader = toolset != nullptr ? toolset->toolsetLeader : added;
    *tool = reinterpret_cast<ToolHandle>(added);
    return HOST_NO_ERROR;
  });
}

HostResult getToolName(ToolHandle tool, const char** name) { return registrationName(tools(), tool, name); }

constexpr ToolSuite kToolSuite{addTool, getToolName};

}  // namespace

void registerToolSuite(SuiteRegistry& registry) { registry.add(SUITE_TOOL, TOOL_SUITE_VERSION, &kToolSuite); }

}  // namespace host
