#ifndef BLOCKSUMMARYDIALOG_H
#define BLOCKSUMMARYDIALOG_H

#include <QDialog>

class BlockSummaryTableModel;
class MeasurementModel;
class QPushButton;
class QSortFilterProxyModel;
class QTableView;

// The summary of the listed blocks beside the window: a row of figures per block, sorted by
// a click on a heading. It follows the blocks and the limits of the model while it is open;
// the window shows the block of a row double-clicked and writes the exports asked for.
class BlockSummaryDialog : public QDialog
{
    Q_OBJECT

public:
    explicit BlockSummaryDialog(const MeasurementModel &model, QWidget *parent = nullptr);

    QTableView *table() const { return view; }
    // Off while a report is being written; on again they are, while the list holds blocks.
    void setExportsEnabled(bool enabled);

signals:
    void blockActivated(int listRow);
    void pdfRequested();
    void excelRequested();
    void csvRequested();

protected:
    void changeEvent(QEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    // Figures worked out anew from the model; while the dialog is hidden only noted.
    void modelChanged();
    void refresh();
    void retranslate();
    void updateExports();

    const MeasurementModel &model;
    BlockSummaryTableModel *summary = nullptr;
    QSortFilterProxyModel *sorted = nullptr;
    QTableView *view = nullptr;
    QPushButton *pdf = nullptr;
    QPushButton *excel = nullptr;
    QPushButton *csv = nullptr;
    bool exportsEnabled = true;
    bool stale = true;
    bool sized = false;
};

#endif // BLOCKSUMMARYDIALOG_H
