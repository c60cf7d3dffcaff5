#include "blockcsv.h"

#include <QCoreApplication>

#include "valuetext.h"

QByteArray block_csv(const QVector<float> &values, const CsvFormat &format)
{
    QVector<QStringList> rows;
    rows.reserve(values.size() + 1);
    rows << QStringList{QCoreApplication::translate("MainWindow", "Номер"),
                        QCoreApplication::translate("MainWindow", "Значение")};
    for (int i = 0; i < values.size(); ++i)
        rows << QStringList{QString::number(i + 1), format.number(value_full_text(values.at(i)))};
    return csv_document(rows, format);
}
