#include "host/svg/SvgWriter.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <string_view>
#include <utility>

#include <pugixml.hpp>

#include "host/document/Art.h"
#include "host/document/Layer.h"
#include "platform/AtomicFile.h"
#include "host/svg/SvgErrors.h"
#include "host/svg/SvgNumberFormat.h"
#include "host/svg/SvgPathFormat.h"
#include "host/svg/SvgTextWriter.h"

namespace host::svg {
namespace {

constexpr const char* kSvgNamespace = "http://www.w3.org/2000/svg";
constexpr const char* kInkscapeNamespace = "http://www.inkscape.org/namespaces/inkscape";
constexpr const char* kSodipodiNamespace = "http://sodipodi.sourceforge.net/DTD/sodipodi-0.dtd";

class StringWriter : public pugi::xml_writer {
public:
  explicit StringWriter(std::string& out) : out(out) {}
  void write(const void* data, size_t size) override { out.append(static_cast<const char*>(data), size); }

private:
  std::string& out;
};

void setAttribute(pugi::xml_node element, const char* name, std::string_view value) {
  element.append_attribute(name).set_value(std::string(value).c_str());
}

// One style declaration "name:value", separated from the previous one by ';'.
void addDeclaration(std::string& style, std::string_view name, std::string_view value) {
  if (!style.empty()) style += ';';
  style += name;
  style += ':';
  style += value;
}

std::string_view lineCapName(LineCap cap) {
  switch (cap) {
    case LineCap::ROUND: return "round";
    case LineCap::PROJECTING: return "square";
    case LineCap::BUTT: break;
  }
  return "butt";
}

std::string_view lineJoinName(LineJoin join) {
  switch (join) {
    case LineJoin::ROUND: return "round";
    case LineJoin::BEVEL: return "bevel";
    case LineJoin::MITER: break;
  }
  return "miter";
}

// The art whose data the walk writes for it: plug-in art is written as the art it draws as.
const Art* contentOf(const Art& art) { return art.type() == ArtType::PLUGIN ? art.pluginResult() : &art; }

class DocumentWriter {
public:
  DocumentWriter(const Document& document, SvgDiagnosticList& diagnostics)
      : document(document),
        diagnostics(diagnostics),
        pageWidth(document.pageSetup().paper.right - document.pageSetup().paper.left),
        pageHeight(document.pageSetup().paper.bottom - document.pageSetup().paper.top),
        colors(diagnostics) {}

  std::string write() {
    pugi::xml_document xml;
    pugi::xml_node declaration = xml.append_child(pugi::node_declaration);
    declaration.append_attribute("version").set_value("1.0");
    declaration.append_attribute("encoding").set_value("UTF-8");
    declaration.append_attribute("standalone").set_value("no");
    pugi::xml_node svg = xml.append_child("svg");
    setAttribute(svg, "xmlns", kSvgNamespace);
    setAttribute(svg, "xmlns:inkscape", kInkscapeNamespace);
    setAttribute(svg, "xmlns:sodipodi", kSodipodiNamespace);
    setAttribute(svg, "version", "1.1");
    setAttribute(svg, "width", formatNumber(pageWidth) + "pt");
    setAttribute(svg, "height", formatNumber(pageHeight) + "pt");
    setAttribute(svg, "viewBox", "0 0 " + formatNumber(pageWidth) + " " + formatNumber(pageHeight));
    defs = svg.append_child("defs");
    // Layer 0 is the back-most, so it is written first.
    for (std::int32_t index = 0; index < document.layerCount(); ++index) {
      writeLayer(*document.layerAt(index), svg, index + 1);
    }
    if (!defs.first_child()) svg.remove_child(defs);
    std::string text;
    StringWriter writer(text);
    xml.save(writer, "  ", pugi::format_indent, pugi::encoding_utf8);
    return text;
  }

private:
  void writeLayer(const Layer& layer, pugi::xml_node svg, std::int32_t number) {
    pugi::xml_node group = svg.append_child("g");
    setAttribute(group, "inkscape:groupmode", "layer");
    setAttribute(group, "id", "layer" + std::to_string(number));
    setAttribute(group, "inkscape:label", layer.title());
    if (!layer.visible()) setAttribute(group, "style", "display:none");
    if (layer.locked()) setAttribute(group, "sodipodi:insensitive", "true");
    writeTree(*layer.group(), group);
  }

  // The clip group's last child when it is a path or compound path (its clipping path), else null.
  static const Art* clippingPathOf(const Art& group) {
    if (!group.isClipGroup()) return nullptr;
    const Art* last = group.lastChild();
    if (last == nullptr || (last->type() != ArtType::PATH && last->type() != ArtType::COMPOUND_PATH)) return nullptr;
    return last;
  }

  // Writes the descendants of root into element, back to front (from each container's last child to its
  // first), the order in which SVG paints. An explicit stack instead of recursion: art trees built by
  // plug-ins may nest deeply.
  void writeTree(const Art& root, pugi::xml_node element) {
    struct Frame {
      const Art* next;
      pugi::xml_node element;
      const Art* skip;
    };
    std::vector<Frame> stack{{root.lastChild(), element, nullptr}};
    while (!stack.empty()) {
      Frame& frame = stack.back();
      const Art* art = frame.next;
      if (art == nullptr) {
        stack.pop_back();
        continue;
      }
      frame.next = art->priorSibling();
      if (art == frame.skip) continue;
      pugi::xml_node parent = frame.element;
      const Art* content = contentOf(*art);
      if (art->type() == ArtType::PLUGIN) {
        diagnostics.report(SvgDiagnosticCode::PLUGIN_ART_EXPANDED, "plug-in art",
                           "plug-in art is written as the art it draws as");
      }
      if (content == nullptr) continue;
      switch (art->type()) {
        case ArtType::GROUP:
        case ArtType::PLUGIN: {
          pugi::xml_node group = parent.append_child("g");
          std::string style = groupStyle(*art);
          const Art* clip = art->type() == ArtType::GROUP ? clippingPathOf(*art) : nullptr;
          if (art->isClipGroup() && clip == nullptr) {
            diagnostics.report(SvgDiagnosticCode::CLIP_GROUP_WITHOUT_PATH, "clip group",
                               "a clip group without a clipping path is written as an ordinary group");
          }
          if (clip != nullptr) setAttribute(group, "clip-path", "url(#" + writeClipPath(*clip) + ")");
          finishElement(group, *art, style);
          stack.push_back(Frame{content->lastChild(), group, clip});
          break;
        }
        case ArtType::PATH:
        case ArtType::COMPOUND_PATH: writePath(*art, parent); break;
        case ArtType::TEXT_FRAME: {
          std::string style;
          pugi::xml_node text = appendTextFrame(parent, art->textFrame(), pageHeight, colors, diagnostics, style);
          if (art->opacity() < 1) addDeclaration(style, "opacity", formatNumber(art->opacity()));
          finishElement(text, *art, style);
          break;
        }
      }
    }
  }

  std::string groupStyle(const Art& art) {
    std::string style;
    if (art.opacity() < 1) addDeclaration(style, "opacity", formatNumber(art.opacity()));
    return style;
  }

  // Adds the attributes every element carries: style (with display:none for hidden art), lock and name.
  void finishElement(pugi::xml_node element, const Art& art, std::string& style) {
    if (art.hasAttribute(ArtAttribute::HIDDEN)) addDeclaration(style, "display", "none");
    if (!style.empty()) setAttribute(element, "style", style);
    if (art.hasAttribute(ArtAttribute::LOCKED)) setAttribute(element, "sodipodi:insensitive", "true");
    if (!art.name().empty()) setAttribute(element, "inkscape:label", art.name());
  }

  // The paths of a path or compound path that draw something, a compound path's from its last child to its
  // first as the reader found them; guides are left out and reported.
  std::vector<const Art*> drawnPaths(const Art& art) {
    std::vector<const Art*> paths;
    auto consider = [&](const Art& path) {
      if (path.type() != ArtType::PATH) return;
      if (path.path().guide()) {
        diagnostics.report(SvgDiagnosticCode::GUIDE_SKIPPED, "guide", "guides are not written");
      } else if (isDrawable(path.path())) {
        paths.push_back(&path);
      }
    };
    if (art.type() == ArtType::PATH) {
      consider(art);
    } else {
      for (const Art* child = art.lastChild(); child != nullptr; child = child->priorSibling()) consider(*child);
    }
    return paths;
  }

  void writePath(const Art& art, pugi::xml_node parent) {
    const std::vector<const Art*> paths = drawnPaths(art);
    if (paths.empty()) {
      // A guide alone was reported as such; anything else here draws nothing.
      if (!(art.type() == ArtType::PATH && art.path().guide())) {
        diagnostics.report(SvgDiagnosticCode::EMPTY_PATH, "path", "a path without anything to draw is not written");
      }
      return;
    }
    std::string data;
    for (const Art* path : paths) appendPathData(data, path->path(), pageHeight);
    pugi::xml_node element = parent.append_child("path");
    setAttribute(element, "d", data);
    // The paths of a compound path share one style; the first one's is written.
    std::string style = pathStyle(paths.front()->style());
    if (art.opacity() < 1) addDeclaration(style, "opacity", formatNumber(art.opacity()));
    finishElement(element, art, style);
  }

  std::string pathStyle(const PathStyle& pathStyle) {
    std::string style;
    addDeclaration(style, "fill", pathStyle.fill.paint ? colors.colorText(pathStyle.fill.color) : "none");
    if (pathStyle.fill.evenOdd) addDeclaration(style, "fill-rule", "evenodd");
    const StrokeStyle& stroke = pathStyle.stroke;
    if (!stroke.paint) {
      addDeclaration(style, "stroke", "none");
      return style;
    }
    addDeclaration(style, "stroke", colors.colorText(stroke.color));
    addDeclaration(style, "stroke-width", formatWidth(stroke.width));
    addDeclaration(style, "stroke-linecap", lineCapName(stroke.cap));
    addDeclaration(style, "stroke-linejoin", lineJoinName(stroke.join));
    addDeclaration(style, "stroke-miterlimit", formatNumber(stroke.miterLimit));
    if (stroke.dash.isSolid()) {
      addDeclaration(style, "stroke-dasharray", "none");
    } else {
      std::string lengths;
      for (HostReal length : stroke.dash.lengths()) {
        if (!lengths.empty()) lengths += ',';
        lengths += formatWidth(length);
      }
      addDeclaration(style, "stroke-dasharray", lengths);
      if (stroke.dash.offset() != 0) addDeclaration(style, "stroke-dashoffset", formatNumber(stroke.dash.offset()));
    }
    return style;
  }

  // Writes a clipping path into <defs> and returns its id.
  std::string writeClipPath(const Art& clip) {
    const std::string id = "clipPath" + std::to_string(++clipPathCount);
    pugi::xml_node clipPath = defs.append_child("clipPath");
    setAttribute(clipPath, "id", id);
    setAttribute(clipPath, "clipPathUnits", "userSpaceOnUse");
    const std::vector<const Art*> paths = drawnPaths(clip);
    std::string data;
    for (const Art* path : paths) appendPathData(data, path->path(), pageHeight);
    // An empty clipping path lets nothing through, in SVG as in the host.
    pugi::xml_node element = clipPath.append_child("path");
    setAttribute(element, "d", data);
    if (!paths.empty() && paths.front()->style().fill.evenOdd) setAttribute(element, "clip-rule", "evenodd");
    return id;
  }

  const Document& document;
  SvgDiagnosticList& diagnostics;
  double pageWidth;
  double pageHeight;
  SvgColorWriter colors;
  pugi::xml_node defs;
  std::int32_t clipPathCount = 0;
};

}  // namespace

SvgText formatSvg(const Document& document) {
  SvgDiagnosticList diagnostics;
  std::string text = DocumentWriter(document, diagnostics).write();
  return SvgText{std::move(text), diagnostics.take()};
}

platform::Result<std::vector<SvgDiagnostic>> writeSvgFile(const Document& document, const std::filesystem::path& file) {
  // A mistyped folder is the user's to fix; the drawing is not written into a folder made up for it.
  std::error_code error;
  std::filesystem::path folder = file.parent_path().empty() ? std::filesystem::path(".") : file.parent_path();
  if (!std::filesystem::is_directory(folder, error)) {
    return platform::Error{kSvgWriteFailed, "the folder " + folder.string() + " does not exist", file.string()};
  }
  SvgText svg = formatSvg(document);
  if (platform::Result<void> written = platform::writeFileAtomically(file, svg.text); !written) {
    return platform::Error{kSvgWriteFailed, written.error().message, written.error().where};
  }
  return std::move(svg.diagnostics);
}

}  // namespace host::svg
