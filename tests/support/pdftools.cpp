#include "pdftools.h"

#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <QRegularExpression>

QString run_tool(const QString &program, const QStringList &arguments)
{
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(60000) || process.exitCode() != 0)
        return QStringLiteral("<%1 failed: %2>").arg(program, QString::fromLocal8Bit(process.readAllStandardError()));
    return QString::fromUtf8(process.readAllStandardOutput());
}

QStringList words(const QString &line)
{
    return line.split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts);
}

QStringList pdf_lines(const QString &path)
{
    return run_tool(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), path, QStringLiteral("-")})
        .split(QLatin1Char('\n'));
}

QList<QStringList> pdf_rows(const QString &path)
{
    QList<QStringList> rows;
    const QStringList pages =
        run_tool(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), path, QStringLiteral("-")})
            .split(QLatin1Char('\f'));
    for (int page = 0; page < pages.size(); ++page) {
        QList<QStringList> pageRows;
        for (const QString &line : pages.at(page).split(QLatin1Char('\n')))
            if (!words(line).isEmpty())
                pageRows << words(line);
        if (!pageRows.isEmpty() && pageRows.last() == QStringList(QString::number(page + 1)))
            pageRows.removeLast();
        rows += pageRows;
    }
    return rows;
}

QStringList pdf_pictures(const QString &path)
{
    QStringList pictures;
    const QStringList lines = run_tool(QStringLiteral("pdfimages"), {QStringLiteral("-list"), path})
                                  .split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    for (int i = 2; i < lines.size(); ++i) {
        const QStringList columns = words(lines.at(i));
        if (columns.size() > 4 && columns.at(2) == QLatin1String("image"))
            pictures << columns.at(3) + QLatin1Char('x') + columns.at(4);
    }
    return pictures;
}

QList<QImage> pdf_pages(const QString &path, int dpi)
{
    QList<QImage> pages;
    QTemporaryDir dir;
    run_tool(QStringLiteral("pdftoppm"), {QStringLiteral("-r"), QString::number(dpi), QStringLiteral("-gray"),
                                          QStringLiteral("-png"), path, dir.filePath(QStringLiteral("page"))});
    const QStringList files = QDir(dir.path()).entryList({QStringLiteral("*.png")}, QDir::Files, QDir::Name);
    for (const QString &file : files)
        pages << QImage(dir.filePath(file));
    return pages;
}
