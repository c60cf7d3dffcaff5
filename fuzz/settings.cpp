// The settings file, whatever it holds: read, written and read again, it is the record
// it was read as, unknown keys included.
#include <QByteArray>

#include <cstddef>
#include <cstdint>

#include "fuzzcheck.h"
#include "settingsrecord.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), int(size));
    const SettingsRecord record = settings_from_json(bytes);
    const QByteArray saved = settings_to_json(record);
    const SettingsRecord again = settings_from_json(saved);
    FUZZ_CHECK(again == record);
    FUZZ_CHECK(settings_to_json(again) == saved);
    return 0;
}
