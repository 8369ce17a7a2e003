#include "platform/internal/TemporaryBeside.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <random>

namespace platform::internal {
namespace {

constexpr int kNameAttempts = 100;

std::string randomSuffix() {
  static std::mt19937_64 generator{std::random_device{}()};
  constexpr char kLetters[] = "abcdefghijklmnopqrstuvwxyz0123456789";
  std::string suffix;
  for (int index = 0; index < 6; ++index) suffix += kLetters[generator() % (sizeof kLetters - 1)];
  return suffix;
}

}  // namespace

TemporaryBeside::TemporaryBeside(const ContainedPath& entry, unsigned mode) : entry(entry) {
  for (int attempt = 0; attempt < kNameAttempts && file < 0; ++attempt) {
    name = entry.name() + ".tmp-" + randomSuffix();
    file = openat(entry.folder(), name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, mode);
    if (file < 0 && errno != EEXIST) break;
  }
  if (file < 0) name.clear();  // nothing of ours to remove
}

TemporaryBeside::~TemporaryBeside() {
  if (file >= 0) close(file);
  if (!kept && !name.empty()) unlinkat(entry.folder(), name.c_str(), 0);
}

bool TemporaryBeside::closeFile() {
  int result = close(file);
  file = -1;
  return result == 0;
}

bool TemporaryBeside::replaceEntry() {
  if (file >= 0 && !closeFile()) return false;
  if (renameat(entry.folder(), name.c_str(), entry.folder(), entry.name().c_str()) != 0) return false;
  kept = true;
  return true;
}

}  // namespace platform::internal
