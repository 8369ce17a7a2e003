#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <unordered_set>
#include <vector>

#include "host/dialogs/Dialog.h"
#include "host/dialogs/DialogDriver.h"
#include "host/dialogs/Journal.h"
#include "host/dialogs/Resources.h"

namespace host {

/// What a notification handed to a plug-in's notify procedure refers to.
struct DialogNotification {
  std::string_view type;
  DialogItem* item = nullptr;
};

/// The host's dialog manager: builds dialogs from plug-in resources, runs them through a driver, keeps the
/// live ones, and records in the journal what a person would have seen.
class DialogManager {
public:
  /// Records to journal; dialogs go through driver (not owned) until setDriver changes it.
  DialogManager(Journal& journal, DialogDriver& driver);
  ~DialogManager();
  DialogManager(const DialogManager&) = delete;
  DialogManager& operator=(const DialogManager&) = delete;

  /// Replaces the driver (not owned).
  void setDriver(DialogDriver& replacement) { driver = &replacement; }

  /// Runs dialog resource id of resources modally and returns the item number that ended it, or -1 when the
  /// resource does not exist or initProc returned non-zero.
  int32_t runModal(PluginRef plugin, const ResourceSet& resources, std::string name, int32_t id,
                   DialogInitProc initProc, void* userData);
  /// Creates the hidden modeless dialog id, or null as runModal fails.
  Dialog* createModeless(PluginRef plugin, const ResourceSet& resources, std::string name, int32_t id,
                         DialogInitProc initProc, void* userData);
  /// Destroys a modeless dialog.
  void destroy(Dialog& dialog);

  /// The live dialog behind a handle a plug-in passed, or null for anything else.
  [[nodiscard]] Dialog* liveDialog(const void* handle) const;
  /// The live item behind a handle, or null.
  [[nodiscard]] DialogItem* liveItem(const void* handle) const;
  /// The titles of the dialogs on show, the most recently opened first.
  [[nodiscard]] std::vector<std::string> visibleTitles() const;
  /// Number of live dialogs that plugin owns.
  [[nodiscard]] size_t dialogsOf(PluginRef plugin) const;

  /// A person changed item (pressed it, edited it): calls its notify procedure, or the default handling.
  void userChanged(DialogItem& item);
  /// The default handling of a notification (buttons end modal dialogs, radio buttons exclude each other).
  void defaultNotify(DialogItem& item);
  /// Ends a modal dialog with result.
  void endModal(Dialog& dialog, int32_t result);
  /// A modeless dialog was shown, hidden or moved; update() redraws invalid items.
  void changed(Dialog& dialog);
  void update(Dialog& dialog);
  /// Runs the item's drawing procedure, if it has one, into the item's drawing.
  void draw(DialogItem& item);
  /// The item a drawer handle draws while its drawing procedure runs, or null for any other handle.
  [[nodiscard]] DialogItem* drawingItem(const void* handle) const {
    return handle != nullptr && handle == itemBeingDrawn ? itemBeingDrawn : nullptr;
  }
  /// Shows an alert.
  void alert(AlertKind kind, std::string_view text);

  /// The screen the dialogs are placed on.
  [[nodiscard]] HostRect screen() const { return HostRect{0, 0, 1920, 1080}; }
  [[nodiscard]] Journal& journal() { return record; }

private:
  std::unique_ptr<Dialog> build(PluginRef plugin, const ResourceSet& resources, std::string name, int32_t id,
                                bool modal, DialogInitProc initProc, void* userData);
  void recordItems(const Dialog& dialog);
  /// Starts and ends the bookkeeping of a live dialog and its items.
  void track(const Dialog& dialog);
  void untrack(const Dialog& dialog);

  Journal& record;
  DialogDriver* driver;
  std::unordered_set<const Dialog*> live;
  /// The live dialogs, the most recently opened first.
  std::vector<const Dialog*> opened;
  std::unordered_set<const DialogItem*> liveItems;
  std::unordered_set<std::unique_ptr<Dialog>> modeless;
  /// The item whose drawing procedure runs now.
  DialogItem* itemBeingDrawn = nullptr;
};

}  // namespace host
