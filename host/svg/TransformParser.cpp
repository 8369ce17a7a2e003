#include "host/svg/TransformParser.h"

#include <array>
#include <numbers>

#include "host/svg/NumberScanner.h"

namespace host::svg {
namespace {

double radians(double degrees) { return degrees * std::numbers::pi / 180; }

struct TransformFunction {
  std::string_view name;
  // How many arguments the function accepts: one of the listed counts.
  std::array<int, 3> argumentCounts;
};

constexpr TransformFunction kFunctions[] = {
    {"matrix", {6, 6, 6}}, {"translate", {1, 2, 2}}, {"scale", {1, 2, 2}},
    {"rotate", {1, 3, 3}}, {"skewX", {1, 1, 1}},     {"skewY", {1, 1, 1}},
};

TransformMatrix functionMatrix(std::string_view name, const double* arguments, int count) {
  if (name == "matrix") {
    return {arguments[0], arguments[1], arguments[2], arguments[3], arguments[4], arguments[5]};
  }
  if (name == "translate") return translationMatrix(arguments[0], count == 2 ? arguments[1] : 0);
  if (name == "scale") return scalingMatrix(arguments[0], count == 2 ? arguments[1] : arguments[0]);
  if (name == "rotate") {
    const TransformMatrix rotation = rotationMatrix(radians(arguments[0]));
    if (count == 1) return rotation;
    // rotate(a, cx, cy) turns about (cx, cy).
    return translationMatrix(arguments[1], arguments[2]) * rotation * translationMatrix(-arguments[1], -arguments[2]);
  }
  if (name == "skewX") return skewXMatrix(radians(arguments[0]));
  return skewYMatrix(radians(arguments[0]));
}

}  // namespace

std::optional<TransformMatrix> parseTransformList(std::string_view text) {
  NumberScanner scanner(text);
  TransformMatrix result;
  while (!scanner.atEnd()) {
    const std::string_view rest = scanner.rest();
    const TransformFunction* function = nullptr;
    for (const TransformFunction& candidate : kFunctions) {
      if (rest.starts_with(candidate.name)) function = &candidate;
    }
    if (function == nullptr) return std::nullopt;
    for (std::size_t skip = 0; skip < function->name.size(); ++skip) scanner.advance();
    scanner.skipSpaces();
    if (scanner.peek() != '(') return std::nullopt;
    scanner.advance();
    double arguments[6] = {};
    int count = 0;
    scanner.skipSpaces();
    while (scanner.peek() != ')') {
      if (count == 6) return std::nullopt;
      std::optional<double> value = scanner.number();
      if (!value) return std::nullopt;
      arguments[count++] = *value;
      scanner.skipSeparator();
    }
    scanner.advance();
    const auto& counts = function->argumentCounts;
    if (count != counts[0] && count != counts[1] && count != counts[2]) return std::nullopt;
    result = result * functionMatrix(function->name, arguments, count);
    scanner.skipSeparator();
  }
  return result;
}

}  // namespace host::svg
