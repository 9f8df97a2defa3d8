// The settings store's integer reader against a second model of its
// grammar, written apart from it: a regular expression for the form, the C
// library for the value.
//
//   blanks* sign? ( ("0x" | "0X" | "$" | "x" | "X") hexdigit+ | digit+ )
//
// with blanks a space or a tab, and the value within -2^31..2^31-1.

#include "fuzzcheck.h"

#include "settings/settingsstore.h"

#include <cstdlib>
#include <regex>
#include <string>

namespace {

std::optional<qint32> model(const QString &text)
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

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QString text = QString::fromUtf8(reinterpret_cast<const char *>(data), qsizetype(size));
    FUZZ_CHECK(SettingsStore::parseInteger(text) == model(text));
    return 0;
}
