#include "host/svg/SvgTextReader.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "host/svg/NumberScanner.h"
#include "host/svg/PaintResolution.h"
#include "host/svg/PathStyleMapping.h"
#include "host/svg/TextLeading.h"

namespace host::svg {
namespace {

// Text nested more deeply than this inside one <text> is skipped.
constexpr int kMaxTextDepth = 32;

struct RunDraft {
  std::string text;
  CharacterFeatures features;
};

struct LineDraft {
  double x = 0;
  double y = 0;
  Justification justification = Justification::LEFT;
  // Features for an empty line, so that its size still sets its leading.
  CharacterFeatures lineFeatures;
  std::vector<RunDraft> runs;
};

Justification justificationOf(TextAnchor anchor) {
  switch (anchor) {
    case TextAnchor::MIDDLE: return Justification::CENTER;
    case TextAnchor::END: return Justification::RIGHT;
    case TextAnchor::START: break;
  }
  return Justification::LEFT;
}

bool preservesSpace(const pugi::xml_node& node) {
  return std::string_view(node.attribute("xml:space").value()) == "preserve";
}

// Applies SVG's white-space rules to a piece of character data. Default: line breaks are removed, tabs become
// spaces and runs of spaces collapse to one (also across pieces: afterSpace says whether the line so far ends
// in a space). preserve: line breaks and tabs become spaces, nothing collapses.
std::string collapseSpaces(std::string_view text, bool preserve, bool& afterSpace) {
  std::string result;
  result.reserve(text.size());
  for (char character : text) {
    if (character == '\n' || character == '\r') {
      if (!preserve) continue;
      character = ' ';
    }
    if (character == '\t') character = ' ';
    if (character == ' ' && !preserve && afterSpace) continue;
    result += character;
    afterSpace = character == ' ';
  }
  return result;
}

// The first number of a coordinate list attribute; whether more followed is reported through `several`.
std::optional<double> firstCoordinate(const pugi::xml_node& node, const char* name, const LengthContext& context,
                                      LengthAxis axis, bool& several) {
  const pugi::xml_attribute attribute = node.attribute(name);
  if (attribute.empty()) return std::nullopt;
  std::string_view text = trimSpaces(attribute.value());
  const std::size_t end = text.find_first_of(", \t\r\n");
  if (end != std::string_view::npos) {
    several = several || !trimSpaces(text.substr(end)).empty();
    text = text.substr(0, end);
  }
  std::optional<Length> length = parseLength(text);
  if (!length) return std::nullopt;
  return toUserUnits(*length, context, axis);
}

class TextBuilder {
public:
  TextBuilder(SvgDiagnosticList& diagnostics, SvgElementIndex& elements, ElementStateBuilder& states)
      : diagnostics(diagnostics), elements(elements), states(states) {}

  CharacterFeatures features(const SvgStyle& style) {
    if (style.fontBold || style.fontItalic) {
      diagnostics.report(SvgDiagnosticCode::TEXT_APPROXIMATED, "font-weight or font-style",
                         "bold and italic are not folded into the font name; the family is kept as written");
    }
    CharacterFeatures result;
    if (!style.fontFamily.empty()) result.font = style.fontFamily;
    result.size = static_cast<HostReal>(style.fontSize);
    const ResolvedPaint fill = resolvePaint(style.fill, style, elements, diagnostics);
    const ResolvedPaint stroke = resolvePaint(style.stroke, style, elements, diagnostics);
    result.fillPaint = fill.paint && style.fillOpacity > 0;
    result.fillColor = toThreeColor(fill.color);
    result.strokeWidth = static_cast<HostReal>(style.strokeWidth);
    result.strokePaint = stroke.paint && style.strokeOpacity > 0 && result.strokeWidth > 0;
    result.strokeColor = toThreeColor(stroke.color);
    return result;
  }

  void startLine(double x, double y, const SvgStyle& style) {
    finishLine();
    lines.push_back(LineDraft{x, y, justificationOf(style.textAnchor), features(style), {}});
    afterSpace = true;
  }

  void addText(std::string_view data, const SvgStyle& style, bool preserve) {
    std::string text = collapseSpaces(data, preserve, afterSpace);
    if (text.empty()) return;
    CharacterFeatures runFeatures = features(style);
    std::vector<RunDraft>& runs = lines.back().runs;
    if (!runs.empty() && runs.back().features == runFeatures) {
      runs.back().text += text;
    } else {
      runs.push_back(RunDraft{std::move(text), std::move(runFeatures)});
    }
  }

  // Ends the current line: its trailing space (collapsed mode) goes, as SVG strips it.
  void finishLine() {
    if (lines.empty() || preserveCurrent) return;
    std::vector<RunDraft>& runs = lines.back().runs;
    if (!runs.empty() && runs.back().text.ends_with(' ')) {
      runs.back().text.pop_back();
      if (runs.back().text.empty()) runs.pop_back();
    }
  }

  void reportPositions() {
    diagnostics.report(SvgDiagnosticCode::TEXT_APPROXIMATED, "glyph positions",
                       "per-glyph positions (x or y lists, dx, dy, rotate) are not read; text flows as one line");
  }

  SvgDiagnosticList& diagnostics;
  SvgElementIndex& elements;
  ElementStateBuilder& states;
  std::vector<LineDraft> lines;
  bool afterSpace = true;
  bool preserveCurrent = false;
};

// Reads the content of a <text> or <tspan>: character data into runs, child <tspan>s recursively; a direct
// child <tspan> of the <text> with its own y starts a new line.
void readContent(TextBuilder& builder, const pugi::xml_node& element, const ElementState& state, bool preserve,
                 bool isText, int depth) {
  for (const pugi::xml_node& child : element.children()) {
    if (child.type() == pugi::node_pcdata || child.type() == pugi::node_cdata) {
      builder.addText(child.value(), state.style, preserve);
      continue;
    }
    const std::string_view name = builder.elements.localName(child);
    if (name.empty()) continue;
    if (name != "tspan") {
      if (name == "textPath" || name == "tref" || name == "altGlyph") {
        builder.diagnostics.report(SvgDiagnosticCode::TEXT_APPROXIMATED, name, "this kind of text is not read");
      }
      continue;
    }
    if (depth >= kMaxTextDepth) {
      builder.diagnostics.report(SvgDiagnosticCode::NESTING_TOO_DEEP, "tspan",
                                 "elements nested too deeply are skipped");
      continue;
    }
    const ElementState spanState = builder.states.stateOf(child, state);
    if (spanState.style.displayNone) continue;
    const LengthContext context = builder.states.lengthContext(spanState.style);
    bool several = false;
    const std::optional<double> x = firstCoordinate(child, "x", context, LengthAxis::HORIZONTAL, several);
    const std::optional<double> y = firstCoordinate(child, "y", context, LengthAxis::VERTICAL, several);
    if (several || !child.attribute("dx").empty() || !child.attribute("dy").empty() ||
        !child.attribute("rotate").empty()) {
      builder.reportPositions();
    }
    const bool newLine = isText && (y || std::string_view(child.attribute("sodipodi:role").value()) == "line");
    if (newLine) {
      const LineDraft& previous = builder.lines.back();
      builder.startLine(x.value_or(previous.x), y.value_or(previous.y), spanState.style);
    }
    readContent(builder, child, spanState, preserve || preservesSpace(child), false, depth + 1);
  }
}

}  // namespace

platform::Result<Art*> SvgTextReader::read(const pugi::xml_node& text, const ElementState& state, Art& container) {
  const LengthContext context = states.lengthContext(state.style);
  bool several = false;
  const double x = firstCoordinate(text, "x", context, LengthAxis::HORIZONTAL, several).value_or(0.0);
  const double y = firstCoordinate(text, "y", context, LengthAxis::VERTICAL, several).value_or(0.0);

  // Frame space is y upwards from the first line's position; the matrix's mean scale goes into the sizes.
  TextBuilder builder(diagnostics, elements, states);
  builder.lines.push_back(LineDraft{x, y, justificationOf(state.style.textAnchor), {}, {}});
  const bool preserve = preservesSpace(text);
  builder.preserveCurrent = preserve;
  if (several || !text.attribute("dx").empty() || !text.attribute("dy").empty() || !text.attribute("rotate").empty()) {
    builder.reportPositions();
  }
  readContent(builder, text, state, preserve, true, 0);
  builder.finishLine();
  std::vector<LineDraft>& lines = builder.lines;
  // The <text> element's own line only counts when it holds text before the first line <tspan>.
  if (lines.size() > 1 && lines.front().runs.empty()) lines.erase(lines.begin());
  const bool hasCharacters = std::any_of(lines.begin(), lines.end(), [](const LineDraft& line) {
    return std::any_of(line.runs.begin(), line.runs.end(), [](const RunDraft& run) { return !run.text.empty(); });
  });
  if (!hasCharacters) return static_cast<Art*>(nullptr);

  const LineDraft& first = lines.front();
  const TransformMatrix toArtwork = state.toArtwork * translationMatrix(first.x, first.y) * scalingMatrix(1, -1);
  // A scale within rounding of 1 (a matrix read back from our own output) is taken as exactly 1, so that
  // reading and writing again changes nothing.
  double scale = toArtwork.meanScale();
  if (std::abs(scale - 1) < 1e-6 || !(scale > 0)) scale = 1;
  const double unscale = 1 / scale;

  TextFrameData frame;
  frame.kind = TextFrameKind::POINT;
  frame.matrix =
      AffineMatrix{static_cast<HostReal>(toArtwork.a * unscale), static_cast<HostReal>(toArtwork.b * unscale),
                   static_cast<HostReal>(toArtwork.c * unscale), static_cast<HostReal>(toArtwork.d * unscale),
                   static_cast<HostReal>(toArtwork.e),           static_cast<HostReal>(toArtwork.f)};
  double previousY = first.y;
  bool firstLine = true;
  for (LineDraft& line : lines) {
    Paragraph paragraph;
    paragraph.justification = line.justification;
    for (RunDraft& run : line.runs) {
      run.features.size = static_cast<HostReal>(run.features.size * scale);
      run.features.strokeWidth = static_cast<HostReal>(run.features.strokeWidth * scale);
      paragraph.runs.push_back(TextRun{std::move(run.text), std::move(run.features)});
    }
    if (paragraph.runs.empty()) {
      line.lineFeatures.size = static_cast<HostReal>(line.lineFeatures.size * scale);
      line.lineFeatures.strokeWidth = static_cast<HostReal>(line.lineFeatures.strokeWidth * scale);
      paragraph.runs.push_back(TextRun{{}, line.lineFeatures});
    }
    if (!firstLine) {
      // The leading is kept only when it differs from auto leading, so that editing sizes keeps lines apart.
      const HostReal gap = static_cast<HostReal>((line.y - previousY) * scale);
      if (std::abs(gap - paragraphLeading(paragraph)) > 1e-3) paragraph.leading = gap;
    }
    previousY = line.y;
    firstLine = false;
    frame.story.paragraphs.push_back(std::move(paragraph));
  }
  // A position or size beyond the host's range (a float) cannot be laid out: left out, as such a path is.
  if (!validateTextFrame(frame)) {
    diagnostics.report(SvgDiagnosticCode::INVALID_VALUE, "text",
                       "a text has a position or size too large for the host; it is left out");
    return static_cast<Art*>(nullptr);
  }

  platform::Result<Art*> art = document.newArt(ArtType::TEXT_FRAME, PaintOrder::PLACE_INSIDE_ON_TOP, &container);
  if (!art) return art;
  platform::Result<TextFrameData*> data = (*art)->editTextFrame();
  if (!data) return data.error();
  **data = std::move(frame);
  // As for paths: the fill opacity counts when the text is filled, else the stroke opacity.
  double opacity = state.style.opacity;
  if (state.style.fill.kind != PaintKind::NONE) {
    opacity *= state.style.fillOpacity;
  } else if (state.style.stroke.kind != PaintKind::NONE) {
    opacity *= state.style.strokeOpacity;
  }
  if (platform::Result<void> set = (*art)->setOpacity(static_cast<HostReal>(std::clamp(opacity, 0.0, 1.0))); !set) {
    return set.error();
  }
  return art;
}

}  // namespace host::svg
