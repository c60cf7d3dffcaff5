#include "blockcsv.h"

#include "valuetext.h"

QByteArray block_csv(const QVector<float> &values)
{
    QByteArray csv = "number,value\r\n";
    for (int i = 0; i < values.size(); ++i)
        csv += QByteArray::number(i + 1) + ',' + value_full_text(values.at(i)).toLatin1() + "\r\n";
    return csv;
}
