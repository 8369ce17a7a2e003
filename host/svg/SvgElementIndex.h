#pragma once
// The elements of a parsed SVG document as the reader addresses them: by id (for url(#id) and href
// references) and by their SVG local name. The id index is built on the first look-up, so documents without
// references never pay for it.

#include <string_view>
#include <unordered_map>
#include <vector>

#include <pugixml.hpp>

namespace host::svg {

/// Id look-up and SVG names for one parsed document; the document must outlive the index.
class SvgElementIndex {
public:
  /// Indexes the document whose root element is root; the root's prefix (as in <svg:svg>) is the SVG prefix.
  explicit SvgElementIndex(const pugi::xml_node& root);

  /// The element with this id, or an empty node. With duplicate ids the first in document order wins.
  [[nodiscard]] pugi::xml_node find(std::string_view id);
  /// The element referenced by an href value "#id", or an empty node.
  [[nodiscard]] pugi::xml_node findHref(std::string_view href);
  /// The SVG name of an element ("path" for <path> or <svg:path>); empty for elements of other namespaces
  /// (inkscape:, sodipodi:, rdf:) and for non-element nodes.
  [[nodiscard]] std::string_view localName(const pugi::xml_node& node) const;

private:
  void build();

  pugi::xml_node root;
  std::string_view svgPrefix;
  bool built = false;
  std::unordered_map<std::string_view, pugi::xml_node> byId;
};

/// The value of href or xlink:href on an element (SVG 2 and 1.1 spellings), empty when neither is set.
[[nodiscard]] std::string_view hrefOf(const pugi::xml_node& element);

}  // namespace host::svg
