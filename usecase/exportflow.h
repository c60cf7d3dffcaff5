#ifndef EXPORTFLOW_H
#define EXPORTFLOW_H

#include <QByteArray>
#include <QObject>
#include <QString>

#include <functional>

#include "reportassembly.h"
#include "reportdata.h"
#include "reportexport.h"

class Questions;

// The file an export writes and whether the report's empty fields go in.
struct ExportTarget
{
    QString fileName; // empty: nothing to export
    bool includeEmpty = false;
};

// One kind of file the operator saves: the save dialog's caption, the first word of the name
// it proposes, the extension.
struct ExportKind
{
    QString caption;
    QString word;
    QString extension;
};

// The exports of the shown block and of the listed blocks, from the click to what the operator
// is told at the end: the name proposed in the folder used last for its kind of file, the
// operator's choice, the check that no program holds the file open, the question whether empty
// fields go in, the writing (a report away from the window), and the news of it.
class ExportFlow : public QObject
{
    Q_OBJECT

public:
    // Asks through `questions`; writes reports on `writer`, one at a time with every other flow's.
    ExportFlow(const ReportAssembly &reports, Questions &questions, ReportExport &writer, QObject *parent = nullptr);

    void export_block_report(ReportFormat format);
    void export_summary_report(ReportFormat format);
    void save_block_csv();
    void save_summary_csv();

    // Asks where and whether empty fields go in. An empty fileName when the operator cancels, or
    // when another program holds the file open (he is told so): nothing to write.
    ExportTarget ask_export_target(const ExportKind &kind);

private:
    // The save dialog with its proposal; the folder of the file chosen is kept for the next.
    QString choose_file(const ExportKind &kind);

    using Document = std::function<ReportExport::Job(const ExportTarget &target)>;

    // Asks, then writes the document, made now, away from the window; the desktop opens the
    // file once it is written.
    void export_report(const ExportKind &kind, const Document &document);
    // Asks where, then writes the bytes, taken before, at once; no question of empty fields.
    void save_file(const ExportKind &kind, const QByteArray &bytes);
    void report_written(const QString &fileName, bool ok);

    const ReportAssembly reports;
    Questions &questions;
    ReportExport &writer;
    QString pending; // the report this flow waits for
};

#endif // EXPORTFLOW_H
