#pragma once
// Helpers shared by the SVG tests: fixtures, inline snippets, art look-ups and a document comparison that
// reads meaning (structure, geometry within a tolerance, styles, text), not bytes.

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "host/document/Art.h"
#include "host/document/Document.h"
#include "host/svg/SvgDiagnostics.h"
#include "host/svg/SvgReader.h"
#include "platform/Result.h"

namespace host::svg::testing {

/// The largest difference between coordinates that counts as the same geometry, points.
inline constexpr double kGeometryTolerance = 0.001;

/// A file of tests/fixtures/svg/.
[[nodiscard]] std::filesystem::path fixturePath(std::string_view name);

/// Reads an inline SVG snippet, named "snippet.svg" in messages.
[[nodiscard]] platform::Result<SvgReadResult> readSnippet(std::string_view svg);

/// The art of a document in walk order: layers from the back, each container before its children, back to
/// front (the order of an SVG file).
[[nodiscard]] std::vector<const Art*> allArt(const Document& document);

/// The art of one type in walk order.
[[nodiscard]] std::vector<const Art*> artOfType(const Document& document, ArtType type);

/// How often a diagnostic of this code and subject was reported (0 when not at all).
[[nodiscard]] std::int32_t diagnosticCount(const std::vector<SvgDiagnostic>& diagnostics, SvgDiagnosticCode code,
                                           std::string_view subject);

/// Expects the same layers, the same art tree, geometry within tolerance, the same styles and text.
void expectSameDocument(const Document& expected, const Document& actual, double tolerance = kGeometryTolerance);

/// Expects two points within tolerance, naming what they are in a failure.
void expectPointNear(HostRealPoint actual, HostRealPoint expected, double tolerance, std::string_view what);

/// A fresh folder under the system's temporary folder, removed with everything in it at the end of its life.
class ScratchFolder {
public:
  ScratchFolder();
  ScratchFolder(const ScratchFolder&) = delete;
  ScratchFolder& operator=(const ScratchFolder&) = delete;
  ~ScratchFolder();
  /// The folder.
  [[nodiscard]] const std::filesystem::path& path() const { return folder; }
  /// The names of the files in the folder, sorted.
  [[nodiscard]] std::vector<std::string> fileNames() const;

private:
  std::filesystem::path folder;
};

}  // namespace host::svg::testing
