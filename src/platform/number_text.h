// Numbers in settings text, read and written the same whatever the locale
// (the C runtime's _wtoi/_wtof and "%g" of the profile formats).
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// Leading blanks, an optional sign and the leading digits; no digits gives 0.
// Values beyond the 64-bit range stop at its limits.
int64_t LeadingInt64(std::string_view text);

// LeadingInt64 limited to the int range (as _wtoi).
int LeadingInt(std::string_view text);

// Leading blanks and the longest decimal floating-point prefix; 0 when none (as _wtof).
double LeadingDouble(std::string_view text);

// printf's "%.<precision>g" in the C locale ("%g" is precision 6).
std::string FormatDouble(double value, int precision = 6);
