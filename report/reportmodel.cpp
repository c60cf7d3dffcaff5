#include "reportmodel.h"

#include <QCoreApplication>

#include <utility>

#include "reporttexts.h"
#include "valuetext.h"

QVector<ReportFieldRow> ReportModel::fieldRows() const
{
    QVector<ReportFieldRow> rows;
    bool sectionSeen = false;
    QString lastSection;
    for (const ReportEntry &entry : data.entries) {
        if (!is_entry_included(entry, includeEmpty))
            continue;
        if (!sectionSeen || entry.section != lastSection) {
            sectionSeen = true;
            lastSection = entry.section;
            rows.append({true, entry.section, QString()});
        }
        rows.append({false, entry.label, entry.value});
    }
    return rows;
}

void ReportModel::finishPlots()
{
    for (const PendingPicture &sketch : std::as_const(sketches))
        plots << sketch();
    sketches.clear();
}

ReportValueRow ReportModel::valueRow(int index) const
{
    const float v = data.values.at(index);
    return {index + 1, report_value_text(v), deviation_text(mean, v), limits.inForce() && limits.isOutside(v)};
}

QVector<ReportStatistic> ReportModel::pdfStatistics() const
{
    if (statistics.size() != 4)
        return statistics;
    return {statistics.at(2), statistics.at(3), statistics.at(1), statistics.at(0)};
}

QString ReportModel::toleranceText() const
{
    return toleranceLine ? tolerance_text(captions, limitMin, limitMax) : QString();
}

bool has_tolerance_line(bool limitsShown, bool graphIncluded, bool diagramIncluded)
{
    return limitsShown && (graphIncluded || diagramIncluded);
}

QVector<ReportTextStatistic> tolerance_rows(const ToleranceAssessment &assessment, const Limits &limits)
{
    if (!limits.inForce())
        return {};
    return {{QCoreApplication::translate("MainWindow", "Допуск"), limits_text(limits.min, limits.max), limits.min,
             limits.max},
            {QCoreApplication::translate("MainWindow", "Вне допуска"), outside_of_count_text(assessment)},
            {QCoreApplication::translate("MainWindow", "Cp"), capability_text(assessment, assessment.cp)},
            {QCoreApplication::translate("MainWindow", "Cpk"), capability_text(assessment, assessment.cpk)},
            {QCoreApplication::translate("MainWindow", "Итог"),
             assessment.within() ? QCoreApplication::translate("MainWindow", "в допуске")
                                 : QCoreApplication::translate("MainWindow", "вне допуска")}};
}
