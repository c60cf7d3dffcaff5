#ifndef CSVTABLE_H
#define CSVTABLE_H

#include <QByteArray>
#include <QLocale>
#include <QString>
#include <QStringList>
#include <QVector>

// CSV as the operator's spreadsheet reads it. Where the decimal separator is a
// comma (Russian and most European settings), a spreadsheet splits fields at ";"
// and reads "2,5" as a number; elsewhere at "," with "2.5".
struct CsvFormat
{
    QChar separator = QLatin1Char(',');
    QChar decimalPoint = QLatin1Char('.');

    // The format of the system's own settings.
    static CsvFormat forLocale(const QLocale &locale = QLocale::system());

    // A number written with a point ("-2.5", "1e+10", "nan") as this format writes it.
    QString number(const QString &pointText) const;
};

// The rows as a document (RFC 4180): UTF-8 with a byte-order mark, so that a
// spreadsheet on Windows reads Cyrillic too; CRLF line ends; a field holding the
// separator, a quote or a line break is quoted, its quotes doubled.
QByteArray csv_document(const QVector<QStringList> &rows, const CsvFormat &format);

#endif // CSVTABLE_H
