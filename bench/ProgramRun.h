#pragma once
// Runs a program as a person would from a shell and measures it: wall time from start to exit and the peak
// resident memory of the process, for the benchmarks that time whole commands.

#include <string>
#include <vector>

namespace bench {

/// One run of a program: wall time, peak resident memory and exit status (-1 when it did not start or exit).
struct Measurement {
  double seconds = 0;
  double peakMegabytes = 0;
  int status = -1;
};

/// Runs the program (found on PATH) with its arguments, stdout and stderr to /dev/null, and measures it.
[[nodiscard]] Measurement measure(const std::vector<std::string>& arguments);

/// The middle value (the upper one of an even count), 0 for none.
[[nodiscard]] double median(std::vector<double> values);

}  // namespace bench
