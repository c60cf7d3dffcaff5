#ifndef BLOCKHISTORY_H
#define BLOCKHISTORY_H

#include <QByteArray>
#include <QDate>
#include <QDateTime>
#include <QString>
#include <QVector>

#include "blocksummary.h"
#include "readingsarchive.h"

class MeasurementModel;

// A block of one name in one reading of the archive.
struct HistoryPoint
{
    QString path; // the reading's file
    QDateTime readAt;
    int blockIndex = 0; // in the reading's list
    BlockSummaryRow row;
};

// The limits a history of blocks of this name is judged against, shown or not as the
// window shows its limits. Every judgement of the history goes through these.
Limits history_limits(const MeasurementModel &model, const QString &blockName);

// Every block of exactly this name, oldest read first; a reading with two gives two.
QVector<HistoryPoint> block_history(const QVector<ArchivedReading> &readings, const QString &name,
                                    const Limits &limits);

// The history as the block summary gives its figures, the time of the read in place of the
// block's name: its cells' texts and decimals, its CSV through summary_csv().
SummaryTable history_table(const QVector<HistoryPoint> &points, bool limitsShown);

// "История <name> <yyyy-MM-dd>.csv", with what no file name may hold replaced by "_".
QString history_file_name(const QString &blockName, const QDate &day);

#endif // BLOCKHISTORY_H
