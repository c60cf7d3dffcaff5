#include "toleranceassessment.h"

#include <QCoreApplication>

#include <algorithm>
#include <cmath>
#include <limits>

#include "valuetext.h"

namespace {

double meaningful(double index)
{
    return std::isfinite(index) ? index : std::numeric_limits<double>::quiet_NaN();
}

QString share_text(const ToleranceAssessment &assessment)
{
    return QString::number(assessment.outsideShare(), 'f', 1);
}

} // namespace

ToleranceAssessment assess_tolerance(const QVector<float> &values, const BlockStatistics &statistics,
                                     const Limits &limits)
{
    ToleranceAssessment assessment;
    assessment.count = int(values.size());
    if (!limits.inForce() || values.isEmpty())
        return assessment;
    assessment.assessed = true;
    assessment.outside = int(std::count_if(values.begin(), values.end(),
                                           [&limits](float v) { return limits.isOutside(v); }));

    const double sigma = statistics.stdev;
    if (statistics.count < 2 || !(sigma > 0)) {
        assessment.cp = assessment.cpk = std::numeric_limits<double>::quiet_NaN();
        return assessment;
    }
    const double mean = statistics.mean;
    assessment.cp = meaningful((limits.max - limits.min) / (6 * sigma));
    assessment.cpk = meaningful(std::min(limits.max - mean, mean - limits.min) / (3 * sigma));
    return assessment;
}

QString no_figure_text()
{
    return QStringLiteral("—");
}

QString outside_of_count_text(const ToleranceAssessment &assessment)
{
    if (!assessment.assessed)
        return no_figure_text();
    return QCoreApplication::translate("MainWindow", "%1 из %2 (%3 %)")
        .arg(assessment.outside)
        .arg(assessment.count)
        .arg(share_text(assessment));
}

QString outside_share_text(const ToleranceAssessment &assessment)
{
    if (!assessment.assessed)
        return no_figure_text();
    return QStringLiteral("%1 (%2 %)").arg(assessment.outside).arg(share_text(assessment));
}

QString capability_text(const ToleranceAssessment &assessment, double index)
{
    if (!assessment.assessed || std::isnan(index))
        return no_figure_text();
    return fixed_text(index, 2);
}
