#ifndef PDFTOOLS_H
#define PDFTOOLS_H

#include <QImage>
#include <QList>
#include <QString>
#include <QStringList>

// Runs a command-line tool; its output, or a "<tool failed: ...>" text.
QString run_tool(const QString &program, const QStringList &arguments);

QStringList words(const QString &line);

// The text of a PDF as pdftotext lays it out, line by line.
QStringList pdf_lines(const QString &path);

// The words of every line that has any, without the page numbers that end the pages.
QList<QStringList> pdf_rows(const QString &path);

// Pictures of the PDF as "width x height", in page order.
QStringList pdf_pictures(const QString &path);

// The pages of a PDF as pdftoppm renders them, in grey.
QList<QImage> pdf_pages(const QString &path, int dpi);

#endif // PDFTOOLS_H
