#pragma once

#include <filesystem>
#include <iosfwd>

namespace host {
class Host;
}

namespace drawhost {

/// `drawhost convert INPUT OUTPUT`: reads INPUT into the host's document and writes it as OUTPUT, each in the
/// format its extension names. What did not carry over is said on err, one line per kind; what was written on
/// out. Returns the exit code: 0 when OUTPUT was written whole, 1 otherwise (nothing is written then).
int convert(host::Host& host, const std::filesystem::path& input, const std::filesystem::path& output, std::ostream& out,
            std::ostream& err);

}  // namespace drawhost
