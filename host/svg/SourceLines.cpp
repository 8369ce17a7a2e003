#include "host/svg/SourceLines.h"

#include <algorithm>
#include <cstdint>

namespace host::svg {

SourceLines::SourceLines(std::string_view text) {
  lineStarts.push_back(0);
  if (text.find('\r') == std::string_view::npos) {
    // The common case, searched with memchr: only line feeds end lines.
    for (std::size_t found = text.find('\n'); found != std::string_view::npos; found = text.find('\n', found + 1)) {
      lineStarts.push_back(found + 1);
    }
    return;
  }
  for (std::size_t index = 0; index < text.size(); ++index) {
    if (text[index] == '\n' || (text[index] == '\r' && (index + 1 == text.size() || text[index + 1] != '\n'))) {
      lineStarts.push_back(index + 1);
    }
  }
}

std::int32_t SourceLines::lineOf(std::size_t offset) const {
  const auto after = std::upper_bound(lineStarts.begin(), lineStarts.end(), offset);
  return static_cast<std::int32_t>(after - lineStarts.begin());
}

}  // namespace host::svg

namespace host::svg {

std::size_t SourceLocator::offsetOf(const char* pointer) const {
  // Compared as addresses of one buffer only after checking the range through integer values.
  const auto address = reinterpret_cast<std::uintptr_t>(pointer);
  const auto start = reinterpret_cast<std::uintptr_t>(buffer.data());
  if (address < start || address >= start + buffer.size()) return std::string_view::npos;
  return address - start;
}

std::string SourceLocator::whereOffset(std::size_t offset) const {
  return sourceName + ":" + std::to_string(lines.lineOf(offset));
}

std::string SourceLocator::whereNode(const pugi::xml_node& node) const {
  const std::size_t offset = offsetOf(node.name());
  return offset == std::string_view::npos ? sourceName : whereOffset(offset);
}

double SourceLocator::shareBefore(const pugi::xml_node& node) const {
  const std::size_t offset = offsetOf(node.name());
  if (offset == std::string_view::npos || buffer.empty()) return 0;
  return static_cast<double>(offset) / static_cast<double>(buffer.size());
}

std::string SourceLocator::whereAttribute(const pugi::xml_node& node, const pugi::xml_attribute& attribute) const {
  const std::size_t offset = offsetOf(attribute.value());
  return offset == std::string_view::npos ? whereNode(node) : whereOffset(offset);
}

}  // namespace host::svg
