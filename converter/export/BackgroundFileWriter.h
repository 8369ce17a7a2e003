#pragma once
// Formats and writes a DXF file's records on a thread of its own, so that the export goes on meanwhile.

#include <condition_variable>
#include <cstddef>
#include <deque>
#include <mutex>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

namespace converter {

/// Formats chunks of records (DxfRecordStream.h) into DXF text and writes it to an open file descriptor, in
/// the order the chunks are queued, on its own thread. It also asks the system, every few megabytes, to start
/// putting what was written on the disk, so that a later fsync waits only for the rest. The first failed write
/// is kept (as an errno value) and the chunks after it are dropped. The descriptor stays the caller's: it is
/// neither flushed nor closed here.
class BackgroundFileWriter {
public:
  /// Starts the thread; throws std::system_error when no thread can be started.
  explicit BackgroundFileWriter(int descriptor);
  /// Drops what is still queued and stops the thread.
  ~BackgroundFileWriter();
  BackgroundFileWriter(const BackgroundFileWriter&) = delete;
  BackgroundFileWriter& operator=(const BackgroundFileWriter&) = delete;

  /// Queues a copy of the records, waiting while the queue is full. Returns the errno of the first failed
  /// write so far, or 0; after a failure nothing more is queued.
  int write(std::string_view records);
  /// Waits until every queued chunk is written and stops the thread; the errno of the first failed write,
  /// or 0. Later writes are refused (EBADF, unless a write failed before).
  int finish();

private:
  void run();
  /// Stops the thread; with drop, what is still queued is thrown away.
  void stop(bool drop);

  int descriptor;
  std::mutex mutex;
  std::condition_variable changed;
  std::deque<std::string> queued;
  std::vector<std::string> spare;  // written chunks, kept for their memory
  bool stopping = false;
  int failure = 0;
  std::thread thread;
};

}  // namespace converter
