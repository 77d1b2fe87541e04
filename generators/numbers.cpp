#include "generators/numbers.h"

#include <charconv>
#include <cmath>

namespace rowsmith {

namespace {

int digitValue(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return 99;
}

bool isDecimalDigit(char c) {
    return c >= '0' && c <= '9';
}

} // namespace

std::int64_t parseInteger(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t'))
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) {
        negative = text[i] == '-';
        ++i;
    }
    int base = 10;
    if (i < text.size() && text[i] == '$') {
        base = 16;
        ++i;
    } else if (i < text.size() && text[i] == '%') {
        base = 2;
        ++i;
    }
    // Unsigned arithmetic wraps without undefined behaviour.
    std::uint64_t value = 0;
    for (; i < text.size(); ++i) {
        const int digit = digitValue(text[i]);
        if (digit >= base)
            break;
        value = value * static_cast<std::uint64_t>(base) + static_cast<std::uint64_t>(digit);
    }
    if (negative)
        value = 0 - value;
    return static_cast<std::int64_t>(value);
}

void appendInteger(std::string& out, std::int64_t value) {
    char buffer[24];
    const auto end = std::to_chars(buffer, buffer + sizeof buffer, value).ptr;
    out.append(buffer, end);
}

std::string formatInteger(std::int64_t value) {
    std::string text;
    appendInteger(text, value);
    return text;
}

double parseDecimal(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || (text[i] >= '\t' && text[i] <= '\r')))
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) {
        negative = text[i] == '-';
        ++i;
    }
    const std::size_t start = i;
    std::size_t digits = 0;
    for (; i < text.size() && isDecimalDigit(text[i]); ++i)
        ++digits;
    if (i < text.size() && text[i] == '.') {
        for (++i; i < text.size() && isDecimalDigit(text[i]); ++i)
            ++digits;
    }
    if (digits == 0)
        return 0.0;
    // An exponent counts only when digits follow it.
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        std::size_t j = i + 1;
        if (j < text.size() && (text[j] == '-' || text[j] == '+'))
            ++j;
        if (j < text.size() && isDecimalDigit(text[j])) {
            while (j < text.size() && isDecimalDigit(text[j]))
                ++j;
            i = j;
        }
    }
    double value = 0.0;
    const auto result = std::from_chars(text.data() + start, text.data() + i, value);
    if (result.ec != std::errc() || !std::isfinite(value))
        return 0.0; // too large to be finite, or too small to be told from zero
    return negative ? -value : value;
}

namespace {

// Writes a whole number of cents as units, ".", two digits.
void appendCents(std::string& out, std::int64_t cents) {
    if (cents < 0)
        out += '-';
    const std::uint64_t magnitude =
        cents < 0 ? 0 - static_cast<std::uint64_t>(cents) : static_cast<std::uint64_t>(cents);
    char buffer[24];
    const auto end = std::to_chars(buffer, buffer + sizeof buffer, magnitude / 100).ptr;
    out.append(buffer, end);
    const auto hundredths = static_cast<char>(magnitude % 100);
    out += '.';
    out += static_cast<char>('0' + hundredths / 10);
    out += static_cast<char>('0' + hundredths % 10);
}

} // namespace

void appendPrice(std::string& out, double value) {
    if (!std::isfinite(value))
        value = 0.0;
    // Fast path: the nearest whole number of cents, taken only when the exact distance to it
    // (fma rounds once) is clearly below half a cent, so the result is the correctly rounded one.
    if (std::fabs(value) < 1e15) {
        const double cents = std::nearbyint(value * 100.0);
        if (std::fabs(std::fma(value, 100.0, -cents)) < 0.499) {
            appendCents(out, cents == 0.0 ? 0 : static_cast<std::int64_t>(cents));
            return;
        }
    }
    char buffer[400]; // the largest double has 309 integer digits
    const auto end =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, 2).ptr;
    std::string_view text(buffer, static_cast<std::size_t>(end - buffer));
    if (text == "-0.00")
        text.remove_prefix(1);
    out.append(text);
}

std::string formatPrice(double value) {
    std::string text;
    appendPrice(text, value);
    return text;
}

} // namespace rowsmith
