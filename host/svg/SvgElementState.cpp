#include "host/svg/SvgElementState.h"

#include <optional>
#include <string_view>

#include "host/svg/TransformParser.h"

namespace host::svg {

LengthContext ElementStateBuilder::lengthContext(const SvgStyle& style) const {
  return LengthContext{style.fontSize, page.viewportWidth, page.viewportHeight};
}

double ElementStateBuilder::lengthAttribute(const pugi::xml_node& node, const char* name, const SvgStyle& style,
                                            LengthAxis axis) const {
  std::optional<Length> length = parseLength(node.attribute(name).value());
  return length ? toUserUnits(*length, lengthContext(style), axis) : 0.0;
}

ElementState ElementStateBuilder::stateOf(const pugi::xml_node& node, const ElementState& parent) {
  ElementState state;
  state.style = inheritedStyle(parent.style);
  state.container = parent.container;
  state.depth = parent.depth + 1;
  const LengthContext context = lengthContext(parent.style);
  pugi::xml_attribute styleAttribute;
  TransformMatrix transform;
  for (const pugi::xml_attribute& attribute : node.attributes()) {
    const std::string_view name = attribute.name();
    if (name == "style") {
      styleAttribute = attribute;
    } else if (name == "transform") {
      if (std::optional<TransformMatrix> parsed = parseTransformList(attribute.value())) {
        transform = *parsed;
      } else {
        diagnostics.report(SvgDiagnosticCode::INVALID_VALUE, "transform",
                           "a transform could not be read; the element is drawn untransformed");
      }
    } else if (applyDeclaration(state.style, parent.style, name, attribute.value(), context) ==
               DeclarationOutcome::INVALID_VALUE) {
      diagnostics.report(SvgDiagnosticCode::INVALID_VALUE, name, "a property value could not be read; it is ignored");
    }
  }
  // The style attribute is applied last: its declarations win over presentation attributes.
  if (!styleAttribute.empty()) {
    invalidProperties.clear();
    applyStyleAttribute(state.style, parent.style, styleAttribute.value(), context, invalidProperties);
    for (const std::string& property : invalidProperties) {
      diagnostics.report(SvgDiagnosticCode::INVALID_VALUE, property,
                         "a property value could not be read; it is ignored");
    }
  }
  state.toArtwork = parent.toArtwork * transform;
  return state;
}

}  // namespace host::svg
