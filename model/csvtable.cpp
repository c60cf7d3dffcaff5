#include "csvtable.h"

CsvFormat CsvFormat::forLocale(const QLocale &locale)
{
    CsvFormat format;
    if (locale.decimalPoint() == QLatin1Char(',')) {
        format.separator = QLatin1Char(';');
        format.decimalPoint = QLatin1Char(',');
    }
    return format;
}

QString CsvFormat::number(const QString &pointText) const
{
    QString text = pointText;
    return text.replace(QLatin1Char('.'), decimalPoint);
}

namespace {

QString field(const QString &text, QChar separator)
{
    const bool quoted = text.contains(separator) || text.contains(QLatin1Char('"')) || text.contains(QLatin1Char('\n'))
                        || text.contains(QLatin1Char('\r'));
    if (!quoted)
        return text;
    QString escaped = text;
    escaped.replace(QLatin1Char('"'), QLatin1String("\"\""));
    return QLatin1Char('"') + escaped + QLatin1Char('"');
}

} // namespace

QByteArray csv_document(const QVector<QStringList> &rows, const CsvFormat &format)
{
    QString text;
    for (const QStringList &row : rows) {
        QStringList fields;
        fields.reserve(row.size());
        for (const QString &cell : row)
            fields << field(cell, format.separator);
        text += fields.join(format.separator) + QLatin1String("\r\n");
    }
    return QByteArray("\xEF\xBB\xBF") + text.toUtf8();
}
