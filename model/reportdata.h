#ifndef REPORTDATA_H
#define REPORTDATA_H

#include <QList>
#include <QString>
#include <QVector>

struct ReportEntry
{
    QString label;   // caption as the form shows it now
    QString value;   // what the operator typed, untrimmed
    QString section; // caption of the section heading
};

struct ReportData
{
    QList<ReportEntry> entries;
    QString valueTitle;
    QVector<float> values;
    // What the PDF says of itself besides its title.
    QString reportNumber;
    QString operatorName;
    QString creator; // the program and its version
};

struct ExportTarget
{
    QString fileName; // empty: nothing to export
    bool includeEmpty = false;
};

// An entry goes into a report when empty fields are wanted or it holds text.
inline bool is_entry_included(const ReportEntry &entry, bool includeEmpty)
{
    return includeEmpty || !entry.value.isEmpty();
}

#endif // REPORTDATA_H
