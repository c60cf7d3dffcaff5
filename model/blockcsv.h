#ifndef BLOCKCSV_H
#define BLOCKCSV_H

#include <QByteArray>
#include <QVector>

// A block's values as CSV (RFC 4180: comma, CRLF line ends; UTF-8): the header row
// "number,value", then one row per value, numbered from 1, the value in its shortest exact
// text or nan, inf, -inf.
QByteArray block_csv(const QVector<float> &values);

#endif // BLOCKCSV_H
