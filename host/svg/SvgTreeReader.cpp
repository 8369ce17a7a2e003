#include "host/svg/SvgTreeReader.h"

#include <algorithm>
#include <iterator>
#include <string>
#include <utility>

#include "host/document/Layer.h"
#include "host/svg/BasicShapes.h"
#include "host/svg/HostPathBuilder.h"
#include "host/svg/PaintResolution.h"
#include "host/svg/PathDataParser.h"
#include "host/svg/PathStyleMapping.h"
#include "host/svg/SvgErrors.h"
#include "host/svg/SvgLength.h"
#include "host/svg/SvgTextReader.h"
#include "host/svg/TransformParser.h"

namespace host::svg {
namespace {

constexpr std::string_view kOutsideLayersTitle = "Outside layers";

bool isTrue(const pugi::xml_attribute& attribute) { return std::string_view(attribute.value()) == "true"; }

// Markers are drawn on these elements only.
bool drawsMarkers(std::string_view name) {
  return name == "path" || name == "line" || name == "polyline" || name == "polygon";
}

}  // namespace

SvgTreeReader::SvgTreeReader(Document& document, SvgDiagnosticList& diagnostics, const SourceLocator& locator,
                             const PageLayout& page, const pugi::xml_node& root, SvgReadProgress progress)
    : document(document),
      diagnostics(diagnostics),
      locator(locator),
      page(page),
      root(root),
      elements(root),
      states(diagnostics, page),
      progress(std::move(progress)) {}

SvgTreeReader::ElementKind SvgTreeReader::kindOf(const pugi::xml_node& node, std::string_view name) const {
  struct Rule {
    std::string_view name;
    ElementKind kind;
  };
  // Elements not listed are reported as unsupported (image, foreignObject, nested svg, animation, ...).
  static constexpr Rule kRules[] = {
      {"a", ElementKind::CONTAINER},
      {"circle", ElementKind::SHAPE},
      {"clipPath", ElementKind::NOT_RENDERED},
      {"color-profile", ElementKind::NOT_RENDERED},
      {"cursor", ElementKind::NOT_RENDERED},
      {"defs", ElementKind::NOT_RENDERED},
      {"desc", ElementKind::NOT_RENDERED},
      {"ellipse", ElementKind::SHAPE},
      {"filter", ElementKind::NOT_RENDERED},
      {"font", ElementKind::NOT_RENDERED},
      {"font-face", ElementKind::NOT_RENDERED},
      {"g", ElementKind::CONTAINER},
      {"line", ElementKind::SHAPE},
      {"linearGradient", ElementKind::NOT_RENDERED},
      {"marker", ElementKind::NOT_RENDERED},
      {"mask", ElementKind::NOT_RENDERED},
      {"metadata", ElementKind::NOT_RENDERED},
      {"path", ElementKind::PATH},
      {"pattern", ElementKind::NOT_RENDERED},
      {"polygon", ElementKind::SHAPE},
      {"polyline", ElementKind::SHAPE},
      {"radialGradient", ElementKind::NOT_RENDERED},
      {"rect", ElementKind::SHAPE},
      {"script", ElementKind::NOT_RENDERED},
      {"switch", ElementKind::SWITCH},
      {"symbol", ElementKind::NOT_RENDERED},
      {"text", ElementKind::TEXT},
      {"title", ElementKind::NOT_RENDERED},
      {"use", ElementKind::USE},
      {"view", ElementKind::NOT_RENDERED},
  };
  // Elements of other namespaces (editor data, metadata) are not SVG content.
  if (name.empty() || node.type() != pugi::node_element) return ElementKind::NOT_RENDERED;
  for (const Rule& rule : kRules) {
    if (rule.name == name) return rule.kind;
  }
  return ElementKind::UNSUPPORTED;
}

bool SvgTreeReader::isLayer(const pugi::xml_node& node) const {
  return elements.localName(node) == "g" && std::string_view(node.attribute("inkscape:groupmode").value()) == "layer";
}

void SvgTreeReader::reportEffects(const SvgStyle& style, bool markersApply) {
  if (style.filter) {
    diagnostics.report(SvgDiagnosticCode::UNSUPPORTED_EFFECT, "filter", "filters are not supported; drawn without");
  }
  if (style.mask) {
    diagnostics.report(SvgDiagnosticCode::UNSUPPORTED_EFFECT, "mask", "masks are not supported; drawn unmasked");
  }
  if (style.markers && markersApply) {
    diagnostics.report(SvgDiagnosticCode::UNSUPPORTED_EFFECT, "marker", "markers are not supported; drawn without");
  }
}

platform::Result<void> SvgTreeReader::readRoot() {
  ElementState base;
  base.toArtwork = page.userToArtwork;
  base.depth = -1;
  ElementState rootState = elementState(root, base);
  Layer* initialLayer = document.layerAt(0);

  bool layered = false;
  for (const pugi::xml_node& child : root.children()) layered = layered || isLayer(child);
  if (!layered) {
    rootState.container = initialLayer->group();
    return readChildren(root, rootState);
  }

  std::vector<Layer*> outsideLayers;
  Layer* outside = nullptr;
  for (const pugi::xml_node& child : root.children()) {
    if (isLayer(child)) {
      outside = nullptr;
      if (platform::Result<void> read = readLayer(child, rootState); !read) return read;
      continue;
    }
    if (kindOf(child, elements.localName(child)) == ElementKind::NOT_RENDERED) continue;
    if (outside == nullptr) {
      std::string title(kOutsideLayersTitle);
      if (!outsideLayers.empty()) title += " " + std::to_string(outsideLayers.size() + 1);
      platform::Result<Layer*> created = document.insertLayer(document.layerCount(), title);
      if (!created) return created.error();
      outside = *created;
      outsideLayers.push_back(outside);
    }
    ElementState state = rootState;
    state.container = outside->group();
    if (platform::Result<void> read = readElement(child, state); !read) return read;
  }
  // Runs of content that drew nothing (skipped elements only) leave no empty layer behind.
  for (Layer* layer : outsideLayers) {
    if (layer->group()->firstChild() == nullptr) {
      if (platform::Result<void> disposed = document.disposeLayer(layer); !disposed) return disposed;
    }
  }
  if (platform::Result<void> disposed = document.disposeLayer(initialLayer); !disposed) return disposed;
  // The file lists layers back to front; new art goes to the top-most, as after opening in an editor.
  return document.setCurrentLayer(document.layerAt(document.layerCount() - 1));
}

platform::Result<void> SvgTreeReader::readLayer(const pugi::xml_node& node, const ElementState& rootState) {
  ElementState state = elementState(node, rootState);
  std::string title = node.attribute("inkscape:label").value();
  if (title.empty()) title = node.attribute("id").value();
  if (title.empty() || !validateLayerTitle(title)) {
    if (!title.empty()) {
      diagnostics.report(SvgDiagnosticCode::LAYER_TITLE_REPLACED, "inkscape:label",
                         "a layer title is too long or not UTF-8; the layer is titled by its number");
    }
    title = "Layer " + std::to_string(document.layerCount());
  }
  platform::Result<Layer*> layer = document.insertLayer(document.layerCount(), title);
  if (!layer) return layer.error();
  (*layer)->setVisible(!state.style.displayNone);
  (*layer)->setLocked(isTrue(node.attribute("sodipodi:insensitive")));
  reportEffects(state.style, false);

  // Layers have no opacity or clip of their own: a group inside carries them.
  const pugi::xml_node clipPath = clipPathOf(state.style);
  Art* content = (*layer)->group();
  if (state.style.opacity < 1 || clipPath) {
    platform::Result<Art*> group = newGroup(*content, static_cast<bool>(clipPath));
    if (!group) return group.error();
    if (platform::Result<void> set = (*group)->setOpacity(static_cast<HostReal>(state.style.opacity)); !set) return set;
    content = *group;
  }
  ElementState inner = state;
  inner.container = content;
  if (platform::Result<void> read = readChildren(node, inner); !read) return read;
  if (clipPath) return addClippingPath(*content, clipPath, state);
  return {};
}

platform::Result<void> SvgTreeReader::readChildren(const pugi::xml_node& node, const ElementState& state) {
  for (const pugi::xml_node& child : node.children()) {
    if (child.type() != pugi::node_element) continue;
    if (platform::Result<void> read = readElement(child, state); !read) return read;
  }
  return {};
}

platform::Result<void> SvgTreeReader::readElement(const pugi::xml_node& node, const ElementState& parent) {
  // Every 1024th element tells how far the file is read; the callback may stop the reading (Ctrl+C).
  if (progress && (++elementsRead % 1024) == 0 && !progress(locator.shareBefore(node))) {
    return platform::fail("the reading was cancelled", locator.whereNode(node), kSvgCancelled);
  }
  const std::string_view name = elements.localName(node);
  const ElementKind kind = kindOf(node, name);
  if (kind == ElementKind::NOT_RENDERED) return {};
  if (kind == ElementKind::UNSUPPORTED) {
    diagnostics.report(SvgDiagnosticCode::UNSUPPORTED_ELEMENT, name,
                       "an element of this kind is not supported; skipped");
    return {};
  }
  if (parent.depth + 1 >= kMaxElementDepth) {
    diagnostics.report(SvgDiagnosticCode::NESTING_TOO_DEEP, name, "elements nested too deeply are skipped");
    return {};
  }
  if (!useTargets.empty() && ++instancedElements > kMaxInstancedElements) {
    diagnostics.report(SvgDiagnosticCode::USE_SKIPPED, "use", "<use> instances beyond 100000 elements are skipped");
    return {};
  }
  const ElementState state = elementState(node, parent);
  switch (kind) {
    case ElementKind::CONTAINER:
    case ElementKind::SWITCH: return readContainer(node, state, kind);
    case ElementKind::PATH:
    case ElementKind::SHAPE: return readGeometry(node, state, name);
    case ElementKind::USE: return readUse(node, state);
    case ElementKind::TEXT: return readText(node, state);
    case ElementKind::NOT_RENDERED:
    case ElementKind::UNSUPPORTED: break;
  }
  return {};
}

platform::Result<Art*> SvgTreeReader::newGroup(Art& container, bool clip) {
  platform::Result<Art*> group = document.newArt(ArtType::GROUP, PaintOrder::PLACE_INSIDE_ON_TOP, &container);
  if (!group || !clip) return group;
  if (platform::Result<void> set = (*group)->setClipGroup(true); !set) return set.error();
  return group;
}

platform::Result<void> SvgTreeReader::readContainer(const pugi::xml_node& node, const ElementState& state,
                                                    ElementKind kind) {
  reportEffects(state.style, false);
  const pugi::xml_node clipPath = clipPathOf(state.style);
  platform::Result<Art*> group = newGroup(*state.container, static_cast<bool>(clipPath));
  if (!group) return group.error();
  if (platform::Result<void> set = (*group)->setOpacity(static_cast<HostReal>(state.style.opacity)); !set) return set;
  ElementState inner = state;
  inner.container = *group;
  if (kind == ElementKind::SWITCH) {
    // Without feature or language tests to evaluate, a switch shows its first SVG child, as most renderers do
    // for content written for them.
    for (const pugi::xml_node& child : node.children()) {
      if (kindOf(child, elements.localName(child)) == ElementKind::NOT_RENDERED) continue;
      if (platform::Result<void> read = readElement(child, inner); !read) return read;
      break;
    }
  } else if (platform::Result<void> read = readChildren(node, inner); !read) {
    return read;
  }
  if (clipPath) {
    if (platform::Result<void> clipped = addClippingPath(**group, clipPath, state); !clipped) return clipped;
  }
  decorate(**group, node, state, false);
  return {};
}

platform::Result<PathGeometry> SvgTreeReader::elementGeometry(const pugi::xml_node& node, std::string_view name,
                                                              const SvgStyle& style) {
  if (name == "path") {
    ParsedPathData parsed = parsePathData(node.attribute("d").value());
    if (parsed.error) {
      return platform::fail("broken path data at offset " + std::to_string(parsed.error->offset) +
                                " of the d attribute of <path>: " + parsed.error->reason,
                            locator.whereNode(node), kSvgBadPathData);
    }
    return std::move(parsed.geometry);
  }
  ShapeGeometry shape = basicShapeGeometry(name, node, lengthContext(style));
  for (const std::string& attribute : shape.invalidAttributes) {
    diagnostics.report(SvgDiagnosticCode::INVALID_VALUE, attribute, "a shape attribute could not be read");
  }
  return std::move(shape.geometry);
}

platform::Result<void> SvgTreeReader::readGeometry(const pugi::xml_node& node, const ElementState& state,
                                                   std::string_view name) {
  reportEffects(state.style, drawsMarkers(name));
  platform::Result<PathGeometry> geometry = elementGeometry(node, name, state.style);
  if (!geometry) return geometry.error();
  std::vector<PathData> paths = toHostPaths(*geometry, state.toArtwork, diagnostics);
  if (paths.empty()) return {};

  const ResolvedPaint fill = resolvePaint(state.style.fill, state.style, elements, diagnostics);
  const ResolvedPaint stroke = resolvePaint(state.style.stroke, state.style, elements, diagnostics);
  const PathStyle pathStyle = toPathStyle(state.style, fill, stroke, state.toArtwork.meanScale(), diagnostics);

  const pugi::xml_node clipPath = clipPathOf(state.style);
  Art* target = state.container;
  Art* clipGroup = nullptr;
  if (clipPath) {
    platform::Result<Art*> group = newGroup(*target, true);
    if (!group) return group.error();
    clipGroup = *group;
    target = clipGroup;
  }
  platform::Result<Art*> art =
      placePaths(document, *target, PaintOrder::PLACE_INSIDE_ON_TOP, std::move(paths), pathStyle);
  if (!art) return art.error();
  if (platform::Result<void> set = (*art)->setOpacity(static_cast<HostReal>(pathOpacity(state.style, pathStyle)));
      !set) {
    return set;
  }
  if (clipGroup != nullptr) {
    if (platform::Result<void> clipped = addClippingPath(*clipGroup, clipPath, state); !clipped) return clipped;
  }
  decorate(clipGroup != nullptr ? *clipGroup : **art, node, state, true);
  return {};
}

platform::Result<void> SvgTreeReader::readText(const pugi::xml_node& node, const ElementState& state) {
  reportEffects(state.style, false);
  const pugi::xml_node clipPath = clipPathOf(state.style);
  Art* clipGroup = nullptr;
  if (clipPath) {
    platform::Result<Art*> group = newGroup(*state.container, true);
    if (!group) return group.error();
    clipGroup = *group;
  }
  SvgTextReader reader(document, diagnostics, elements, states);
  platform::Result<Art*> art = reader.read(node, state, clipGroup != nullptr ? *clipGroup : *state.container);
  if (!art) return art.error();
  if (*art == nullptr) {
    // Text without characters draws nothing; neither does its clip group.
    return clipGroup != nullptr ? document.disposeArt(clipGroup) : platform::Result<void>{};
  }
  if (clipGroup != nullptr) {
    if (platform::Result<void> clipped = addClippingPath(*clipGroup, clipPath, state); !clipped) return clipped;
  }
  decorate(clipGroup != nullptr ? *clipGroup : **art, node, state, true);
  return {};
}

platform::Result<void> SvgTreeReader::readUse(const pugi::xml_node& node, const ElementState& state) {
  const pugi::xml_node target = elements.findHref(hrefOf(node));
  const std::string_view targetName = elements.localName(target);
  if (targetName.empty()) {
    diagnostics.report(SvgDiagnosticCode::MISSING_REFERENCE, "use", "a <use> refers to no element; skipped");
    return {};
  }
  // A use inside what it refers to, directly or through other uses, would expand without end.
  bool cycle = std::find(useTargets.begin(), useTargets.end(), target) != useTargets.end();
  for (pugi::xml_node ancestor = node; ancestor && !cycle; ancestor = ancestor.parent()) cycle = ancestor == target;
  if (cycle) {
    diagnostics.report(SvgDiagnosticCode::USE_SKIPPED, "use", "a <use> refers to itself or its ancestor; skipped");
    return {};
  }
  reportEffects(state.style, false);

  const LengthContext context = lengthContext(state.style);
  const auto length = [&](const char* attribute, LengthAxis axis) {
    std::optional<Length> parsed = parseLength(node.attribute(attribute).value());
    return parsed ? toUserUnits(*parsed, context, axis) : 0.0;
  };
  ElementState instance = state;
  instance.toArtwork =
      state.toArtwork * translationMatrix(length("x", LengthAxis::HORIZONTAL), length("y", LengthAxis::VERTICAL));

  // A use draws like a group holding a copy of its target; the group is only made when it carries something.
  const pugi::xml_node clipPath = clipPathOf(state.style);
  const bool needsGroup = clipPath || state.style.opacity < 1 || state.style.displayNone ||
                          isTrue(node.attribute("sodipodi:insensitive")) || !node.attribute("inkscape:label").empty();
  Art* group = nullptr;
  if (needsGroup) {
    platform::Result<Art*> created = newGroup(*state.container, static_cast<bool>(clipPath));
    if (!created) return created.error();
    group = *created;
    if (platform::Result<void> set = group->setOpacity(static_cast<HostReal>(state.style.opacity)); !set) return set;
    instance.container = group;
  }
  useTargets.push_back(target);
  platform::Result<void> read =
      targetName == "symbol" ? readSymbol(target, node, instance) : readElement(target, instance);
  useTargets.pop_back();
  if (!read) return read;
  if (group != nullptr) {
    if (clipPath) {
      if (platform::Result<void> clipped = addClippingPath(*group, clipPath, state); !clipped) return clipped;
    }
    decorate(*group, node, state, false);
  }
  return {};
}

platform::Result<void> SvgTreeReader::readSymbol(const pugi::xml_node& symbol, const pugi::xml_node& use,
                                                 const ElementState& useState) {
  if (useState.depth + 1 >= kMaxElementDepth) {
    diagnostics.report(SvgDiagnosticCode::NESTING_TOO_DEEP, "symbol", "elements nested too deeply are skipped");
    return {};
  }
  ElementState state = elementState(symbol, useState);
  // The symbol's viewBox maps onto the use's width and height when both are given.
  const pugi::xml_attribute viewBox = symbol.attribute("viewBox");
  std::optional<Length> width = parseLength(use.attribute("width").value());
  std::optional<Length> height = parseLength(use.attribute("height").value());
  if (!viewBox.empty() && width && height) {
    const LengthContext context = lengthContext(useState.style);
    std::optional<TransformMatrix> fit = viewBoxToViewport(
        viewBox.value(), symbol.attribute("preserveAspectRatio").value(),
        toUserUnits(*width, context, LengthAxis::HORIZONTAL), toUserUnits(*height, context, LengthAxis::VERTICAL));
    if (fit) {
      state.toArtwork = state.toArtwork * *fit;
    } else {
      diagnostics.report(SvgDiagnosticCode::INVALID_VALUE, "viewBox", "a symbol's viewBox could not be read; ignored");
    }
  }
  reportEffects(state.style, false);
  const pugi::xml_node clipPath = clipPathOf(state.style);
  platform::Result<Art*> group = newGroup(*state.container, static_cast<bool>(clipPath));
  if (!group) return group.error();
  if (platform::Result<void> set = (*group)->setOpacity(static_cast<HostReal>(state.style.opacity)); !set) return set;
  ElementState inner = state;
  inner.container = *group;
  if (platform::Result<void> read = readChildren(symbol, inner); !read) return read;
  if (clipPath) {
    if (platform::Result<void> clipped = addClippingPath(**group, clipPath, state); !clipped) return clipped;
  }
  decorate(**group, symbol, state, false);
  return {};
}

pugi::xml_node SvgTreeReader::clipPathOf(const SvgStyle& style) {
  if (style.clipPath.empty()) return {};
  const pugi::xml_node clipPath = elements.find(style.clipPath);
  if (elements.localName(clipPath) != "clipPath") {
    diagnostics.report(SvgDiagnosticCode::MISSING_REFERENCE, "clip-path",
                       "a clip-path refers to no clipPath element; drawn unclipped");
    return {};
  }
  if (std::string_view(clipPath.attribute("clipPathUnits").value()) == "objectBoundingBox") {
    diagnostics.report(SvgDiagnosticCode::UNSUPPORTED_CLIP, "clipPathUnits",
                       "clip paths in bounding-box units are not supported; drawn unclipped");
    return {};
  }
  return clipPath;
}

platform::Result<void> SvgTreeReader::addClippingPath(Art& clipGroup, const pugi::xml_node& clipPath,
                                                      const ElementState& clipped) {
  // The clip path's content lies in the user space of the element it clips.
  ElementState base;
  base.toArtwork = clipped.toArtwork;
  base.depth = clipped.depth;
  const ElementState clipState = elementState(clipPath, base);
  if (!clipState.style.clipPath.empty()) {
    diagnostics.report(SvgDiagnosticCode::UNSUPPORTED_CLIP, "clip-path", "a clip path's own clip path is ignored");
  }
  std::vector<PathData> paths;
  bool evenOdd = false;
  for (const pugi::xml_node& child : clipPath.children()) {
    std::string_view name = elements.localName(child);
    if (name.empty()) continue;
    ElementState childState = elementState(child, clipState);
    pugi::xml_node shape = child;
    if (name == "use") {
      // A use in a clip path may only refer to a path or a basic shape.
      shape = elements.findHref(hrefOf(child));
      name = elements.localName(shape);
      if (name != "path" && !isBasicShape(name)) {
        diagnostics.report(SvgDiagnosticCode::MISSING_REFERENCE, "use",
                           "a <use> in a clip path refers to no path or shape; skipped");
        continue;
      }
      const LengthContext context = lengthContext(childState.style);
      std::optional<Length> x = parseLength(child.attribute("x").value());
      std::optional<Length> y = parseLength(child.attribute("y").value());
      childState.toArtwork =
          childState.toArtwork * translationMatrix(x ? toUserUnits(*x, context, LengthAxis::HORIZONTAL) : 0,
                                                   y ? toUserUnits(*y, context, LengthAxis::VERTICAL) : 0);
      childState = elementState(shape, childState);
    }
    if (name == "text") {
      diagnostics.report(SvgDiagnosticCode::UNSUPPORTED_CLIP, "text", "text in a clip path is not supported; ignored");
      continue;
    }
    if (name != "path" && !isBasicShape(name)) continue;
    if (childState.style.displayNone || !childState.style.visible) continue;
    platform::Result<PathGeometry> geometry = elementGeometry(shape, name, childState.style);
    if (!geometry) return geometry.error();
    std::vector<PathData> childPaths = toHostPaths(*geometry, childState.toArtwork, diagnostics);
    if (paths.empty() && !childPaths.empty()) evenOdd = childState.style.clipEvenOdd;
    std::move(childPaths.begin(), childPaths.end(), std::back_inserter(paths));
  }
  if (paths.empty()) {
    // An empty clip path lets nothing through: the content is kept, hidden.
    if (platform::Result<void> set = clipGroup.setClipGroup(false); !set) return set;
    return clipGroup.setAttributes(bitOf(ArtAttribute::HIDDEN), bitOf(ArtAttribute::HIDDEN));
  }
  PathStyle clipStyle;
  clipStyle.fill.paint = false;
  clipStyle.fill.evenOdd = evenOdd;
  clipStyle.stroke.paint = false;
  // The clipping path goes behind the content it clips: the clip group's last child.
  platform::Result<Art*> art =
      placePaths(document, clipGroup, PaintOrder::PLACE_INSIDE_ON_BOTTOM, std::move(paths), clipStyle);
  if (!art) return art.error();
  return (*art)->setClipping(true);
}

void SvgTreeReader::decorate(Art& art, const pugi::xml_node& node, const ElementState& state, bool leaf) {
  ArtAttributes values = 0;
  if (state.style.displayNone || (leaf && !state.style.visible)) values |= bitOf(ArtAttribute::HIDDEN);
  if (isTrue(node.attribute("sodipodi:insensitive"))) values |= bitOf(ArtAttribute::LOCKED);
  if (values != 0) {
    // Both bits are known attributes, so the call cannot be refused.
    static_cast<void>(art.setAttributes(values, values));
  }
  if (const pugi::xml_attribute label = node.attribute("inkscape:label"); !label.empty()) art.setName(label.value());
}

}  // namespace host::svg
