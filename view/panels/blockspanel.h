#ifndef BLOCKSPANEL_H
#define BLOCKSPANEL_H

#include <QList>
#include <QWidget>

#include "reportdata.h"

class BlockTableModel;
class MeasurementModel;
class QAbstractButton;
class TableHint;

QT_BEGIN_NAMESPACE
namespace Ui { class BlocksPanel; }
QT_END_NAMESPACE

// The left column: the read and report buttons, the list of blocks, the shown block's
// values and its statistics, all shown from the measurement model. A double click or
// Enter on a row shows that block; the buttons say what the operator asks for.
class BlocksPanel : public QWidget
{
    Q_OBJECT

public:
    explicit BlocksPanel(QWidget *parent = nullptr);
    ~BlocksPanel() override;

    // Shown from now on; the panel follows its changes.
    void setModel(MeasurementModel *model);

    // The block of that row, as a double click on it shows it; the row becomes current.
    void showBlockOfRow(int row);

    // The read button follows the link; a read holds the report buttons too until the
    // blocks it brings are shown.
    void setReadEnabled(bool enabled);
    bool readEnabled() const;
    void beginRead();
    // What a busy window holds still: the read and the two report buttons.
    QList<QAbstractButton *> buttons() const;

    // The statistics' captions as the panel shows them, for the reports.
    StatisticsCaptions statisticsCaptions() const;

    void retranslate();

signals:
    void readRequested();
    void exportRequested(ReportFormat format);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void fillList();
    void showShownBlock();
    void showStatistics();
    void setReportsEnabled(bool enabled);

    Ui::BlocksPanel *ui;
    MeasurementModel *model = nullptr;
    BlockTableModel *table;
    TableHint *hint;

    friend struct PanelAccess;
};

#endif // BLOCKSPANEL_H
