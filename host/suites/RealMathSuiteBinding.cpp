// "AI Real Math Suite": point and matrix arithmetic in 4-byte reals, as art stores them.

#include "host/sdk/ErrorCodes.h"
#include "host/sdk/RealMathSuite.h"
#include "host/suites/SuiteBindings.h"
#include "host/suites/SuiteRegistry.h"

namespace host {
namespace {

HostResult realMatrixTransformPoint(const HostRealMatrix* matrix, const HostRealPoint* point,
                                   HostRealPoint* result) {
  if (matrix == nullptr || point == nullptr || result == nullptr) return HOST_BAD_PARAMETER;
  const HostRealMatrix& m = *matrix;
  HostRealPoint p = *point;  // result may be point itself
  *result = HostRealPoint{m.a * p.h + m.c * p.v + m.tx, m.b * p.h + m.d * p.v + m.ty};
  return HOST_NO_ERROR;
}

HostResult realMatrixConcatenate(const HostRealMatrix* first, const HostRealMatrix* second, HostRealMatrix* result) {
  if (first == nullptr || second == nullptr || result == nullptr) return HOST_BAD_PARAMETER;
  const HostRealMatrix f = *first;  // result may be either argument
  const HostRealMatrix s = *second;
  *result = HostRealMatrix{s.a * f.a + s.c * f.b,
                           s.b * f.a + s.d * f.b,
                           s.a * f.c + s.c * f.d,
                           s.b * f.c + s.d * f.d,
                           s.a * f.tx + s.c * f.ty + s.tx,
                           s.b * f.tx + s.d * f.ty + s.ty};
  return HOST_NO_ERROR;
}

constexpr RealMathSuite kRealMathSuite{realMatrixTransformPoint, realMatrixConcatenate};

}  // namespace

void registerRealMathSuite(SuiteRegistry& registry) {
  registry.add(SUITE_REAL_MATH, REAL_MATH_SUITE_VERSION, &kRealMathSuite);
}

}  // namespace host
