// The window placement text against a model of its form: seven pieces split
// at every comma, the first exactly "200", the others integers by the
// settings store's grammar (integergrammar.h), and no edge a million pixels
// or more away. A text that parses is written back to the
// same placement, and the clamped frame lies on the desktop.

#include "fuzzcheck.h"
#include "integergrammar.h"

#include "settings/settingserror.h"
#include "settings/windowplacement.h"

#include <QStringList>

#include <cstdint>
#include <cstdlib>

namespace {

enum class Outcome { OtherForm, NotAnInteger, Parsed };

Outcome byModel(const QString &text)
{
    QStringList pieces = text.split(u',');
    if (pieces.last().isEmpty())
        pieces.removeLast();
    if (pieces.size() != 7 || pieces.first() != QLatin1String("200"))
        return Outcome::OtherForm;
    bool farEdge = false;
    for (int i = 1; i < 7; ++i) {
        const std::optional<qint32> value = integerByGrammar(pieces[i]);
        if (!value)
            return Outcome::NotAnInteger;
        farEdge |= i >= 3 && (*value > 1000000 || *value < -1000000);
    }
    return farEdge ? Outcome::OtherForm : Outcome::Parsed;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QString text = QString::fromUtf8(reinterpret_cast<const char *>(data), qsizetype(size));
    std::optional<WindowPlacement> parsed;
    Outcome outcome = Outcome::Parsed;
    try {
        parsed = WindowPlacement::parse(text);
        if (!parsed)
            outcome = Outcome::OtherForm;
    } catch (const SettingsError &) {
        outcome = Outcome::NotAnInteger;
    }
    FUZZ_CHECK(outcome == byModel(text));
    if (!parsed)
        return 0;

    FUZZ_CHECK(WindowPlacement::parse(parsed->text()) == parsed);
    // Clamped, a frame keeps its size and lies on the desktop as far as it fits.
    const int width = std::abs(parsed->right - parsed->left), height = std::abs(parsed->bottom - parsed->top);
    parsed->clampTo(QRect(0, 0, 1024, 768));
    FUZZ_CHECK(std::abs(parsed->right - parsed->left) == width && std::abs(parsed->bottom - parsed->top) == height);
    FUZZ_CHECK(parsed->left >= 0 && parsed->top >= 0);
    FUZZ_CHECK(width > 1024 || parsed->right <= 1024);
    FUZZ_CHECK(height > 768 || parsed->bottom <= 768);
    return 0;
}
