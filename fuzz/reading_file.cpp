// A reading file of any shape: refused with a reason and nothing kept, or kept so that
// writing it again gives the same reading back, every value bit for bit.
#include <QByteArray>

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstring>

#include "fuzzcheck.h"
#include "readingfile.h"

namespace {

bool sameValue(float a, float b)
{
    // The writer keeps a NaN as "nan": its sign and payload are not kept.
    if (std::isnan(a) || std::isnan(b))
        return std::isnan(a) && std::isnan(b);
    return std::memcmp(&a, &b, sizeof a) == 0;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArray json(reinterpret_cast<const char *>(data), int(size));
    const ParsedReading parsed = reading_from_json(json);
    if (parsed.error != ReadingError::None) {
        FUZZ_CHECK(parsed.reading.blocks.isEmpty() && parsed.reading.port.isEmpty());
        return 0;
    }
    const Reading &reading = parsed.reading;
    const ParsedReading again = reading_from_json(reading_to_json(reading));
    FUZZ_CHECK(again.error == ReadingError::None);
    // The file keeps the time to the second: a fraction that another writer gave is dropped.
    FUZZ_CHECK(again.reading.readAt == reading.readAt.addMSecs(-reading.readAt.time().msec()));
    FUZZ_CHECK(again.reading.port == reading.port);
    FUZZ_CHECK(again.reading.blocks.size() == reading.blocks.size());
    for (int b = 0; b < reading.blocks.size(); ++b) {
        const Block &block = reading.blocks.at(b);
        const Block &read = again.reading.blocks.at(b);
        FUZZ_CHECK(read.name == block.name);
        FUZZ_CHECK(read.values.size() == block.values.size());
        for (int i = 0; i < block.values.size(); ++i)
            FUZZ_CHECK(sameValue(read.values.at(i), block.values.at(i)));
    }
    return 0;
}
