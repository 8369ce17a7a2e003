#include "host/svg/SvgSource.h"

#include <zlib.h>

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <cstring>
#include <fstream>
#include <string>
#include <system_error>

#include "host/svg/SvgErrors.h"

namespace host::svg {
namespace {

platform::Error readFailure(std::string message, std::string_view sourceName) {
  return platform::fail(std::move(message), std::string(sourceName), kSvgReadFailed);
}

// Ends the inflate stream whatever way inflateGzip leaves.
class InflateStream {
public:
  InflateStream() = default;
  InflateStream(const InflateStream&) = delete;
  InflateStream& operator=(const InflateStream&) = delete;
  ~InflateStream() {
    if (started) inflateEnd(&stream);
  }
  z_stream stream{};
  bool started = false;
};

}  // namespace

bool isGzipData(std::string_view bytes) {
  return bytes.size() >= 2 && static_cast<unsigned char>(bytes[0]) == 0x1f &&
         static_cast<unsigned char>(bytes[1]) == 0x8b;
}

platform::Result<std::string> inflateGzip(std::string_view compressed, std::string_view sourceName) {
  InflateStream inflater;
  z_stream& stream = inflater.stream;
  // 16 + MAX_WBITS: gzip framing only, so a zlib or raw stream is not mistaken for one.
  if (inflateInit2(&stream, 16 + MAX_WBITS) != Z_OK) return readFailure("cannot start decompression", sourceName);
  inflater.started = true;
  // zlib counts in uInt; the compressed input is fed in pieces that fit.
  std::string inflated;
  std::size_t consumed = 0;
  char buffer[1 << 16];
  while (true) {
    if (stream.avail_in == 0 && consumed < compressed.size()) {
      const std::size_t piece = std::min<std::size_t>(compressed.size() - consumed, 1u << 30);
      stream.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(compressed.data() + consumed));
      stream.avail_in = static_cast<uInt>(piece);
      consumed += piece;
    }
    stream.next_out = reinterpret_cast<Bytef*>(buffer);
    stream.avail_out = sizeof buffer;
    const int status = inflate(&stream, Z_NO_FLUSH);
    const std::size_t produced = sizeof buffer - stream.avail_out;
    if (produced > kMaxSvgBytes - inflated.size()) {
      return readFailure("the compressed SVG inflates to more than " + std::to_string(kMaxSvgBytes >> 20) + " MiB",
                         sourceName);
    }
    // The string grows by doubling, but never past the limit: a hostile file costs at most that much.
    if (inflated.size() + produced > inflated.capacity()) {
      inflated.reserve(std::min(kMaxSvgBytes, std::max(2 * inflated.capacity(), inflated.size() + produced)));
    }
    inflated.append(buffer, produced);
    if (status == Z_STREAM_END) {
      // Concatenated gzip members form one file (as gzip -d reads them); trailing zero padding is allowed.
      const std::size_t remaining = stream.avail_in + (compressed.size() - consumed);
      const std::string_view rest = compressed.substr(compressed.size() - remaining);
      if (!isGzipData(rest)) {
        if (rest.find_first_not_of('\0') != std::string_view::npos) {
          return readFailure("unexpected data after the compressed SVG", sourceName);
        }
        return inflated;
      }
      if (inflateReset(&stream) != Z_OK) return readFailure("cannot restart decompression", sourceName);
      continue;
    }
    if (status == Z_BUF_ERROR && stream.avail_in == 0 && consumed == compressed.size()) {
      return readFailure("the compressed SVG is truncated", sourceName);
    }
    if (status != Z_OK && status != Z_BUF_ERROR) {
      return readFailure(
          std::string("the compressed SVG is damaged (") + (stream.msg != nullptr ? stream.msg : "zlib error") + ")",
          sourceName);
    }
  }
}

platform::Result<std::string> loadSvgSource(const std::filesystem::path& file) {
  const std::string name = file.string();
  std::error_code error;
  const std::filesystem::file_status status = std::filesystem::status(file, error);
  if (status.type() == std::filesystem::file_type::not_found) {
    return platform::fail("the file does not exist", name, kSvgFileNotFound);
  }
  if (status.type() == std::filesystem::file_type::directory) return readFailure("this is a folder, not a file", name);
  std::ifstream stream(file, std::ios::binary | std::ios::ate);
  if (!stream) return readFailure(std::string("cannot open the file: ") + std::strerror(errno), name);
  // One read of the whole file: drawings run to tens of megabytes.
  const std::streamoff size = stream.tellg();
  if (size < 0) return readFailure("cannot read the file", name);
  if (static_cast<std::uintmax_t>(size) > kMaxSvgBytes) {
    return readFailure("the file is larger than " + std::to_string(kMaxSvgBytes >> 20) + " MiB", name);
  }
  std::string bytes(static_cast<std::size_t>(size), '\0');
  stream.seekg(0);
  if (!stream.read(bytes.data(), size)) return readFailure("cannot read the file", name);
  if (isGzipData(bytes)) return inflateGzip(bytes, name);
  return bytes;
}

}  // namespace host::svg
