#include "blockhistory.h"

#include <QCoreApplication>

#include <algorithm>

#include "blockname.h"
#include "measurementmodel.h"

Limits history_limits(const MeasurementModel &model, const QString &blockName)
{
    return model.limitsOfUnit(block_unit(blockName));
}

QVector<HistoryPoint> block_history(const QVector<ArchivedReading> &readings, const QString &name,
                                    const Limits &limits)
{
    QVector<HistoryPoint> points;
    for (const ArchivedReading &archived : readings) {
        const QVector<Block> &blocks = archived.reading.blocks;
        for (int i = 0; i < blocks.size(); ++i) {
            if (blocks.at(i).name != name)
                continue;
            HistoryPoint point;
            point.path = archived.path;
            point.readAt = archived.reading.readAt;
            point.blockIndex = i;
            point.row = block_summary_rows({blocks.at(i)}, limits).constFirst();
            points.append(point);
        }
    }
    std::stable_sort(points.begin(), points.end(), [](const HistoryPoint &a, const HistoryPoint &b) {
        return a.readAt != b.readAt ? a.readAt < b.readAt : a.path < b.path;
    });
    return points;
}

SummaryTable history_table(const QVector<HistoryPoint> &points, bool limitsShown)
{
    SummaryTable table;
    table.columns = {SummaryColumn::Block,   SummaryColumn::Count, SummaryColumn::Minimum,
                     SummaryColumn::Maximum, SummaryColumn::Mean,  SummaryColumn::Sigma};
    if (limitsShown)
        table.columns << SummaryColumn::Outside << SummaryColumn::Verdict;
    for (const SummaryColumn column : std::as_const(table.columns))
        table.titles << (column == SummaryColumn::Block
                             ? QCoreApplication::translate("MainWindow", "Дата и время чтения")
                             : summary_column_title(column));
    table.rows.reserve(points.size());
    for (const HistoryPoint &point : points) {
        QVector<SummaryCell> cells;
        for (const SummaryColumn column : std::as_const(table.columns)) {
            SummaryCell cell = summary_cell(point.row, column);
            if (column == SummaryColumn::Block) {
                cell.text = reading_time_text(point.readAt);
                cell.figure = double(point.readAt.toMSecsSinceEpoch());
            }
            cells << cell;
        }
        table.rows << cells;
    }
    return table;
}

QString history_file_name(const QString &blockName, const QDate &day)
{
    QString name = blockName;
    for (QChar &c : name) {
        if (c.unicode() < 0x20 || QStringLiteral("/\\:*?\"<>|").contains(c))
            c = QLatin1Char('_');
    }
    return QCoreApplication::translate("MainWindow", "История %1 %2.csv")
        .arg(name, day.toString(QStringLiteral("yyyy-MM-dd")));
}
