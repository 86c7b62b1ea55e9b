#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace trevallion {

// Text from the command line or a file, made safe for a one-line message: backslashes, double
// quotes, control characters and NUL bytes are written as escapes (\\, \", \n, \t, \r, \xHH);
// other bytes stay.
std::string Escaped(std::string_view text);

// At most the first `maxBytes` bytes of `text`, cut between characters, escaped and in double
// quotes, with "..." after the cut when something was left out.
std::string QuotedPrefix(std::string_view text, std::size_t maxBytes = 20);

} // namespace trevallion
