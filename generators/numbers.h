#pragma once

// Number reading and writing shared by the generators and the writers. None of these depend on the
// user's regional settings: "." is the only decimal separator and no digit grouping is used.

#include <cstdint>
#include <string>
#include <string_view>

namespace rowsmith {

// Reads a signed 64-bit integer: blanks and tabs, an optional sign, then decimal digits, "$" and
// hexadecimal digits, or "%" and binary digits. Stops at the first foreign character; no digits
// give 0; overflow wraps silently.
std::int64_t parseInteger(std::string_view text);

// Decimal digits with a leading "-" for negative values.
std::string formatInteger(std::int64_t value);
void appendInteger(std::string& out, std::int64_t value);

// Reads a decimal number ("-12.5", "1.5e1"); stops at the first foreign character, gives 0 when no
// number starts the text and 0 for a number too large to be finite.
double parseDecimal(std::string_view text);

// Fixed-point with exactly two decimals, never "-0.00"; a value that is not finite gives "0.00".
std::string formatPrice(double value);
void appendPrice(std::string& out, double value);

} // namespace rowsmith
