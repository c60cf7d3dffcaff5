#include "readingfile.h"

#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonValue>

#include <charconv>
#include <cmath>
#include <limits>

#include "valuetext.h"

namespace {

const int MaxCount = 65535;
const QLatin1String Format("ormeda-reading");

QByteArray json_string(const QString &text)
{
    // Qt's writer does the escaping; the brackets of a one-element array are cut off.
    const QByteArray array = QJsonDocument(QJsonArray{text}).toJson(QJsonDocument::Compact);
    return array.mid(1, array.size() - 2);
}

QByteArray json_value(float v)
{
    const QByteArray text = value_full_text(v).toLatin1();
    return std::isfinite(v) ? text : '"' + text + '"';
}

// ISO 8601 with the offset always written out, "+00:00" rather than "Z" included.
QString time_with_offset(const QDateTime &at)
{
    const int offset = at.offsetFromUtc();
    const int minutes = std::abs(offset) / 60;
    return at.toString(QStringLiteral("yyyy-MM-ddTHH:mm:ss")) + QLatin1Char(offset < 0 ? '-' : '+')
           + QStringLiteral("%1:%2").arg(minutes / 60, 2, 10, QLatin1Char('0')).arg(minutes % 60, 2, 10, QLatin1Char('0'));
}

bool is_number_char(char c)
{
    return (c >= '0' && c <= '9') || c == '-' || c == '+' || c == '.' || c == 'e' || c == 'E';
}

// The same document with every number turned into a string of its own text. Qt's reader
// keeps a number only as a double and drops the sign of -0; from the text a value is read
// straight into a float, bit for bit.
QByteArray numbers_as_strings(const QByteArray &json)
{
    QByteArray out;
    out.reserve(json.size() + json.size() / 2);
    bool inString = false;
    for (int i = 0; i < json.size(); ++i) {
        const char c = json.at(i);
        if (inString) {
            out += c;
            if (c == '\\' && i + 1 < json.size())
                out += json.at(++i);
            else if (c == '"')
                inString = false;
        } else if (c == '"') {
            inString = true;
            out += c;
        } else if (c == '-' || (c >= '0' && c <= '9')) {
            out += '"';
            while (i < json.size() && is_number_char(json.at(i)))
                out += json.at(i++);
            out += '"';
            --i;
        } else {
            out += c;
        }
    }
    return out;
}

// A number beyond the float's range, or below its smallest step, is no value the
// instrument gave.
bool float_from_text(const QString &text, float *value)
{
    const QByteArray latin = text.toLatin1();
    const char *end = latin.constData() + latin.size();
    const std::from_chars_result result = std::from_chars(latin.constData(), end, *value);
    return result.ec == std::errc() && result.ptr == end;
}

bool float_from_special(const QString &text, float *value)
{
    if (text == QLatin1String("nan"))
        *value = std::numeric_limits<float>::quiet_NaN();
    else if (text == QLatin1String("inf"))
        *value = std::numeric_limits<float>::infinity();
    else if (text == QLatin1String("-inf"))
        *value = -std::numeric_limits<float>::infinity();
    else
        return false;
    return true;
}

ParsedReading failed(ReadingError error)
{
    ParsedReading parsed;
    parsed.error = error;
    return parsed;
}

} // namespace

QByteArray reading_to_json(const Reading &reading)
{
    QByteArray json = "{\n    \"format\": " + json_string(Format) + ",\n    \"version\": 1,\n";
    json += "    \"read_at\": " + json_string(time_with_offset(reading.readAt)) + ",\n";
    json += "    \"port\": " + json_string(reading.port) + ",\n";
    json += "    \"blocks\": [";
    for (int b = 0; b < reading.blocks.size(); ++b) {
        const Block &block = reading.blocks.at(b);
        json += b == 0 ? "\n" : ",\n";
        json += "        {\"name\": " + json_string(block.name) + ", \"values\": [";
        for (int i = 0; i < block.values.size(); ++i) {
            if (i > 0)
                json += ", ";
            json += json_value(block.values.at(i));
        }
        json += "]}";
    }
    json += reading.blocks.isEmpty() ? "]\n}\n" : "\n    ]\n}\n";
    return json;
}

ParsedReading reading_from_json(const QByteArray &json)
{
    const QJsonDocument document = QJsonDocument::fromJson(json);
    if (document.isNull())
        return failed(ReadingError::NotJson);
    const QJsonObject top = document.object();
    const QJsonValue version = top.value(QLatin1String("version"));
    if (!document.isObject() || top.value(QLatin1String("format")) != QJsonValue(Format) || !version.isDouble()
        || version.toDouble() != 1.0)
        return failed(ReadingError::OtherFormat);

    const QJsonValue readAt = top.value(QLatin1String("read_at"));
    const QJsonValue port = top.value(QLatin1String("port"));
    const QJsonValue blocks = top.value(QLatin1String("blocks"));
    if (!readAt.isString() || !port.isString() || !blocks.isArray())
        return failed(ReadingError::WrongType);
    ParsedReading parsed;
    parsed.reading.readAt = QDateTime::fromString(readAt.toString(), Qt::ISODate);
    parsed.reading.port = port.toString();
    if (!parsed.reading.readAt.isValid())
        return failed(ReadingError::WrongType);
    const QJsonArray list = blocks.toArray();
    if (list.size() > MaxCount)
        return failed(ReadingError::TooMany);

    const QJsonArray written =
        QJsonDocument::fromJson(numbers_as_strings(json)).object().value(QLatin1String("blocks")).toArray();
    parsed.reading.blocks.reserve(list.size());
    for (int b = 0; b < list.size(); ++b) {
        const QJsonObject block = list.at(b).toObject();
        const QJsonValue name = block.value(QLatin1String("name"));
        const QJsonValue values = block.value(QLatin1String("values"));
        if (!list.at(b).isObject() || !name.isString() || !values.isArray())
            return failed(ReadingError::WrongType);
        const QJsonArray items = values.toArray();
        if (items.size() > MaxCount)
            return failed(ReadingError::TooMany);
        const QJsonArray texts = written.at(b).toObject().value(QLatin1String("values")).toArray();
        QVector<float> floats(items.size());
        for (int i = 0; i < items.size(); ++i) {
            const QJsonValue item = items.at(i);
            const bool ok = item.isDouble()   ? float_from_text(texts.at(i).toString(), &floats[i])
                            : item.isString() ? float_from_special(item.toString(), &floats[i])
                                              : false;
            if (!ok)
                return failed(ReadingError::BadValue);
        }
        parsed.reading.blocks.append({name.toString(), floats});
    }
    return parsed;
}

ParsedReading read_reading_file(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return failed(ReadingError::Unreadable);
    // Parsed whole, a file of hundreds of megabytes would hold the window for many seconds.
    if (file.size() > MaxReadingFileBytes)
        return failed(ReadingError::TooLarge);
    if (!file.isSequential())
        return reading_from_json(file.readAll());
    // A pipe or a device tells no size: what it gives is counted instead.
    QByteArray json;
    for (QByteArray piece = file.read(1 << 20); !piece.isEmpty(); piece = file.read(1 << 20)) {
        json += piece;
        if (json.size() > MaxReadingFileBytes)
            return failed(ReadingError::TooLarge);
    }
    return reading_from_json(json);
}

QString free_reading_path(const QString &folder, const QDateTime &readAt)
{
    const QString stem = folder + QLatin1Char('/') + readAt.toLocalTime().toString(QStringLiteral("yyyy-MM-dd_HH-mm-ss"));
    QString path = stem + QStringLiteral(".json");
    for (int n = 2; QFileInfo::exists(path); ++n)
        path = stem + QLatin1Char('_') + QString::number(n) + QStringLiteral(".json");
    return path;
}
