#include "converter/export/BackgroundFileWriter.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <utility>

#include "converter/export/DxfRecordStream.h"

namespace converter {
namespace {

/// Chunks queued at most: the memory in flight stays a few times the output's buffer.
constexpr size_t kQueueCapacity = 8;
/// Bytes after which the system is asked to start writing them to the disk.
constexpr off_t kWritebackChunk = 8 * 1024 * 1024;

/// Writes all the bytes; the errno of a failure, or 0.
int writeAll(int descriptor, std::string_view bytes) {
  while (!bytes.empty()) {
    ssize_t written = ::write(descriptor, bytes.data(), bytes.size());
    if (written < 0) {
      if (errno == EINTR) continue;
      return errno;
    }
    bytes.remove_prefix(static_cast<size_t>(written));
  }
  return 0;
}

}  // namespace

BackgroundFileWriter::BackgroundFileWriter(int descriptor) : descriptor(descriptor), thread([this] { run(); }) {}

BackgroundFileWriter::~BackgroundFileWriter() { stop(true); }

int BackgroundFileWriter::write(std::string_view records) {
  std::unique_lock lock(mutex);
  changed.wait(lock, [this] { return queued.size() < kQueueCapacity || failure != 0 || stopping; });
  if (failure != 0) return failure;
  if (stopping) return EBADF;  // finished: nothing more reaches the file
  std::string chunk;
  if (!spare.empty()) {
    chunk = std::move(spare.back());
    spare.pop_back();
  }
  chunk.assign(records);
  queued.push_back(std::move(chunk));
  changed.notify_all();
  return 0;
}

int BackgroundFileWriter::finish() {
  stop(false);
  std::lock_guard lock(mutex);
  return failure;
}

void BackgroundFileWriter::stop(bool drop) {
  {
    std::lock_guard lock(mutex);
    if (drop) queued.clear();
    stopping = true;
  }
  changed.notify_all();
  if (thread.joinable()) thread.join();
}

void BackgroundFileWriter::run() {
  off_t written = 0;
  off_t writebackStart = 0;
  std::string text;
  std::unique_lock lock(mutex);
  for (;;) {
    changed.wait(lock, [this] { return !queued.empty() || stopping; });
    if (queued.empty()) return;  // stopping, and everything is written
    std::string chunk = std::move(queued.front());
    queued.pop_front();
    const bool write = failure == 0;
    lock.unlock();
    int error = 0;
    if (write) {
      text.clear();
      formatRecords(chunk, text);
      error = writeAll(descriptor, text);
    }
    if (write && error == 0) {
      written += static_cast<off_t>(text.size());
      if (written - writebackStart >= kWritebackChunk) {
        // Only a request: a failure to start early shows up in the caller's fsync, which waits for everything.
        (void)sync_file_range(descriptor, writebackStart, written - writebackStart, SYNC_FILE_RANGE_WRITE);
        writebackStart = written;
      }
    }
    lock.lock();
    if (error != 0 && failure == 0) failure = error;
    chunk.clear();
    spare.push_back(std::move(chunk));
    changed.notify_all();
  }
}

}  // namespace converter
