#include "reporttexts.h"

#include <QCoreApplication>

#include "valuetext.h"

QString deviation_caption()
{
    return QStringLiteral("X\u0305 - x");
}

QString statistic_text(double value)
{
    return fixed_text(value, 1);
}

QString deviation_text(double mean, float v)
{
    return fixed_text(mean - double(v), 1);
}

ReportCaptions report_captions()
{
    ReportCaptions captions;
    captions.pdfTitle = QCoreApplication::translate("MainWindow", "Отчет о проведении контроля");
    captions.excelTitle = QCoreApplication::translate("MainWindow", "ОТЧЕТ О ПРОВЕДЕНИИ КОНТРОЛЯ");
    captions.number = QCoreApplication::translate("MainWindow", "Номер");
    captions.pdfSignature = QCoreApplication::translate(
        "MainWindow", "Контроль проведён____________________________________________, подпись");
    captions.excelSignature =
        QCoreApplication::translate("MainWindow", "Контроль проведён____________________________________, подпись");
    captions.toleranceOpening = QCoreApplication::translate("MainWindow", "Допуск: [");
    return captions;
}

namespace {

QString limit_pair(double lo, double hi)
{
    return QString::number(lo, 'g', 6) + QStringLiteral("; ") + QString::number(hi, 'g', 6);
}

} // namespace

QString tolerance_text(const ReportCaptions &captions, double lo, double hi)
{
    return captions.toleranceOpening + limit_pair(lo, hi) + QLatin1Char(']');
}
