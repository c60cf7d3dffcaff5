#include "emulatedblock.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <cmath>
#include <limits>

EmulatedBlock EmulatedBlock::named(const QString &name, QVector<float> values, NamePadding padding)
{
    EmulatedBlock block;
    const QString cut = name.left(10);
    for (const QChar c : cut) {
        block.rawName.append(char(c.unicode() & 0xFF));
        block.rawName.append(char(c.unicode() >> 8));
    }
    block.rawName.append(QByteArray(20 - block.rawName.size(), padding == NamePadding::Erased ? '\xFF' : '\0'));
    block.values = std::move(values);
    return block;
}

QVector<EmulatedBlock> sampleBlocks(NamePadding padding)
{
    QVector<float> ramp;
    for (int i = 0; i < 50; ++i)
        ramp.append(10.0f + 0.25f * float(i) + (i % 7 == 3 ? 1.5f : 0.0f));
    QVector<float> wave;
    for (int i = 0; i < 200; ++i)
        wave.append(float(120.0 + 35.0 * std::sin(i / 8.0)));
    return {
        EmulatedBlock::named(QStringLiteral("Шов 1"), {1.0f, 2.5f, -0.5f, 3.25f, 2.75f}, padding),
        EmulatedBlock::named(QStringLiteral("Plate A"), ramp, padding),
        EmulatedBlock::named(QStringLiteral("Empty"), {}, padding),
        EmulatedBlock::named(QStringLiteral("Pipe 20-ABCDE"), wave, padding),
    };
}

namespace {

bool jsonValue(const QJsonValue &v, float *out)
{
    if (v.isDouble()) {
        *out = float(v.toDouble());
        return true;
    }
    const QString s = v.toString().trimmed().toLower();
    if (s == QLatin1String("nan"))
        *out = std::numeric_limits<float>::quiet_NaN();
    else if (s == QLatin1String("inf") || s == QLatin1String("+inf"))
        *out = std::numeric_limits<float>::infinity();
    else if (s == QLatin1String("-inf"))
        *out = -std::numeric_limits<float>::infinity();
    else
        return false;
    return true;
}

} // namespace

bool loadBlocksFromJson(const QString &fileName, QVector<EmulatedBlock> *blocks, QString *error)
{
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly)) {
        *error = file.errorString();
        return false;
    }
    QJsonParseError parseError;
    const QJsonDocument doc = QJsonDocument::fromJson(file.readAll(), &parseError);
    if (!doc.isObject()) {
        *error = parseError.error != QJsonParseError::NoError ? parseError.errorString()
                                                              : QStringLiteral("not a JSON object");
        return false;
    }
    const QJsonObject root = doc.object();
    const NamePadding padding = root.value(QLatin1String("padding")).toString() == QLatin1String("00")
            ? NamePadding::Zeros : NamePadding::Erased;
    QVector<EmulatedBlock> result;
    const QJsonArray list = root.value(QLatin1String("blocks")).toArray();
    for (int b = 0; b < list.size(); ++b) {
        const QJsonObject o = list.at(b).toObject();
        QVector<float> values;
        const QJsonArray vs = o.value(QLatin1String("values")).toArray();
        for (int i = 0; i < vs.size(); ++i) {
            float f = 0;
            if (!jsonValue(vs.at(i), &f)) {
                *error = QStringLiteral("block %1: value %2 is not a number").arg(b).arg(i);
                return false;
            }
            values.append(f);
        }
        if (values.size() > 65535) {
            *error = QStringLiteral("block %1: more than 65535 values").arg(b);
            return false;
        }
        if (o.contains(QLatin1String("rawName"))) {
            EmulatedBlock block;
            block.rawName = QByteArray::fromHex(o.value(QLatin1String("rawName")).toString().toLatin1());
            block.values = values;
            result.append(block);
        } else {
            result.append(EmulatedBlock::named(o.value(QLatin1String("name")).toString(), values, padding));
        }
    }
    if (result.size() > 65535) {
        *error = QStringLiteral("more than 65535 blocks");
        return false;
    }
    *blocks = result;
    return true;
}
