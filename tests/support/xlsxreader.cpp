#include "xlsxreader.h"

#include <QDebug>
#include <QDir>
#include <QFileInfo>
#include <QJsonDocument>
#include <QProcess>

namespace {

QString dump_script()
{
    const QString sourceDir = qEnvironmentVariable("ORMEDA_SOURCE_DIR");
    if (!sourceDir.isEmpty())
        return QDir(sourceDir).filePath("tests/report/xlsx_dump.py");
    return QFileInfo(QStringLiteral(__FILE__)).dir().filePath("../report/xlsx_dump.py");
}

} // namespace

bool XlsxReadBack::isSound() const
{
    if (!ok)
        return false;
    for (const char *key : {"invalidNumbers", "overlappingMerges", "hiddenValues"}) {
        if (!json.value(key).toArray().isEmpty()) {
            qWarning() << key << json.value(key).toArray();
            return false;
        }
    }
    return true;
}

QStringList XlsxReadBack::merged() const
{
    QStringList ranges;
    for (const QJsonValue &range : json.value("merged").toArray())
        ranges << range.toString();
    return ranges;
}

XlsxReadBack read_xlsx(const QString &path, bool valuesOnly)
{
    XlsxReadBack result;
    QProcess python;
    QStringList arguments{dump_script(), path};
    if (valuesOnly)
        arguments << QStringLiteral("--values-only");
    python.start("/usr/bin/python3", arguments);
    if (!python.waitForFinished(120000) || python.exitStatus() != QProcess::NormalExit
        || python.exitCode() != 0) {
        result.error = QString::fromUtf8(python.readAllStandardError());
        if (result.error.isEmpty())
            result.error = python.errorString();
        return result;
    }
    QJsonParseError parseError;
    const QJsonDocument document = QJsonDocument::fromJson(python.readAllStandardOutput(), &parseError);
    if (!document.isObject()) {
        result.error = parseError.errorString();
        return result;
    }
    result.json = document.object();
    result.ok = true;
    return result;
}

QString xlsx_column(int column)
{
    QString letters;
    while (column > 0) {
        const int digit = (column - 1) % 26;
        letters.prepend(QChar('A' + digit));
        column = (column - 1) / 26;
    }
    return letters;
}

QString xlsx_ref(int row, int column)
{
    return xlsx_column(column) + QString::number(row);
}
