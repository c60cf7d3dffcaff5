#ifndef ANSWERS_H
#define ANSWERS_H

#include <QList>
#include <QString>
#include <QStringList>

#include "questions.h"

// An operator who answers from lists: each save dialog takes the next file (none left: he
// cancels), each empty-field question the next answer (none left: Cancel). What he was asked
// and told is kept.
class Answers : public Questions
{
public:
    struct Dialog
    {
        QString caption;
        QString proposal;
        QString filter;
    };

    QStringList files;
    QList<EmptyFields> emptyFields;

    QList<Dialog> dialogs;
    int questions = 0;
    int failures = 0;
    QStringList saved;

    QString saveFileName(const QString &caption, const QString &proposal, const QString &filter) override
    {
        dialogs.append({caption, proposal, filter});
        return files.isEmpty() ? QString() : files.takeFirst();
    }

    EmptyFields askEmptyFields() override
    {
        ++questions;
        return emptyFields.isEmpty() ? EmptyFields::Cancel : emptyFields.takeFirst();
    }

    void saveFailed() override { ++failures; }
    void fileSaved(const QString &path) override { saved << path; }
};

#endif // ANSWERS_H
