#ifndef PROTOCOL_H
#define PROTOCOL_H

#include <QByteArray>
#include <QVector>
#include <QtGlobal>

// The instrument's request/answer protocol. A request is 4 bytes: block index
// low byte, high byte, command code, zero. An answer is a bare run of bytes
// whose length the command fixes; there is no header and no checksum, so an
// answer ends only when enough bytes have been counted.
//
//   exchange       command  answer bytes          time-out
//   identify       5        4: 30 07 FB 82        700 ms three times, then 2000 ms
//   blocks amount  6        4: count, 16 bit LE   200 ms
//   block name     7        20: UTF-16 LE text    200 ms
//   block size     8        2: values, 16 bit LE  200 ms
//   block data     9        4 per value: floats   10 ms per value
//
// Any request may be answered with the error answer 10 00 FF 00.
// The 4 bytes of a 32-bit value, least significant first.
QByteArray uintToBytes(quint32 value);

namespace protocol {

enum Command : quint8 {
    Identify = 5,
    BlocksAmount = 6,
    BlockName = 7,
    BlockSize = 8,
    BlockData = 9,
};

constexpr int IdentifyAnswerSize = 4;
constexpr int BlocksAmountAnswerSize = 4;
constexpr int BlockNameAnswerSize = 20;
constexpr int BlockSizeAnswerSize = 2;
constexpr int BytesPerValue = 4;

constexpr int IdentifyWarmUpRequests = 3;
constexpr int IdentifyWarmUpTimeoutMs = 700;
constexpr int IdentifyTimeoutMs = 2000;
constexpr int ShortAnswerTimeoutMs = 200;
constexpr int DataTimeoutMsPerValue = 10;

constexpr quint32 IdentificationWord = 0x82FB0730;
constexpr quint32 ErrorWord = 0x00FF0010;

// The request word: the command in bits 16 to 23, the index below them.
constexpr quint32 requestWord(Command command, int index = 0)
{
    return (quint32(command) << 16) | (quint32(index) & 0xFFFF);
}

bool isIdentificationAnswer(const QByteArray &answer);
// Only the 4 bytes exactly: a longer answer that begins with them is data.
bool isErrorAnswer(const QByteArray &answer);

// The decoders take an answer that is neither empty nor the error answer.
// Byte 0 plus 256 times byte 1; a lone byte (the rest cut by the time-out) counts alone.
int decodeBlocksAmount(const QByteArray &answer);
int decodeBlockSize(const QByteArray &answer);
// Handed over untouched, whatever its length: the window decodes and cleans it.
QByteArray decodeBlockName(const QByteArray &answer);
// One float per 4 bytes, bit for bit; nothing when the length is not a multiple of 4.
QVector<float> decodeBlockValues(const QByteArray &answer);

} // namespace protocol

#endif // PROTOCOL_H
