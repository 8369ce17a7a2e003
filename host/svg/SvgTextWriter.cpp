#include "host/svg/SvgTextWriter.h"

#include <algorithm>
#include <string_view>

#include "host/svg/SvgNumberFormat.h"
#include "host/svg/TextLeading.h"

namespace host::svg {
namespace {

void setAttribute(pugi::xml_node element, const char* name, const std::string& value) {
  element.append_attribute(name).set_value(value.c_str());
}

void addDeclaration(std::string& style, std::string_view name, std::string_view value) {
  if (!style.empty()) style += ';';
  style += name;
  style += ':';
  style += value;
}

// Justification comes from plug-ins unchecked, so an unknown value is written as the default.
std::string_view anchorName(Justification justification) {
  switch (justification) {
    case Justification::CENTER: return "middle";
    case Justification::RIGHT: return "end";
    case Justification::LEFT: break;
  }
  return "start";
}

std::string quotedFamily(const std::string& font) {
  // CSS quotes the family; a name holding an apostrophe takes double quotes.
  const char quote = font.find('\'') == std::string::npos ? '\'' : '"';
  return quote + font + quote;
}

// Text without the control characters XML 1.0 cannot hold (tab stays).
std::string xmlText(std::string_view text, SvgDiagnosticList& diagnostics) {
  std::string clean;
  clean.reserve(text.size());
  for (char character : text) {
    if (static_cast<unsigned char>(character) < 0x20 && character != '\t') {
      diagnostics.report(SvgDiagnosticCode::TEXT_APPROXIMATED, "control character",
                         "control characters in text cannot be written to XML; they are left out");
      continue;
    }
    clean += character;
  }
  return clean;
}

std::string featureStyle(const CharacterFeatures& features, SvgColorWriter& colors, SvgDiagnosticList& diagnostics) {
  if (features.horizontalScale != 1 || features.verticalScale != 1) {
    diagnostics.report(SvgDiagnosticCode::TEXT_APPROXIMATED, "character scale",
                       "SVG text has no character scaling; characters are written unscaled");
  }
  std::string style;
  addDeclaration(style, "font-family", quotedFamily(features.font));
  addDeclaration(style, "font-size", formatNumber(features.size));
  addDeclaration(style, "fill", features.fillPaint ? colors.colorText(features.fillColor) : "none");
  if (features.strokePaint) {
    addDeclaration(style, "stroke", colors.colorText(features.strokeColor));
    addDeclaration(style, "stroke-width", formatWidth(features.strokeWidth));
  } else {
    addDeclaration(style, "stroke", "none");
  }
  return style;
}

}  // namespace

pugi::xml_node appendTextFrame(pugi::xml_node parent, const TextFrameData& frame, double pageHeight,
                               SvgColorWriter& colors, SvgDiagnosticList& diagnostics, std::string& style) {
  const AffineMatrix& matrix = frame.matrix;
  double firstX = 0;
  double firstBaseline = 0;
  if (frame.kind == TextFrameKind::AREA) {
    diagnostics.report(SvgDiagnosticCode::TEXT_APPROXIMATED, "area text",
                       "SVG 1.1 has no area text; it is written as point text from the area's top-left corner");
    const std::vector<Paragraph>& paragraphs = frame.story.paragraphs;
    firstX = frame.area.left;
    // The first baseline one line below the top edge; frame y grows upwards, SVG text y downwards.
    firstBaseline = -frame.area.top +
                    (paragraphs.empty() ? kDefaultFontSize : paragraphLeading(paragraphs.front()) / kAutoLeadingFactor);
  }
  pugi::xml_node text = parent.append_child("text");
  // Frame space (y up) to SVG page space (y down): flip the frame's y, apply the matrix, flip with the page.
  // The unitless coefficients are written exactly; the translation in points like every coordinate.
  std::string transform = "matrix(";
  for (float coefficient : {matrix.a, -matrix.b, -matrix.c, matrix.d}) {
    appendExactNumber(transform, coefficient);
    transform += ' ';
  }
  appendNumber(transform, matrix.tx);
  transform += ' ';
  appendNumber(transform, pageHeight - matrix.ty);
  setAttribute(text, "transform", transform + ")");
  setAttribute(text, "xml:space", "preserve");

  double baseline = firstBaseline;
  bool first = true;
  for (const Paragraph& paragraph : frame.story.paragraphs) {
    if (!first) baseline += paragraphLeading(paragraph);
    first = false;
    pugi::xml_node line = text.append_child("tspan");
    setAttribute(line, "sodipodi:role", "line");
    setAttribute(line, "x", formatNumber(firstX));
    setAttribute(line, "y", formatNumber(baseline));
    std::string lineStyle;
    addDeclaration(lineStyle, "text-anchor", anchorName(paragraph.justification));
    if (paragraph.runs.size() == 1) {
      lineStyle += ';' + featureStyle(paragraph.runs.front().features, colors, diagnostics);
      setAttribute(line, "style", lineStyle);
      const std::string content = xmlText(paragraph.runs.front().text, diagnostics);
      if (!content.empty()) line.append_child(pugi::node_pcdata).set_value(content.c_str());
      continue;
    }
    setAttribute(line, "style", lineStyle);
    for (const TextRun& run : paragraph.runs) {
      pugi::xml_node span = line.append_child("tspan");
      setAttribute(span, "style", featureStyle(run.features, colors, diagnostics));
      const std::string content = xmlText(run.text, diagnostics);
      if (!content.empty()) span.append_child(pugi::node_pcdata).set_value(content.c_str());
    }
  }
  style.clear();
  return text;
}

}  // namespace host::svg
