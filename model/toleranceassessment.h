#ifndef TOLERANCEASSESSMENT_H
#define TOLERANCEASSESSMENT_H

#include <QString>
#include <QVector>

#include "blockstatistics.h"
#include "tolerancelimits.h"

// How a block holds its tolerance: how many values lie outside it, as the table
// colours them red, and the capability indices
//   Cp = (max − min) / 6σ,  Cpk = min(max − mean, mean − min) / 3σ
// of the limits min and max and the block's unrounded mean and σ.
struct ToleranceAssessment
{
    bool assessed = false; // limits in force and a block with values
    int outside = 0;
    int count = 0;
    // NaN where an index has no meaning: fewer than two values, no spread, or a
    // result that is not finite.
    double cp = 0;
    double cpk = 0;

    bool within() const { return outside == 0; }
    // Of all values, in per cent.
    double outsideShare() const { return count > 0 ? 100.0 * outside / count : 0.0; }
};

ToleranceAssessment assess_tolerance(const QVector<float> &values, const BlockStatistics &statistics,
                                     const Limits &limits);

// The texts the window, the summary and the reports give the figures, in the current
// language; "—" where a figure has no meaning.
QString no_figure_text();
QString outside_of_count_text(const ToleranceAssessment &assessment); // "3 из 21 (14.3 %)"
QString outside_share_text(const ToleranceAssessment &assessment);    // "3 (14.3 %)"
QString capability_text(const ToleranceAssessment &assessment, double index); // two decimals

#endif // TOLERANCEASSESSMENT_H
