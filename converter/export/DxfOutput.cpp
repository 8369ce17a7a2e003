#include "converter/export/DxfOutput.h"

#include <array>
#include <string>
#include <utility>

namespace converter {

DxfOutput::DxfOutput(size_t bufferSize) : buffer(bufferSize), cursor(buffer.data()), limit(buffer.data() + bufferSize) {}

void DxfOutput::flushBuffer() {
  std::string_view held(buffer.data(), static_cast<size_t>(cursor - buffer.data()));
  cursor = buffer.data();
  deliver(held);
}

void DxfOutput::writeThrough(std::string_view text) {
  flushBuffer();
  if (kTextRecordHeaderSize + text.size() <= room()) {
    cursor = putTextRecord(cursor, text);
    return;
  }
  // Larger than the buffer (or no buffer): a record of its own.
  std::string record(kTextRecordHeaderSize + text.size(), '\0');
  putTextRecord(record.data(), text);
  deliver(record);
}

void DxfOutput::writeRealThrough(int16_t code, double value) {
  flushBuffer();
  if (kRealRecordSize <= room()) {
    cursor = putRealRecord(cursor, code, value);
    return;
  }
  std::array<char, kRealRecordSize> record;
  putRealRecord(record.data(), code, value);
  deliver(std::string_view(record.data(), record.size()));
}

void DxfOutput::writeGroupThrough(int16_t code, std::string_view value) {
  flushBuffer();
  if (kGroupRecordHeaderSize + value.size() <= room()) {
    cursor = putGroupRecord(cursor, code, value);
    return;
  }
  std::string record(kGroupRecordHeaderSize + value.size(), '\0');
  putGroupRecord(record.data(), code, value);
  deliver(record);
}

void DxfOutput::deliver(std::string_view records) {
  if (failed() || records.empty()) return;
  if (platform::Result<void> appended = appendRecords(records); !appended) firstFailure = appended.error();
}

void DxfOutput::recordFailure(platform::Error error) {
  if (!failed()) firstFailure = std::move(error);
}

}  // namespace converter
