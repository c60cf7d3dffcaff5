#ifndef XLSXREADER_H
#define XLSXREADER_H

#include <QJsonArray>
#include <QJsonObject>
#include <QString>

// A workbook read back by openpyxl (tests/report/xlsx_dump.py).
struct XlsxReadBack
{
    bool ok = false;
    QString error;  // why reading failed
    QJsonObject json;

    QJsonObject cell(const QString &ref) const { return json.value("cells").toObject().value(ref).toObject(); }
    QJsonValue value(const QString &ref) const { return cell(ref).value("value"); }
    QString type(const QString &ref) const { return cell(ref).value("type").toString(); }
    QString text(const QString &ref) const { return value(ref).toString(); }
    QStringList merged() const;
    // What every workbook must be: readable, without refused numbers, without
    // overlapping merges and without values hidden under a merge.
    bool isSound() const;
    QJsonArray pictures() const { return json.value("pictures").toArray(); }
};

// valuesOnly leaves out the cells' formats, which is quicker for large sheets.
XlsxReadBack read_xlsx(const QString &path, bool valuesOnly = false);

// Column letters for a 1-based column number: 1 -> "A", 27 -> "AA".
QString xlsx_column(int column);
QString xlsx_ref(int row, int column);

#endif // XLSXREADER_H
