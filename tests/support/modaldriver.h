#ifndef MODALDRIVER_H
#define MODALDRIVER_H

#include <QAbstractButton>
#include <QApplication>
#include <QElapsedTimer>
#include <QFileDialog>
#include <QMessageBox>
#include <QPointer>
#include <QTimer>

#include <deque>
#include <functional>

// What a test saw of a modal dialog before it was answered.
struct SeenModal
{
    bool isFileDialog = false;
    bool isMessageBox = false;
    QString title;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QStringList buttons;       // message box button texts
    QStringList selectedFiles; // what a file dialog proposes
    QStringList nameFilters;
    QString directory;         // where a file dialog opened
    bool hasParent = false;
};

// Answers the modal dialogs a test provokes, in order, so that no test waits on
// one. A dialog beyond the planned answers is rejected and counted.
class ModalDriver
{
public:
    using Answer = std::function<void(QWidget *)>;

    ModalDriver()
    {
        QCoreApplication::setAttribute(Qt::AA_DontUseNativeDialogs, true);
        timer.setInterval(10);
        QObject::connect(&timer, &QTimer::timeout, [this] { poll(); });
        timer.start();
    }

    ModalDriver &then(Answer answer)
    {
        answers.push_back(std::move(answer));
        return *this;
    }

    static Answer chooseFile(const QString &path)
    {
        return [path](QWidget *w) {
            auto *dialog = qobject_cast<QFileDialog *>(w);
            if (!dialog) {
                QMetaObject::invokeMethod(w, "reject", Qt::QueuedConnection);
                return;
            }
            // selectFile() leaves a name field that has the focus as the operator left it.
            if (QWidget *focused = dialog->focusWidget())
                focused->clearFocus();
            dialog->selectFile(path);
            QMetaObject::invokeMethod(dialog, "accept", Qt::QueuedConnection);
        };
    }

    static Answer cancel()
    {
        return [](QWidget *w) { QMetaObject::invokeMethod(w, "reject", Qt::QueuedConnection); };
    }

    static Answer press(QMessageBox::StandardButton which)
    {
        return [which](QWidget *w) {
            auto *box = qobject_cast<QMessageBox *>(w);
            QAbstractButton *button = box ? box->button(which) : nullptr;
            if (button)
                QMetaObject::invokeMethod(button, "click", Qt::QueuedConnection);
            else
                QMetaObject::invokeMethod(w, "reject", Qt::QueuedConnection);
        };
    }

    // Closes the window the way its title bar would.
    static Answer closeWindow()
    {
        return [](QWidget *w) { QMetaObject::invokeMethod(w, "close", Qt::QueuedConnection); };
    }

    QList<SeenModal> seen;
    int unexpected = 0;
    int pending() const { return int(answers.size()); }

private:
    void poll()
    {
        QWidget *w = QApplication::activeModalWidget();
        if (!w)
            return;
        for (Handled &h : handled) {
            if (h.widget != w)
                continue;
            // An answer that did not close the dialog must not leave the test waiting.
            if (h.since.elapsed() > 3000) {
                ++unexpected;
                QMetaObject::invokeMethod(w, "reject", Qt::QueuedConnection);
                h.since.restart();
            }
            return;
        }
        Handled fresh;
        fresh.widget = w;
        fresh.since.start();
        handled.append(fresh);
        seen.append(describe(w));
        if (answers.empty()) {
            ++unexpected;
            QMetaObject::invokeMethod(w, "reject", Qt::QueuedConnection);
            return;
        }
        Answer answer = answers.front();
        answers.pop_front();
        answer(w);
    }

    static SeenModal describe(QWidget *w)
    {
        SeenModal s;
        s.title = w->windowTitle();
        s.hasParent = w->parentWidget() != nullptr;
        if (auto *dialog = qobject_cast<QFileDialog *>(w)) {
            s.isFileDialog = true;
            s.selectedFiles = dialog->selectedFiles();
            s.nameFilters = dialog->nameFilters();
            s.directory = dialog->directory().absolutePath();
        } else if (auto *box = qobject_cast<QMessageBox *>(w)) {
            s.isMessageBox = true;
            s.text = box->text();
            s.icon = box->icon();
            for (QAbstractButton *button : box->buttons())
                s.buttons << button->text();
            s.buttons.sort();
        }
        return s;
    }

    QTimer timer;
    std::deque<Answer> answers;
    struct Handled
    {
        QPointer<QWidget> widget;
        QElapsedTimer since;
    };
    QList<Handled> handled;
};

#endif // MODALDRIVER_H
