#pragma once
#include <cstdint>
#include <string>

// Signed decimal: a leading "-" for negative values, no separators, no leading zeros.
std::string DecimalText(std::int32_t number);

// A status code widened with its sign to 64 bits, in upper-case hexadecimal without prefix or
// leading zeros: a negative code gives 16 digits, the first eight of them F.
std::string HexText(std::int32_t code);
