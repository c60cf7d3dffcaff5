#include "blocksummarydialog.h"

#include <QCoreApplication>
#include <QEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QSortFilterProxyModel>
#include <QTableView>
#include <QVBoxLayout>

#include "blocksummarytablemodel.h"
#include "measurementmodel.h"

BlockSummaryDialog::BlockSummaryDialog(const MeasurementModel &model, QWidget *parent)
    : QDialog(parent)
    , model(model)
{
    setObjectName(QStringLiteral("block_summary_dialog"));

    summary = new BlockSummaryTableModel(this);
    sorted = new QSortFilterProxyModel(this);
    sorted->setSourceModel(summary);
    sorted->setSortRole(BlockSummaryTableModel::SortRole);
    sorted->setSortLocaleAware(true);

    view = new QTableView(this);
    view->setObjectName(QStringLiteral("block_summary_table"));
    view->setModel(sorted);
    view->setSelectionBehavior(QAbstractItemView::SelectRows);
    view->setSelectionMode(QAbstractItemView::SingleSelection);
    view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view->verticalHeader()->hide();
    view->horizontalHeader()->setStretchLastSection(true);
    // Unsorted, the rows keep the list's order until a heading is clicked.
    view->horizontalHeader()->setSortIndicator(-1, Qt::AscendingOrder);
    view->setSortingEnabled(true);
    connect(view, &QTableView::doubleClicked, this, [this](const QModelIndex &index) {
        const QModelIndex source = sorted->mapToSource(index);
        if (source.isValid())
            emit blockActivated(summary->listRow(source.row()));
    });

    pdf = new QPushButton(this);
    pdf->setObjectName(QStringLiteral("summary_export_pdf"));
    excel = new QPushButton(this);
    excel->setObjectName(QStringLiteral("summary_export_excel"));
    csv = new QPushButton(this);
    csv->setObjectName(QStringLiteral("summary_export_csv"));
    connect(pdf, &QPushButton::clicked, this, &BlockSummaryDialog::pdfRequested);
    connect(excel, &QPushButton::clicked, this, &BlockSummaryDialog::excelRequested);
    connect(csv, &QPushButton::clicked, this, &BlockSummaryDialog::csvRequested);
    // Enter in the table must not press an export.
    for (QPushButton *button : {pdf, excel, csv})
        button->setAutoDefault(false);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(pdf);
    buttons->addWidget(excel);
    buttons->addWidget(csv);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(view);
    layout->addLayout(buttons);
    resize(820, 440);

    connect(&model, &MeasurementModel::blocksChanged, this, &BlockSummaryDialog::modelChanged);
    connect(&model, &MeasurementModel::limitsShownChanged, this, &BlockSummaryDialog::modelChanged);
    connect(&model, &MeasurementModel::limitValuesChanged, this, &BlockSummaryDialog::modelChanged);

    retranslate();
}

void BlockSummaryDialog::setExportsEnabled(bool enabled)
{
    exportsEnabled = enabled;
    updateExports();
}

void BlockSummaryDialog::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QDialog::changeEvent(event);
}

void BlockSummaryDialog::showEvent(QShowEvent *event)
{
    if (stale)
        refresh();
    QDialog::showEvent(event);
}

void BlockSummaryDialog::modelChanged()
{
    stale = true;
    if (isVisible())
        refresh();
}

void BlockSummaryDialog::refresh()
{
    stale = false;
    const bool limitsShown = model.limits().shown;
    summary->setSummary(block_summary_rows(model), limitsShown);
    // A sort by a column the limits took away falls back to the list's order.
    QHeaderView *header = view->horizontalHeader();
    if (header->sortIndicatorSection() >= summary->columnCount())
        view->sortByColumn(-1, Qt::AscendingOrder);
    view->resizeColumnsToContents();
    if (!sized) {
        // Wide enough at first for every column, later as the operator leaves it.
        sized = true;
        const int margins = layout()->contentsMargins().left() + layout()->contentsMargins().right();
        const int table = view->horizontalHeader()->length() + 2 * view->frameWidth()
                          + view->verticalScrollBar()->sizeHint().width();
        const QScreen *shown = screen();
        const int widest = shown ? shown->availableGeometry().width() * 9 / 10 : table + margins;
        resize(qBound(width(), table + margins, widest), height());
    }
    updateExports();
}

void BlockSummaryDialog::retranslate()
{
    setWindowTitle(QCoreApplication::translate("MainWindow", "Сводка по блокам"));
    pdf->setText(QCoreApplication::translate("MainWindow", "Сохранить в PDF"));
    excel->setText(QCoreApplication::translate("MainWindow", "Сохранить в Excel"));
    csv->setText(QCoreApplication::translate("MainWindow", "Сохранить в CSV"));
    summary->retranslate();
    if (!stale)
        view->resizeColumnsToContents();
}

void BlockSummaryDialog::updateExports()
{
    const bool enabled = exportsEnabled && summary->rowCount() > 0;
    for (QPushButton *button : {pdf, excel, csv})
        button->setEnabled(enabled);
}
