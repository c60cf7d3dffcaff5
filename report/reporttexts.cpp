#include "reporttexts.h"

#include <QCoreApplication>

#include "valuetext.h"

QString deviation_caption()
{
    return QStringLiteral("X\u0305 - x");
}

QString report_value_text(float v)
{
    return QString::number(double(v), 'f', value_decimals(v));
}

QString deviation_text(double mean, float v)
{
    return QString::number(mean - double(v), 'f', 1);
}

QString tolerance_text(double lo, double hi)
{
    return QCoreApplication::translate("MainWindow", "Допуск: [") + QString::number(lo, 'g', 6)
           + QStringLiteral("; ") + QString::number(hi, 'g', 6) + QLatin1Char(']');
}
