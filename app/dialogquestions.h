#ifndef DIALOGQUESTIONS_H
#define DIALOGQUESTIONS_H

#include <QObject>

#include "questions.h"

class QStatusBar;
class QWidget;

// The export's questions as the operator sees them: the save dialog over the window (or the
// dialog) that asked, the modal question and failure boxes, and the status bar's news.
class DialogQuestions : public QObject, public Questions
{
    Q_OBJECT

public:
    // Its file dialogs open over `parent`; its news goes to `news`.
    DialogQuestions(QWidget *parent, QStatusBar *news);

    QString saveFileName(const QString &caption, const QString &proposal, const QString &filter) override;
    EmptyFields askEmptyFields() override;
    void saveFailed() override;
    void fileSaved(const QString &path) override;

private:
    QWidget *parent;
    QStatusBar *news;
};

#endif // DIALOGQUESTIONS_H
