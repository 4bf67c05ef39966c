#include "query/number_text.h"

std::string DecimalText(std::int32_t number) {
    // Widened first, so that the magnitude of the most negative value fits.
    const std::int64_t wide = number;
    std::uint64_t magnitude = wide < 0 ? static_cast<std::uint64_t>(-wide) : static_cast<std::uint64_t>(wide);
    std::string digits;
    do {
        digits.insert(digits.begin(), static_cast<char>('0' + magnitude % 10));
        magnitude /= 10;
    } while (magnitude != 0);
    return wide < 0 ? "-" + digits : digits;
}

std::string HexText(std::int32_t code) {
    static const char hexDigits[] = "0123456789ABCDEF";
    std::uint64_t bits = static_cast<std::uint64_t>(static_cast<std::int64_t>(code));
    std::string digits;
    do {
        digits.insert(digits.begin(), hexDigits[bits & 0xF]);
        bits >>= 4;
    } while (bits != 0);
    return digits;
}
