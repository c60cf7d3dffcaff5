// A whole read (identification, blocks amount, then per block its name, size and data)
// over an in-memory instrument whose answers the input scripts: cut, late, oversized,
// garbled or the error answer. The wait for an answer ends at once, so no time passes.
// Property: each request of the read is the one due, and what the read gives is what
// its answers said, or nothing.
#include <QCoreApplication>
#include <QEventLoop>
#include <QIODevice>
#include <QLoggingCategory>
#include <QTimer>
#include <QtEndian>
#include <QVector>

#include <cstddef>
#include <cstdint>
#include <cstring>

#include "blockname.h"
#include "fuzzcheck.h"
#include "port.h"

namespace {

// The instrument's end of the line, in memory.
class MemoryLine : public QIODevice
{
public:
    QByteArray pending;
    QByteArray requests;

    void arrive(const QByteArray &bytes)
    {
        pending += bytes;
        emit readyRead();
    }
    bool isSequential() const override { return true; }
    qint64 bytesAvailable() const override { return pending.size() + QIODevice::bytesAvailable(); }

protected:
    qint64 readData(char *data, qint64 maxSize) override
    {
        const int n = int(qMin<qint64>(maxSize, pending.size()));
        std::memcpy(data, pending.constData(), std::size_t(n));
        pending.remove(0, n);
        return n;
    }
    qint64 writeData(const char *data, qint64 size) override
    {
        requests.append(data, int(size));
        return size;
    }
};

bool failed(const QByteArray &answer)
{
    return answer.isEmpty() || answer == QByteArray("\x10\x00\xff\x00", 4);
}

int count(const QByteArray &answer)
{
    return failed(answer) ? -1 : quint8(answer.at(0)) + (answer.size() > 1 ? 256 * quint8(answer.at(1)) : 0);
}

struct Exchange
{
    quint32 request;
    QByteArray answer; // the bytes the request was given before its wait ended
};

// Reads the input as one step per request: a flags byte, a length byte and that many
// bytes. Flags: 1 the bytes repeated to the answer's full length, 2 the error answer
// instead, 4 the bytes left after the answer completes arrive late, at the next
// request; bits 4-7 the size of the pieces the answer arrives in, less one.
class ScriptedWait : public AnswerWait
{
public:
    ScriptedWait(Port &port, MemoryLine &line) : line(line)
    {
        QObject::connect(&port, &Port::recievedValidReponse, [this] { answered = true; });
    }

    QVector<Exchange> exchanges;
    int waits = 0;

    void start(const std::uint8_t *script, std::size_t size)
    {
        data = script;
        left = size;
        exchanges.clear();
        waits = 0;
        late.clear();
    }

    void wait(QEventLoop &, QTimer &timeout) override
    {
        ++waits;
        FUZZ_CHECK(timeout.isActive());
        answered = false;
        FUZZ_CHECK(line.requests.size() == 4 * (exchanges.size() + 1));
        quint32 request = 0;
        std::memcpy(&request, line.requests.constData() + line.requests.size() - 4, 4);
        request = qFromLittleEndian(request);
        const int expectedSize = answerSize(request);
        exchanges.append({request, QByteArray()});

        QByteArray answer = late;
        late.clear();
        int pieceSize = 1 << 30;
        if (left >= 2) {
            const std::uint8_t flags = next();
            const QByteArray bytes = take(next());
            pieceSize = ((flags >> 4) + 1) * qMax(1, expectedSize / 64);
            if (flags & 2) {
                answer += QByteArray("\x10\x00\xff\x00", 4);
            } else if ((flags & 1) && !bytes.isEmpty()) {
                while (answer.size() < expectedSize)
                    answer += bytes;
                if (flags & 4)
                    answer.truncate(expectedSize);
            } else {
                answer += bytes;
            }
            if (flags & 4) {
                // What the instrument sends past the answer's length comes after the wait.
                late = answer.mid(expectedSize);
                answer.truncate(expectedSize);
            }
        } else {
            left = 0;
        }
        for (int at = 0; at < answer.size() && !answered; at += pieceSize) {
            const QByteArray piece = answer.mid(at, pieceSize);
            exchanges.last().answer += piece;
            line.arrive(piece);
        }
        if (!answered)
            timeout.stop(); // the time-out has passed
    }

    bool exhausted() const { return left == 0; }

private:
    MemoryLine &line;
    const std::uint8_t *data = nullptr;
    std::size_t left = 0;
    bool answered = false;
    QByteArray late;

    // The length the port waits for, from the request and, for data, the size answered before.
    int answerSize(quint32 request) const
    {
        switch ((request >> 16) & 0xFF) {
        case protocol::BlockName:
            return protocol::BlockNameAnswerSize;
        case protocol::BlockSize:
            return protocol::BlockSizeAnswerSize;
        case protocol::BlockData:
            return exchanges.isEmpty() ? 0 : protocol::BytesPerValue * count(exchanges.last().answer);
        default:
            return 4;
        }
    }

    std::uint8_t next()
    {
        --left;
        return *data++;
    }
    QByteArray take(std::size_t n)
    {
        n = qMin(n, left);
        const QByteArray bytes(reinterpret_cast<const char *>(data), int(n));
        data += n;
        left -= n;
        return bytes;
    }
};

struct Rig
{
    Port port;
    MemoryLine line;
    ScriptedWait wait{port, line};
    Rig()
    {
        line.open(QIODevice::ReadWrite | QIODevice::Unbuffered);
        port.useStandIn(&line, &wait);
    }
};

Rig *rig = nullptr;

void checkRequest(const Exchange &exchange, protocol::Command command, int index)
{
    FUZZ_CHECK(exchange.request == protocol::requestWord(command, index));
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    static QCoreApplication app(*argc, *argv);
    QLoggingCategory::setFilterRules(QStringLiteral("ormeda.device.debug=false"));
    rig = new Rig;
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    Port &port = rig->port;
    ScriptedWait &wait = rig->wait;
    rig->line.requests.clear();
    rig->line.pending.clear();
    wait.start(data, size);

    const QByteArray identification =
        port.sendRequest(protocol::requestWord(protocol::Identify), protocol::IdentifyAnswerSize, protocol::IdentifyTimeoutMs);
    FUZZ_CHECK(identification == wait.exchanges.last().answer);
    if (!protocol::isIdentificationAnswer(identification))
        return 0;

    const int amount = port.getBlocksAmount();
    checkRequest(wait.exchanges.last(), protocol::BlocksAmount, 0);
    FUZZ_CHECK(amount == count(wait.exchanges.last().answer));

    // As the window reads; the script's end stands for the operator stopping the read.
    for (int index = 0; index < amount && !wait.exhausted(); ++index) {
        const QByteArray raw = port.getBlockName(index);
        const Exchange name = wait.exchanges.last();
        checkRequest(name, protocol::BlockName, index);
        FUZZ_CHECK(raw == (failed(name.answer) ? QByteArray() : name.answer));
        const QString cleaned = block_name_from_bytes(raw);
        FUZZ_CHECK(cleaned.size() <= raw.size() / 2);

        const int exchangesBefore = wait.exchanges.size();
        const QVector<float> values = port.getBlockData(index);
        const Exchange sizeExchange = wait.exchanges.at(exchangesBefore);
        checkRequest(sizeExchange, protocol::BlockSize, index);
        const int n = count(sizeExchange.answer);
        if (n <= 0) {
            FUZZ_CHECK(wait.exchanges.size() == exchangesBefore + 1);
            FUZZ_CHECK(values.isEmpty());
            continue;
        }
        FUZZ_CHECK(wait.exchanges.size() == exchangesBefore + 2);
        const Exchange dataExchange = wait.exchanges.last();
        checkRequest(dataExchange, protocol::BlockData, index);
        const QByteArray &answer = dataExchange.answer;
        if (failed(answer) || answer.size() % 4 != 0) {
            FUZZ_CHECK(values.isEmpty());
            continue;
        }
        FUZZ_CHECK(values.size() == answer.size() / 4);
        FUZZ_CHECK(std::memcmp(values.constData(), answer.constData(), std::size_t(answer.size())) == 0);
    }
    FUZZ_CHECK(wait.waits == wait.exchanges.size());
    return 0;
}
