#include "host/svg/SvgPathFormat.h"

#include <span>

#include "host/svg/SvgNumberFormat.h"

namespace host::svg {
namespace {

bool samePoint(HostRealPoint a, HostRealPoint b) { return a.h == b.h && a.v == b.v; }

bool isStraight(const PathSegment& from, const PathSegment& to) {
  return samePoint(from.out, from.p) && samePoint(to.in, to.p);
}

class PathDataFormatter {
public:
  PathDataFormatter(std::string& out, double pageHeight) : out(out), pageHeight(pageHeight) {}

  void command(char letter) {
    if (!out.empty()) out += ' ';
    out += letter;
  }

  void point(HostRealPoint point) {
    out += ' ';
    appendNumber(out, point.h);
    out += ' ';
    appendNumber(out, pageHeight - static_cast<double>(point.v));
  }

  void curve(const PathSegment& from, const PathSegment& to) {
    if (isStraight(from, to)) {
      command('L');
      point(to.p);
      return;
    }
    command('C');
    point(from.out);
    point(to.in);
    point(to.p);
  }

private:
  std::string& out;
  double pageHeight;
};

}  // namespace

bool isDrawable(const PathData& path) {
  const std::span<const PathSegment> segments = path.segments();
  if (segments.size() >= 2) return true;
  return segments.size() == 1 && path.closed() && !isStraight(segments.front(), segments.front());
}

void appendPathData(std::string& out, const PathData& path, double pageHeight) {
  const std::span<const PathSegment> segments = path.segments();
  if (segments.empty()) return;
  PathDataFormatter formatter(out, pageHeight);
  formatter.command('M');
  formatter.point(segments.front().p);
  for (std::size_t index = 1; index < segments.size(); ++index) formatter.curve(segments[index - 1], segments[index]);
  if (path.closed()) {
    // Z draws the straight closing piece itself; a curved one is written out before it.
    if (!isStraight(segments.back(), segments.front())) formatter.curve(segments.back(), segments.front());
    formatter.command('Z');
  }
}

}  // namespace host::svg
