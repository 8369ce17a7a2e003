#include "host/svg/SvgElementIndex.h"

namespace host::svg {

SvgElementIndex::SvgElementIndex(const pugi::xml_node& root) : root(root) {
  const std::string_view name = root.name();
  const std::size_t colon = name.find(':');
  if (colon != std::string_view::npos) svgPrefix = name.substr(0, colon);
}

void SvgElementIndex::build() {
  built = true;
  // An explicit stack: documents may nest deeply, and the walk must not run out of call stack.
  std::vector<pugi::xml_node> pending{root};
  while (!pending.empty()) {
    const pugi::xml_node node = pending.back();
    pending.pop_back();
    if (const pugi::xml_attribute id = node.attribute("id"); !id.empty()) byId.try_emplace(id.value(), node);
    // Children pushed last to first, so that they are visited in document order and the first id wins.
    for (pugi::xml_node child = node.last_child(); child; child = child.previous_sibling()) {
      if (child.type() == pugi::node_element) pending.push_back(child);
    }
  }
}

pugi::xml_node SvgElementIndex::find(std::string_view id) {
  if (!built) build();
  auto found = byId.find(id);
  return found == byId.end() ? pugi::xml_node() : found->second;
}

pugi::xml_node SvgElementIndex::findHref(std::string_view href) {
  if (!href.starts_with('#') || href.size() < 2) return {};
  return find(href.substr(1));
}

std::string_view SvgElementIndex::localName(const pugi::xml_node& node) const {
  if (node.type() != pugi::node_element) return {};
  std::string_view name = node.name();
  const std::size_t colon = name.find(':');
  if (colon == std::string_view::npos) return svgPrefix.empty() ? name : std::string_view{};
  if (name.substr(0, colon) != svgPrefix) return {};
  return name.substr(colon + 1);
}

std::string_view hrefOf(const pugi::xml_node& element) {
  if (const pugi::xml_attribute href = element.attribute("href"); !href.empty()) return href.value();
  return element.attribute("xlink:href").value();
}

}  // namespace host::svg
