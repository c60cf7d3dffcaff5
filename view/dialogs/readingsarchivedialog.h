#ifndef READINGSARCHIVEDIALOG_H
#define READINGSARCHIVEDIALOG_H

#include <QDialog>
#include <QVector>

#include <functional>

#include "blockhistory.h"
#include "readingsarchive.h"

class BlockHistoryPlot;
class HistoryTableModel;
class MeasurementModel;
class QComboBox;
class QLineEdit;
class QPushButton;
class QSortFilterProxyModel;
class QTabWidget;
class QTableView;
class ReadingsArchiveFilter;
class ReadingsArchiveTableModel;

// The readings kept in the readings folder, a row each, and the history of one block name
// across them. Nothing here changes a file: the window lists a reading asked for.
class ReadingsArchiveDialog : public QDialog
{
    Q_OBJECT

public:
    ReadingsArchiveDialog(const MeasurementModel &model, const QString &folder, QWidget *parent = nullptr);

    // Where the history's CSV is proposed, asked at each save (the folder used last for such
    // files), what keeps the folder of the file chosen, and what tells of a failed write.
    void setExportPlace(std::function<QString()> folder, std::function<void(const QString &path)> chosen,
                        std::function<void()> saveFailed);
    // Lists the folder again, picks the shown block's history, and comes to the front.
    void openArchive();
    // Lists the folder again: what changed is read, the rest is known.
    void refresh();

    QTableView *archiveTable() const { return archiveView; }
    QTableView *historyTable() const { return historyView; }
    BlockHistoryPlot *historyPlot() const { return plot; }
    QWidget *historyTab() const { return historyPage; }
    // Of the chosen name, worked out while its tab is shown.
    const QVector<HistoryPoint> &history() const { return points; }

signals:
    // The reading of that file listed in the window; blockIndex ≥ 0 shows that block too.
    void readingRequested(const QString &path, int blockIndex);

protected:
    void changeEvent(QEvent *event) override;

private:
    void openSelected();
    void fillNames();
    void updateHistory();
    void exportHistory();
    void retranslate();

    const MeasurementModel &model;
    const QString folder;
    std::function<QString()> exportFolder;
    std::function<void(const QString &)> exportChosen;
    std::function<void()> saveFailed;
    ReadingsArchive archive;
    QVector<HistoryPoint> points;
    bool historyStale = true;

    QTabWidget *tabs = nullptr;
    QWidget *historyPage = nullptr;
    ReadingsArchiveTableModel *archiveModel = nullptr;
    ReadingsArchiveFilter *filtered = nullptr;
    QTableView *archiveView = nullptr;
    QLineEdit *filter = nullptr;
    QPushButton *open = nullptr;
    QPushButton *reload = nullptr;
    QComboBox *names = nullptr;
    BlockHistoryPlot *plot = nullptr;
    HistoryTableModel *historyModel = nullptr;
    QSortFilterProxyModel *historySorted = nullptr;
    QTableView *historyView = nullptr;
    QPushButton *exportCsv = nullptr;
};

#endif // READINGSARCHIVEDIALOG_H
