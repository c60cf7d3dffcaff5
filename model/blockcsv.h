#ifndef BLOCKCSV_H
#define BLOCKCSV_H

#include <QByteArray>
#include <QVector>

#include "csvtable.h"

// A block's values as CSV in the given format: a header row of the two columns'
// names in the current language, then one row per value, numbered from 1, the
// value in its shortest exact text or nan, inf, -inf.
QByteArray block_csv(const QVector<float> &values, const CsvFormat &format);

#endif // BLOCKCSV_H
