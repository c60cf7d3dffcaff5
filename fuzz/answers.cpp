// Each decoder of the instrument's answers fed any bytes: the first byte picks the
// decoder, the rest is the answer.
#include <QByteArray>
#include <QVector>

#include <cstddef>
#include <cstdint>
#include <cstring>

#include "fuzzcheck.h"
#include "protocol.h"

using namespace protocol;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    if (size == 0)
        return 0;
    const QByteArray answer(reinterpret_cast<const char *>(data + 1), int(size - 1));
    const std::uint8_t *bytes = data + 1;
    const int n = answer.size();

    FUZZ_CHECK(isErrorAnswer(answer) == (answer == QByteArray("\x10\x00\xff\x00", 4)));
    FUZZ_CHECK(isIdentificationAnswer(answer) == (answer == QByteArray("\x30\x07\xfb\x82", 4)));
    if (n == 0)
        return 0; // the decoders take no empty answer
    switch (data[0] % 4) {
    case 0:
    case 1: {
        const int count = data[0] % 4 == 0 ? decodeBlocksAmount(answer) : decodeBlockSize(answer);
        FUZZ_CHECK(count == bytes[0] + (n > 1 ? 256 * bytes[1] : 0));
        break;
    }
    case 2:
        FUZZ_CHECK(decodeBlockName(answer) == answer);
        break;
    default: {
        const QVector<float> values = decodeBlockValues(answer);
        if (n % 4 != 0) {
            FUZZ_CHECK(values.isEmpty());
            break;
        }
        FUZZ_CHECK(values.size() == n / 4);
        for (int i = 0; i < values.size(); ++i) {
            const std::uint32_t bits = std::uint32_t(bytes[4 * i]) | std::uint32_t(bytes[4 * i + 1]) << 8
                                       | std::uint32_t(bytes[4 * i + 2]) << 16 | std::uint32_t(bytes[4 * i + 3]) << 24;
            const float value = values.at(i);
            FUZZ_CHECK(std::memcmp(&value, &bits, 4) == 0);
        }
    }
    }
    return 0;
}
