#include "blockname.h"

#include <QRegularExpression>
#include <QStringList>

namespace {

bool is_kept_code_unit(char16_t unit)
{
    return unit <= 0x024F || (unit >= 0x0400 && unit <= 0x052F) || (unit >= 0x1E00 && unit <= 0x1EFF);
}

} // namespace

QString clean_block_name(const QString &name)
{
    QString cleaned;
    cleaned.reserve(name.size());
    for (const QChar c : name) {
        if (is_kept_code_unit(c.unicode()))
            cleaned.append(c);
    }
    return cleaned;
}

QString block_name_from_bytes(const QByteArray &raw)
{
    const auto byte = [&raw](qsizetype i) { return char16_t(quint8(raw.at(i))); };
    qsizetype start = 0;
    bool bigEndian = false;
    if (raw.size() >= 2 && byte(0) == 0xFE && byte(1) == 0xFF) {
        bigEndian = true;
        start = 2;
    } else if (raw.size() >= 2 && byte(0) == 0xFF && byte(1) == 0xFE) {
        start = 2;
    }
    QString text;
    text.reserve(int((raw.size() - start) / 2));
    for (qsizetype i = start; i + 1 < raw.size(); i += 2) {
        const char16_t unit = bigEndian ? char16_t(byte(i) << 8 | byte(i + 1)) : char16_t(byte(i + 1) << 8 | byte(i));
        text.append(QChar(unit));
    }
    return clean_block_name(text);
}

QString block_unit(const QString &blockName)
{
    static const QRegularExpression whiteSpace(QStringLiteral("\\s+"));
    const QStringList words = blockName.split(whiteSpace, Qt::SkipEmptyParts);
    return words.size() >= 2 ? words.at(1) : QString();
}
