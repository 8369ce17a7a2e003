#pragma once
// Line numbers of places in an SVG source, for messages that name "file:line". The index is built from the
// bytes before the XML parser works on them in place; the parser keeps every name and attribute value at the
// offset where it starts, so pointers into the parsed buffer map back to source lines.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include <pugixml.hpp>

namespace host::svg {

/// The line starts of a text, indexed once so that every look-up is a binary search.
class SourceLines {
public:
  /// Indexes text (LF, CR LF and lone CR end a line). The text need not outlive the index.
  explicit SourceLines(std::string_view text);
  /// The line (from 1) that holds the byte at offset; offsets past the end are on the last line.
  [[nodiscard]] std::int32_t lineOf(std::size_t offset) const;

private:
  std::vector<std::size_t> lineStarts;
};

/// Names places in a buffer parsed in place as "source:line".
class SourceLocator {
public:
  /// The buffer must be the one the document was parsed from, indexed before parsing.
  SourceLocator(std::string sourceName, std::string_view buffer, const SourceLines& lines)
      : sourceName(std::move(sourceName)), buffer(buffer), lines(lines) {}

  /// The name given for the source (a file name).
  [[nodiscard]] const std::string& name() const { return sourceName; }
  /// "source:line" of a byte offset.
  [[nodiscard]] std::string whereOffset(std::size_t offset) const;
  /// "source:line" of an element (its start tag).
  [[nodiscard]] std::string whereNode(const pugi::xml_node& node) const;
  /// "source:line" of an attribute's value, or of its element when the value lies outside the buffer.
  [[nodiscard]] std::string whereAttribute(const pugi::xml_node& node, const pugi::xml_attribute& attribute) const;
  /// The share of the buffer before an element's start tag, 0 to 1 (0 for an element outside the buffer).
  [[nodiscard]] double shareBefore(const pugi::xml_node& node) const;

private:
  // The offset of a pointer into the buffer, or npos.
  [[nodiscard]] std::size_t offsetOf(const char* pointer) const;

  std::string sourceName;
  std::string_view buffer;
  const SourceLines& lines;
};

}  // namespace host::svg
