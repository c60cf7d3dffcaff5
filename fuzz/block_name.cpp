// A block's 20 name bytes, whatever they are: what remains are the code units of the kept
// ranges (Latin with its controls, Cyrillic, Latin Extended Additional) in their order.
#include <QByteArray>
#include <QString>

#include <cstddef>
#include <cstdint>
#include <vector>

#include "blockname.h"
#include "fuzzcheck.h"

namespace {

bool kept(char16_t unit)
{
    return unit < 0x0250 || (unit >= 0x0400 && unit < 0x0530) || (unit >= 0x1E00 && unit < 0x1F00);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    if (size > 20)
        size = 20;
    const QByteArray raw(reinterpret_cast<const char *>(data), int(size));

    // The units the bytes hold: a byte-order mark first says the order and is dropped;
    // a last odd byte is no unit.
    std::size_t start = 0;
    bool bigEndian = false;
    if (size >= 2 && data[0] == 0xFE && data[1] == 0xFF) {
        bigEndian = true;
        start = 2;
    } else if (size >= 2 && data[0] == 0xFF && data[1] == 0xFE) {
        start = 2;
    }
    std::vector<char16_t> expected;
    for (std::size_t i = start; i + 2 <= size; i += 2) {
        const char16_t unit = bigEndian ? char16_t(data[i] << 8 | data[i + 1]) : char16_t(data[i + 1] << 8 | data[i]);
        if (kept(unit))
            expected.push_back(unit);
    }

    const QString name = block_name_from_bytes(raw);
    FUZZ_CHECK(std::size_t(name.size()) == expected.size());
    for (int i = 0; i < name.size(); ++i)
        FUZZ_CHECK(name.at(i).unicode() == expected[std::size_t(i)]);
    // Cleaning what is clean changes nothing.
    FUZZ_CHECK(clean_block_name(name) == name);
    return 0;
}
