#include "platform/LzExpand.h"

#include <fcntl.h>
#include <mspack.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>

#include "platform/FileOperations.h"
#include "platform/internal/TemporaryBeside.h"

namespace platform {
namespace {

namespace fs = std::filesystem;

struct DecompressorDeleter {
  void operator()(msszdd_decompressor* decompressor) const { mspack_destroy_szdd_decompressor(decompressor); }
};
using Decompressor = std::unique_ptr<msszdd_decompressor, DecompressorDeleter>;

// An open compressed file; closes itself.
class OpenedFile {
public:
  OpenedFile(msszdd_decompressor* decompressor, msszddd_header* header) : decompressor(decompressor), header(header) {}
  OpenedFile(const OpenedFile&) = delete;
  OpenedFile& operator=(const OpenedFile&) = delete;
  ~OpenedFile() {
    if (header != nullptr) decompressor->close(decompressor, header);
  }
  msszdd_decompressor* decompressor;
  msszddd_header* header;
};

Result<Decompressor> makeDecompressor() {
  Decompressor decompressor(mspack_create_szdd_decompressor(nullptr));
  if (!decompressor) return fail("cannot start the LZ expansion", {}, LZ_ERROR_BAD_INPUT);
  return decompressor;
}

// A recorded character that could not end a file name (a separator, a wildcard, a dot, a space, a control or
// non-ASCII byte) is not used: a damaged or hostile header must not turn the name into a path elsewhere.
bool isNameCharacter(char c) {
  auto byte = static_cast<unsigned char>(c);
  return byte > 0x20 && byte < 0x7F && std::string_view("\\/:*?\"<>|.").find(c) == std::string_view::npos;
}

bool hasLowerCaseOnly(const std::string& name) {
  bool lower = false;
  for (char c : name) {
    if (c >= 'A' && c <= 'Z') return false;
    lower = lower || (c >= 'a' && c <= 'z');
  }
  return lower;
}

// True when the file begins with an SZDD signature (the usual one or the QBasic variant); a file too short for
// one is not compressed. libmspack would call a short plain file unreadable instead.
Result<bool> hasSignature(const fs::path& path) {
  std::FILE* file = std::fopen(path.c_str(), "rb");
  if (file == nullptr) {
    return fail(std::string("cannot read the file: ") + std::strerror(errno), path.string(), LZ_ERROR_BAD_INPUT);
  }
  char start[8] = {};
  size_t got = std::fread(start, 1, sizeof start, file);
  std::fclose(file);
  std::string_view bytes(start, got);
  return bytes == std::string_view("SZDD\x88\xF0\x27\x33", 8) ||
         (bytes.size() >= 7 && bytes.substr(0, 7) == std::string_view("SZ \x88\xF0\x27\x33", 7));
}

/// Why the decompressor could not open the file, after a failed open.
Error openFailure(msszdd_decompressor* decompressor, const fs::path& path) {
  if (decompressor->last_error(decompressor) == MSPACK_ERR_OPEN) {
    return fail("cannot read the file", path.string(), LZ_ERROR_BAD_INPUT);
  }
  return fail("the compressed file's header is damaged or cut off", path.string(), LZ_ERROR_READ);
}

}  // namespace

Result<std::optional<CompressedFileHeader>> readCompressedHeader(const fs::path& path) {
  Result<bool> signature = hasSignature(path);
  if (!signature) return signature.error();
  if (!*signature) return std::optional<CompressedFileHeader>{};
  Result<Decompressor> decompressor = makeDecompressor();
  if (!decompressor) return decompressor.error();
  msszdd_decompressor* raw = decompressor->get();
  OpenedFile file(raw, raw->open(raw, path.c_str()));
  if (file.header == nullptr) return openFailure(raw, path);
  CompressedFileHeader header;
  header.expandedLength = static_cast<uint64_t>(file.header->length);
  header.lastCharacter = file.header->missing_char;
  return std::optional<CompressedFileHeader>(header);
}

Result<std::string> expandedName(const fs::path& path) {
  Result<std::optional<CompressedFileHeader>> header = readCompressedHeader(path);
  if (!header) return header.error();
  std::string name = path.filename().string();
  if (!*header || !isNameCharacter((*header)->lastCharacter) || name.empty() || name.back() != '_') return name;
  char last = (*header)->lastCharacter;
  if (hasLowerCaseOnly(name.substr(0, name.size() - 1)) && last >= 'A' && last <= 'Z') {
    last = static_cast<char>(last - 'A' + 'a');
  }
  name.back() = last;
  return name;
}

Result<void> expandFile(const fs::path& source, const ContainedPath& destination) {
  Result<bool> signature = hasSignature(source);
  if (!signature) return signature.error();
  const std::string target = destination.path().string();
  if (!*signature) {
    Result<void> copied = copyFile(source, destination);
    if (!copied) return fail(copied.error().message, copied.error().where, LZ_ERROR_BAD_OUTPUT);
    return {};
  }
  Result<Decompressor> decompressor = makeDecompressor();
  if (!decompressor) return decompressor.error();
  msszdd_decompressor* raw = decompressor->get();
  OpenedFile file(raw, raw->open(raw, source.c_str()));
  if (file.header == nullptr) return openFailure(raw, source);

  struct stat existing {};
  if (fstatat(destination.folder(), destination.name().c_str(), &existing, AT_SYMLINK_NOFOLLOW) == 0 &&
      (S_ISDIR(existing.st_mode) || (!S_ISLNK(existing.st_mode) && (existing.st_mode & 0222) == 0))) {
    return fail("the destination is read-only or a directory", target, LZ_ERROR_BAD_OUTPUT);
  }
  // Expand beside the destination and rename only a complete result over it.
  struct stat status {};
  mode_t mode = stat(source.c_str(), &status) == 0 ? (status.st_mode & 0777) : 0644;
  internal::TemporaryBeside temporary(destination, mode);
  if (temporary.descriptor() < 0) {
    return fail(std::string("cannot create a file beside: ") + std::strerror(errno), target, LZ_ERROR_BAD_OUTPUT);
  }
  fchmod(temporary.descriptor(), mode);  // past the creation mask; a failure leaves a narrower mode, which is safe
  // libmspack opens its output by name; /proc names the very file just created, so no link can stand in for it.
  std::string output = "/proc/self/fd/" + std::to_string(temporary.descriptor());
  int result = raw->extract(raw, file.header, output.c_str());
  if (result == MSPACK_ERR_OPEN || result == MSPACK_ERR_WRITE) {
    return fail("cannot write the expanded file", target, LZ_ERROR_BAD_OUTPUT);
  }
  if (result != MSPACK_ERR_OK) return fail("the compressed data is damaged", source.string(), LZ_ERROR_READ);
  // libmspack stops quietly where the data ends, so a cut-off file would expand "successfully" to fewer bytes.
  struct stat expanded {};
  if (fstat(temporary.descriptor(), &expanded) != 0) {
    return fail("cannot write the expanded file", target, LZ_ERROR_BAD_OUTPUT);
  }
  if (static_cast<uint64_t>(expanded.st_size) != static_cast<uint64_t>(file.header->length)) {
    return fail("the compressed file expands to " + std::to_string(expanded.st_size) + " bytes, not the " +
                    std::to_string(file.header->length) + " its header records (the file is damaged or cut off)",
                source.string(), LZ_ERROR_READ);
  }
  if (!temporary.replaceEntry()) {
    return fail(std::string("cannot write the expanded file: ") + std::strerror(errno), target, LZ_ERROR_BAD_OUTPUT);
  }
  return {};
}

}  // namespace platform
