#ifndef QUESTIONS_H
#define QUESTIONS_H

#include <QString>

// What an export asks the operator and tells him. The window answers with its dialogs, a test
// with answers of its own.
class Questions
{
public:
    enum class EmptyFields { Include, Leave, Cancel };

    virtual ~Questions() = default;

    // The file to write, `proposal` offered in a dialog of that caption and filter; empty when
    // the operator cancels.
    virtual QString saveFileName(const QString &caption, const QString &proposal, const QString &filter) = 0;
    // Whether the report's empty fields go in; Cancel writes nothing.
    virtual EmptyFields askEmptyFields() = 0;
    // A file that could not be written, or that another program holds open.
    virtual void saveFailed() = 0;
    // A file written that no program is asked to open.
    virtual void fileSaved(const QString &path) = 0;
};

#endif // QUESTIONS_H
