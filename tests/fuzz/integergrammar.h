#pragma once
// A second model of the integer grammar of the settings store, written apart
// from SettingsStore::parseInteger: a regular expression for the form, the C
// library for the value. Any reader of stored integers can be checked
// against it.
//
//   blanks* sign? ( ("0x" | "0X" | "$" | "x" | "X") hexdigit+ | digit+ )
//
// with blanks a space or a tab, and the value within -2^31..2^31-1.

#include <QString>

#include <algorithm>
#include <cstdlib>
#include <optional>
#include <regex>
#include <string>

inline std::optional<qint32> integerByGrammar(const QString &text)
{
    // No character of the grammar lies outside ASCII.
    std::string ascii;
    for (const QChar c : text)
        ascii += c.unicode() < 128 ? char(c.unicode()) : '?';
    static const std::regex grammar(R"([ \t]*([+-]?)(?:(?:0[xX]|[$xX])([0-9A-Fa-f]+)|([0-9]+)))");
    std::smatch parts;
    if (!std::regex_match(ascii, parts, grammar))
        return std::nullopt;
    const bool negative = parts[1] == "-";
    const bool hex = parts[2].matched;
    std::string digits = hex ? parts[2].str() : parts[3].str();
    digits.erase(0, std::min(digits.find_first_not_of('0'), digits.size() - 1));
    if (digits.size() > 10)
        return std::nullopt;
    const unsigned long long magnitude = std::strtoull(digits.c_str(), nullptr, hex ? 16 : 10);
    if (magnitude > (negative ? 2147483648ULL : 2147483647ULL))
        return std::nullopt;
    return qint32(negative ? -static_cast<long long>(magnitude) : static_cast<long long>(magnitude));
}
