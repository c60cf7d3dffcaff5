#ifndef TABLECOPY_H
#define TABLECOPY_H

#include <QObject>
#include <QString>

class QAbstractItemView;

// Gives a table the standard Copy shortcut for all its selected cells: their texts, one per
// line, top to bottom. (The view's own Copy takes the current cell only.)
class TableCopy : public QObject
{
    Q_OBJECT

public:
    // A cell's text for the clipboard where it differs from the one shown (a value in full
    // where the table shows it cut).
    static constexpr int CopyTextRole = Qt::UserRole + 1;

    // Lives as the table's child.
    explicit TableCopy(QAbstractItemView *table);

    static QString selectedTexts(const QAbstractItemView *table);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QAbstractItemView *table;
};

#endif // TABLECOPY_H
