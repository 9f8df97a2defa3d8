// The settings store's integer reader against a second model of its
// grammar (integergrammar.h).

#include "fuzzcheck.h"
#include "integergrammar.h"

#include "settings/settingsstore.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QString text = QString::fromUtf8(reinterpret_cast<const char *>(data), qsizetype(size));
    FUZZ_CHECK(SettingsStore::parseInteger(text) == integerByGrammar(text));
    return 0;
}
