#pragma once

#include <optional>
#include <string_view>

namespace kelvaro::moon {

// Reads an ISO 8601 calendar instant in extended form:
//   YYYY-MM-DD[Thh:mm[:ss[.fff]]][Z | +hh:mm | -hh:mm | +hhmm | +hh]
// and returns its date-time in Universal Time (no zone means UT). Nothing for anything else.
std::optional<double> ParseIsoInstant(std::string_view text);

} // namespace kelvaro::moon
