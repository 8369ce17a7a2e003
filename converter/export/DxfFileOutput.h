#pragma once

#include <filesystem>
#include <memory>
#include <string>
#include <string_view>

#include "converter/export/DxfOutput.h"

namespace converter {

class BackgroundFileWriter;

/// Writes a DXF file so that the file at the path is replaced only by a complete one: the bytes go to a new
/// temporary file beside it, and commit renames that over the path. An output destroyed without a successful
/// commit (a cancelled export, a failed write) removes its temporary file and leaves the path as it was.
/// Failures carry ERROR_WRITE_FAULT, a message with the system's reason, and the path.
class DxfFileOutput final : public DxfOutput {
public:
  /// Creates the temporary file beside path. Fails when the folder cannot take a new file.
  [[nodiscard]] static platform::Result<std::unique_ptr<DxfFileOutput>> create(const std::filesystem::path& path);
  ~DxfFileOutput() override;

  /// Writes what is still buffered, flushes and closes the temporary file and renames it over the path. The
  /// first failure of any write so far is reported here; after a failure the path is as it was.
  [[nodiscard]] platform::Result<void> commit();

protected:
  [[nodiscard]] platform::Result<void> appendRecords(std::string_view records) override;

private:
  DxfFileOutput(std::filesystem::path path, std::filesystem::path target, std::string temporaryPath, int descriptor);
  [[nodiscard]] platform::Error systemFailure(std::string_view what, int errorNumber) const;
  void discard();

  /// The path the caller named, for messages.
  std::filesystem::path path;
  /// The file that is replaced (the path, or what a symbolic link there points at).
  std::filesystem::path target;
  std::string temporaryPath;
  int descriptor;
  std::unique_ptr<BackgroundFileWriter> writer;
  bool committed = false;
};

}  // namespace converter
