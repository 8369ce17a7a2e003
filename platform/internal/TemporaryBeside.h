#pragma once
// Internal to the platform library: a new file beside a contained entry, renamed over it once it is complete, so
// that readers see the old or the new content and a failure leaves the entry as it was.

#include <string>

#include "platform/ContainedPath.h"

namespace platform::internal {

/// A file created exclusively in the entry's folder under a fresh name; removed again unless kept.
class TemporaryBeside {
public:
  /// Creates it with the mode (before the creation mask); descriptor() is -1 and errno set when that failed.
  TemporaryBeside(const ContainedPath& entry, unsigned mode);
  TemporaryBeside(const TemporaryBeside&) = delete;
  TemporaryBeside& operator=(const TemporaryBeside&) = delete;
  ~TemporaryBeside();

  /// The open file, or -1.
  [[nodiscard]] int descriptor() const { return file; }
  /// Closes the file; false (errno set) when close reports a late write error.
  [[nodiscard]] bool closeFile();
  /// Renames the file over the entry (closing it first when open); false with errno set when that failed.
  [[nodiscard]] bool replaceEntry();

private:
  const ContainedPath& entry;
  std::string name;
  int file = -1;
  bool kept = false;
};

}  // namespace platform::internal
