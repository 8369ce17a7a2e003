#include "host/svg/SvgReader.h"

#include <utility>

#include <pugixml.hpp>

#include "host/svg/SourceLines.h"
#include "host/svg/SvgElementIndex.h"
#include "host/svg/SvgErrors.h"
#include "host/svg/SvgPage.h"
#include "host/svg/SvgSource.h"
#include "host/svg/SvgTreeReader.h"

namespace host::svg {
namespace {

std::optional<std::string_view> optionalAttribute(const pugi::xml_node& node, const char* name) {
  const pugi::xml_attribute attribute = node.attribute(name);
  if (attribute.empty()) return std::nullopt;
  return std::string_view(attribute.value());
}

}  // namespace

platform::Result<SvgReadResult> readSvgBytes(std::string bytes, std::string_view sourceName,
                                             const SvgReadProgress& progress) {
  if (isGzipData(bytes)) {
    platform::Result<std::string> inflated = inflateGzip(bytes, sourceName);
    if (!inflated) return inflated.error();
    bytes = std::move(*inflated);
  }
  // Lines are indexed before the parser rewrites the buffer in place.
  const SourceLines lines(bytes);
  const SourceLocator locator(std::string(sourceName), bytes, lines);
  pugi::xml_document xml;
  // In-place parsing keeps names and values at their source offsets (for line numbers) and saves a copy.
  const pugi::xml_parse_result parsed = xml.load_buffer_inplace(bytes.data(), bytes.size(), pugi::parse_default);
  if (!parsed) {
    return platform::fail(std::string("not well-formed XML: ") + parsed.description(),
                          locator.whereOffset(static_cast<std::size_t>(parsed.offset)), kSvgNotXml);
  }
  const pugi::xml_node root = xml.document_element();
  SvgElementIndex names(root);
  if (names.localName(root) != "svg") {
    return platform::fail(std::string("not an SVG document: the root element is <") + root.name() + ">, not <svg>",
                          locator.whereNode(root), kSvgNotSvg);
  }

  const PageAttributes pageAttributes{optionalAttribute(root, "width"), optionalAttribute(root, "height"),
                                      optionalAttribute(root, "viewBox"),
                                      optionalAttribute(root, "preserveAspectRatio")};
  const PageLayoutResult layout = layOutPage(pageAttributes);
  if (layout.problem) {
    const char* attribute = layout.problem->attribute == PageAttribute::WIDTH ? "width" : "height";
    return platform::fail(layout.problem->message, locator.whereAttribute(root, root.attribute(attribute)),
                          kSvgBadPageSize);
  }

  SvgDiagnosticList diagnostics;
  if (layout.layout.ignoredAttribute) {
    diagnostics.report(SvgDiagnosticCode::INVALID_VALUE, *layout.layout.ignoredAttribute,
                       "the root's viewBox or preserveAspectRatio could not be read; ignored");
  }
  auto document = std::make_unique<Document>();
  if (platform::Result<void> set = document->setPageSetup(layout.layout.record); !set) return set.error();
  if (platform::Result<void> set = document->setPageOrigin(kDefaultPageOrigin); !set) return set.error();
  SvgTreeReader reader(*document, diagnostics, locator, layout.layout, root, progress);
  if (platform::Result<void> read = reader.readRoot(); !read) {
    // A refusal from deep inside (a value the document refuses) names at least the file.
    platform::Error error = read.error();
    if (error.where.empty()) error.where = std::string(sourceName);
    return error;
  }
  return SvgReadResult{std::move(document), diagnostics.take()};
}

platform::Result<SvgReadResult> readSvgFile(const std::filesystem::path& file, const SvgReadProgress& progress) {
  platform::Result<std::string> bytes = loadSvgSource(file);
  if (!bytes) return bytes.error();
  platform::Result<SvgReadResult> result = readSvgBytes(std::move(*bytes), file.string(), progress);
  if (result) result->document->setFileName(file);
  return result;
}

}  // namespace host::svg
