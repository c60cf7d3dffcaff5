#include <QtTest>

#include <QAction>
#include <QCheckBox>
#include <QDateEdit>
#include <QDoubleSpinBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QStandardItemModel>
#include <QTableView>

#include "mainwindowaccess.h"

namespace {

// Text a widget shows as its caption, whatever its kind.
QString caption(QObject *object)
{
    if (auto label = qobject_cast<QLabel *>(object))
        return label->text();
    if (auto button = qobject_cast<QAbstractButton *>(object))
        return button->text();
    if (auto menu = qobject_cast<QMenu *>(object))
        return menu->title();
    if (auto action = qobject_cast<QAction *>(object))
        return action->text();
    return QString();
}

// Everything retranslateUi must leave alone.
struct FormState
{
    QMap<QString, QString> texts;
    QMap<QString, QString> values;
    QMap<QString, bool> enabled;

    static FormState of(QMainWindow &window)
    {
        FormState state;
        for (QObject *object : window.findChildren<QObject *>()) {
            const QString name = object->objectName();
            if (name.isEmpty())
                continue;
            state.texts[name] = caption(object);
            if (auto w = qobject_cast<QWidget *>(object))
                state.enabled[name] = w->isEnabled();
            if (auto edit = qobject_cast<QLineEdit *>(object))
                state.values[name] = edit->text();
            else if (auto spin = qobject_cast<QDoubleSpinBox *>(object))
                state.values[name] = QString::number(spin->value());
            else if (auto check = qobject_cast<QCheckBox *>(object))
                state.values[name] = check->isChecked() ? "checked" : "unchecked";
            else if (auto text = qobject_cast<QPlainTextEdit *>(object))
                state.values[name] = text->toPlainText();
            else if (auto date = qobject_cast<QDateEdit *>(object))
                state.values[name] = date->date().toString(Qt::ISODate);
        }
        return state;
    }
};

} // namespace

class TestForm : public QObject
{
    Q_OBJECT

private:
    QMainWindow window;
    WindowForm ui;

private slots:
    void initTestCase() { ui = built_form(window); }

    void objects_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("type");
        QTest::addColumn<bool>("enabled");
        QTest::addColumn<QString>("text");

        struct Row { const char *name, *type; bool enabled; const char *text; };
        const Row rows[] = {
            {"centralwidget", "QWidget", true, ""},
            {"menubar", "QMenuBar", true, ""},
            {"statusbar", "QStatusBar", true, ""},
            {"button_read_data", "QPushButton", false, "Прочитать данные"},
            {"button_export_to_excel", "QPushButton", false, "Сохранить в Excel"},
            {"button_export_to_PDF", "QPushButton", false, "Сохранить в PDF"},
            {"label", "QLabel", true, "Блоки памяти прибора"},
            {"block_names_list", "QListWidget", true, ""},
            {"label_2", "QLabel", true, "Данные блока"},
            {"table_block_data", "QTableView", true, ""},
            {"line_3", "QFrame", true, ""},
            {"stats_label", "QLabel", true, "Статистика"},
            {"min_label", "QLabel", true, "Min"},
            {"min_box", "QDoubleSpinBox", true, ""},
            {"max_label", "QLabel", true, "Max"},
            {"max_box", "QDoubleSpinBox", true, ""},
            {"mean_label", "QLabel", true, "Среднее"},
            {"mean_box", "QDoubleSpinBox", true, ""},
            {"stdev_label", "QLabel", true, "σ"},
            {"stdev_box", "QDoubleSpinBox", true, ""},
            {"line", "QFrame", true, ""},
            {"graph", "QCustomPlot", true, ""},
            {"report_graph_checkbox", "QCheckBox", true, "Включить график в отчет"},
            {"label_6", "QLabel", true, "Диапазон графиков:"},
            {"graphs_limits_min", "QDoubleSpinBox", true, ""},
            {"graphs_limits_max", "QDoubleSpinBox", true, ""},
            {"diagram", "QCustomPlot", true, ""},
            {"report_diagram_checkbox", "QCheckBox", true, "Включить диаграмму в отчет"},
            {"report_tolerance_checkbox", "QCheckBox", true, "Включить оценку допуска в отчет"},
            {"set_limits_checkbox", "QCheckBox", true, "Обозначить пределы"},
            {"label_5", "QLabel", true, "Min"},
            {"limits_min", "QDoubleSpinBox", true, ""},
            {"label_4", "QLabel", true, "Max"},
            {"limits_max", "QDoubleSpinBox", true, ""},
            {"out_of_limits_label", "QLabel", true, "Вне допуска"},
            {"out_of_limits_box", "QLineEdit", true, ""},
            {"cp_label", "QLabel", true, "Cp"},
            {"cp_box", "QLineEdit", true, ""},
            {"cpk_label", "QLabel", true, "Cpk"},
            {"cpk_box", "QLineEdit", true, ""},
            {"line_2", "QFrame", true, ""},
            {"company_data_label", "QLabel", true, "Данные о компании"},
            {"logo_action", "QPushButton", true, "Добавить логотип"}, // the report form's own, without a logo
            {"logotype", "QLabel", true, ""},
            {"company_name_label", "QLabel", true, "Компания"},
            {"company_name", "QLineEdit", true, ""},
            {"company_city_label", "QLabel", true, "Город"},
            {"company_city", "QLineEdit", true, ""},
            {"company_address_label", "QLabel", true, "Адрес"},
            {"company_address", "QLineEdit", true, ""},
            {"company_phone_label", "QLabel", true, "Телефон"},
            {"company_phone", "QLineEdit", true, ""},
            {"company_website_label", "QLabel", true, "Вебсайт"},
            {"company_website", "QLineEdit", true, ""},
            {"line_5", "QFrame", true, ""},
            {"report_data_label", "QLabel", true, "Данные об отчете"},
            {"report_number_label", "QLabel", true, "Номер отчета"},
            {"report_number", "QLineEdit", true, ""},
            {"report_date_edit_label", "QLabel", true, "Дата"},
            {"report_date_edit", "QDateEdit", true, ""},
            {"report_operator_label", "QLabel", true, "Оператор"},
            {"report_operator", "QLineEdit", true, ""},
            {"report_detail_name_label", "QLabel", true, "Наименование детали"},
            {"report_detail_name", "QLineEdit", true, ""},
            {"report_material_label", "QLabel", true, "Материал"},
            {"report_material", "QLineEdit", true, ""},
            {"report_batch_number_label", "QLabel", true, "Номер партии"},
            {"report_batch_number", "QLineEdit", true, ""},
            {"line_4", "QFrame", true, ""},
            {"device_data_label", "QLabel", true, "Данные о приборе"},
            {"device_name_label", "QLabel", true, "Название прибора"},
            {"device_name", "QLineEdit", true, ""},
            {"device_type_label", "QLabel", true, "Тип прибора"},
            {"device_type", "QLineEdit", true, ""},
            {"device_number_label", "QLabel", true, "Номер прибора"},
            {"device_number", "QLineEdit", true, ""},
            {"device_document_number_label", "QLabel", true, "Свидетельство о поверке"},
            {"device_document_number", "QLineEdit", true, ""},
            {"line_6", "QFrame", true, ""},
            {"comments_label", "QLabel", true, "Комментарии"},
            {"comments_text", "QPlainTextEdit", true, ""},
            {"file_menu", "QMenu", true, "Файл"},
            {"action_open_reading", "QAction", true, "Открыть показания…"},
            {"action_readings_archive", "QAction", true, "Архив измерений…"},
            {"action_export_csv", "QAction", false, "Сохранить блок в CSV…"},
            {"action_block_summary", "QAction", false, "Сводка по блокам…"},
            {"action_quit", "QAction", true, "Выход"},
            {"view", "QMenu", true, "Вид"},
            {"font_size", "QMenu", true, "Шрифт"},
            {"language", "QMenu", true, "Язык"},
            {"about", "QMenu", true, "Справка"},
            {"action_font_size_increase", "QAction", true, "Увеличить"},
            {"action_font_size_decrease", "QAction", true, "Уменьшить"},
            {"actionRU", "QAction", true, "Русский"},
            {"actionEN", "QAction", true, "English"},
            {"about_program", "QAction", true, "О программе"},
            {"about_company", "QAction", true, "Компания"},
        };
        for (const Row &row : rows)
            QTest::newRow(row.name) << row.name << row.type << row.enabled << QString::fromUtf8(row.text);
    }

    void objects()
    {
        QFETCH(QString, name);
        QFETCH(QString, type);
        QFETCH(bool, enabled);
        QFETCH(QString, text);

        const QList<QObject *> found = window.findChildren<QObject *>(name);
        QCOMPARE(found.size(), 1);
        QObject *object = found.first();
        QCOMPARE(QString(object->metaObject()->className()), type);
        if (auto w = qobject_cast<QWidget *>(object))
            QCOMPARE(w->isEnabled(), enabled);
        QCOMPARE(caption(object), text);
        if (auto edit = qobject_cast<QLineEdit *>(object)) {
            QVERIFY(edit->text().isEmpty());
            QVERIFY(edit->placeholderText().isEmpty());
            QVERIFY(edit->inputMask().isEmpty());
            QVERIFY(!edit->validator());
        }
        if (auto action = qobject_cast<QAction *>(object)) {
            QCOMPARE(action->isEnabled(), enabled);
            QCOMPARE(action->isCheckable(), action == ui.actionRU || action == ui.actionEN);
            QVERIFY(action->shortcut().isEmpty());
            QVERIFY(action->icon().isNull());
            QCOMPARE(action->parent(), &window);
        }
    }

    void windowItself()
    {
        QCOMPARE(window.objectName(), QString("MainWindow"));
        QCOMPARE(window.size(), QSize(1064, 1196));
        QCOMPARE(window.windowTitle(), QString("MainWindow"));
        QCOMPARE(window.centralWidget(), ui.centralwidget);
        QCOMPARE(window.menuBar(), ui.menubar);
        QCOMPARE(window.statusBar(), ui.statusbar);
    }

    void spinBoxes_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<double>("initial");
        QTest::addColumn<bool>("statistics");
        QTest::newRow("min_box") << "min_box" << 0.0 << true;
        QTest::newRow("max_box") << "max_box" << 0.0 << true;
        QTest::newRow("mean_box") << "mean_box" << 0.0 << true;
        QTest::newRow("stdev_box") << "stdev_box" << 0.0 << true;
        QTest::newRow("graphs_limits_min") << "graphs_limits_min" << 0.0 << false;
        QTest::newRow("graphs_limits_max") << "graphs_limits_max" << 5.0 << false;
        QTest::newRow("limits_min") << "limits_min" << 0.0 << false;
        QTest::newRow("limits_max") << "limits_max" << 5.0 << false;
    }

    void spinBoxes()
    {
        QFETCH(QString, name);
        QFETCH(double, initial);
        QFETCH(bool, statistics);
        // A form of its own: these cases set values.
        QMainWindow w;
        built_form(w);
        auto box = w.findChild<QDoubleSpinBox *>(name);
        QVERIFY(box);
        QCOMPARE(box->value(), initial);
        QCOMPARE(box->decimals(), 1);
        // A statistics box's lowest value, one below the form's, reads "—" while there is no block.
        QCOMPARE(box->minimum(), statistics ? -1000000.0 : -999999.0);
        QCOMPARE(box->maximum(), 999999.0);
        QCOMPARE(box->isReadOnly(), statistics);
        QCOMPARE(box->buttonSymbols(), statistics ? QAbstractSpinBox::NoButtons : QAbstractSpinBox::UpDownArrows);
        if (statistics) {
            QCOMPARE(box->alignment(), Qt::AlignCenter);
            QCOMPARE(box->sizePolicy().horizontalPolicy(), QSizePolicy::Preferred);
            QCOMPARE(box->sizePolicy().verticalPolicy(), QSizePolicy::Fixed);
        }

        box->setValue(12.36);
        QCOMPARE(box->value(), 12.4);
        QCOMPARE(box->text(), QLocale().toString(12.4, 'f', 1));
        box->setValue(1e7);
        QCOMPARE(box->value(), 999999.0);
        box->setValue(-1e7);
        QCOMPARE(box->value(), statistics ? -1000000.0 : -999999.0);
    }

    void statisticsRowsInOrder()
    {
        const QPair<QWidget *, QWidget *> rows[] = {{ui.min_label, ui.min_box}, {ui.max_label, ui.max_box},
                                                    {ui.mean_label, ui.mean_box}, {ui.stdev_label, ui.stdev_box}};
        for (int row = 0; row < 4; ++row) {
            QCOMPARE(ui.formLayout->itemAt(row, QFormLayout::LabelRole)->widget(), rows[row].first);
            QCOMPARE(ui.formLayout->itemAt(row, QFormLayout::FieldRole)->widget(), rows[row].second);
        }
        QCOMPARE(ui.formLayout->horizontalSpacing(), 6);
        QCOMPARE(ui.formLayout->verticalSpacing(), 3);
        QCOMPARE(ui.formLayout->fieldGrowthPolicy(), QFormLayout::AllNonFixedFieldsGrow);
    }

    void tableIsNotEditable()
    {
        QCOMPARE(ui.table_block_data->editTriggers(), QAbstractItemView::NoEditTriggers);
        QCOMPARE(ui.table_block_data->selectionMode(), QAbstractItemView::ExtendedSelection);
        QCOMPARE(ui.table_block_data->selectionBehavior(), QAbstractItemView::SelectItems);
        QMainWindow w;
        WindowForm form = built_form(w);
        w.show();
        // Even over a model that would let its cells be edited.
        QStandardItemModel cells(1, 1);
        cells.setItem(0, 0, new QStandardItem("1.00"));
        form.table_block_data->setModel(&cells);
        const QRect cell = form.table_block_data->visualRect(cells.index(0, 0));
        QTest::mouseDClick(form.table_block_data->viewport(), Qt::LeftButton, {}, cell.center());
        QVERIFY(!form.table_block_data->findChild<QLineEdit *>());
        QCOMPARE(cells.item(0, 0)->text(), QString("1.00"));
    }

    void layoutStretch()
    {
        // Three panels the operator can widen, the report form scrolling in the last.
        QCOMPARE(ui.columns->count(), 3);
        QVERIFY(!ui.columns->childrenCollapsible());
        QCOMPARE(ui.columns->widget(0), ui.blocks_column);
        QCOMPARE(ui.columns->widget(1), ui.plots_column);
        QCOMPARE(ui.columns->widget(2), ui.report_form_panel);
        QCOMPARE(ui.report_form_scroll->parentWidget(), ui.report_form_panel);
        QCOMPARE(ui.report_form_scroll->widget(), ui.report_form);
        const int left[] = {0, 2, 10, 0, 0};
        QCOMPARE(ui.verticalLayout_4->count(), 5);
        for (int i = 0; i < 5; ++i)
            QCOMPARE(ui.verticalLayout_4->stretch(i), left[i]);
        QCOMPARE(ui.layout_blocks_column->itemAt(1)->widget(), ui.line);
        QCOMPARE(ui.layout_plots_column->itemAt(1)->widget(), ui.line_2);
        QCOMPARE(ui.line->frameShape(), QFrame::VLine);
        QCOMPARE(ui.line_3->frameShape(), QFrame::HLine);
        QCOMPARE(ui.line_3->frameShadow(), QFrame::Sunken);
    }

    void fonts_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("twelvePoints");
        QTest::addColumn<bool>("bold");
        QTest::newRow("caption label") << "label" << true << false;
        QTest::newRow("heading") << "company_data_label" << true << true;
        QTest::newRow("heading report") << "report_data_label" << true << true;
        QTest::newRow("heading device") << "device_data_label" << true << true;
        QTest::newRow("line edit") << "company_name" << true << false;
        QTest::newRow("date edit") << "report_date_edit" << true << false;
        QTest::newRow("spin box") << "limits_min" << true << false;
        QTest::newRow("statistics box") << "stdev_box" << true << false;
        QTest::newRow("tolerance figure") << "out_of_limits_box" << true << false;
        QTest::newRow("tolerance figure label") << "cpk_label" << true << false;
        QTest::newRow("check box") << "set_limits_checkbox" << true << false;
        QTest::newRow("report check box") << "report_tolerance_checkbox" << true << false;
        QTest::newRow("push button") << "button_read_data" << true << false;
        QTest::newRow("list") << "block_names_list" << true << false;
        QTest::newRow("table") << "table_block_data" << true << false;
        QTest::newRow("menu bar") << "menubar" << true << false;
        QTest::newRow("language menu") << "language" << true << false;
        QTest::newRow("file menu") << "file_menu" << true << false;
        QTest::newRow("logo button keeps inherited") << "logo_action" << false << false;
        QTest::newRow("logo label keeps inherited") << "logotype" << false << false;
        QTest::newRow("comments keep inherited") << "comments_text" << false << false;
        QTest::newRow("plot keeps inherited") << "graph" << false << false;
        QTest::newRow("view menu keeps inherited") << "view" << false << false;
        QTest::newRow("help menu keeps inherited") << "about" << false << false;
    }

    void fonts()
    {
        QFETCH(QString, name);
        QFETCH(bool, twelvePoints);
        QFETCH(bool, bold);
        auto w = window.findChild<QWidget *>(name);
        QVERIFY(w);
        QCOMPARE(w->testAttribute(Qt::WA_SetFont), twelvePoints);
        if (twelvePoints)
            QCOMPARE(w->font().pointSize(), 12);
        QCOMPARE(w->font().bold(), bold);
    }

    void actionFonts()
    {
        for (QAction *action : {ui.actionRU, ui.actionEN, ui.about_program, ui.about_company, ui.action_open_reading,
                                ui.action_readings_archive, ui.action_export_csv, ui.action_block_summary,
                                ui.action_quit})
            QCOMPARE(action->font().pointSize(), 12);
    }

    void menus()
    {
        const QList<QAction *> top = ui.menubar->actions();
        QCOMPARE(top.size(), 4);
        QCOMPARE(top[0]->menu(), ui.file_menu);
        QCOMPARE(top[1]->menu(), ui.view);
        QCOMPARE(top[2]->menu(), ui.language);
        QCOMPARE(top[3]->menu(), ui.about);
        QCOMPARE(ui.file_menu->actions(),
                 (QList<QAction *>{ui.action_open_reading, ui.action_readings_archive, ui.action_export_csv,
                                   ui.action_block_summary, ui.file_menu->actions().value(4), ui.action_quit}));
        QVERIFY(ui.file_menu->actions().at(4)->isSeparator());
        QCOMPARE(ui.view->actions().size(), 1);
        QCOMPARE(ui.view->actions()[0]->menu(), ui.font_size);
        QCOMPARE(ui.font_size->actions(), (QList<QAction *>{ui.action_font_size_increase, ui.action_font_size_decrease}));
        QCOMPARE(ui.language->actions(), (QList<QAction *>{ui.actionRU, ui.actionEN}));
        QCOMPARE(ui.about->actions(), (QList<QAction *>{ui.about_program, ui.about_company}));
    }

    void initialStates()
    {
        QVERIFY(!ui.report_graph_checkbox->isChecked());
        QVERIFY(!ui.report_diagram_checkbox->isChecked());
        QVERIFY(!ui.report_tolerance_checkbox->isChecked());
        QVERIFY(!ui.set_limits_checkbox->isChecked());
        QVERIFY(ui.comments_text->toPlainText().isEmpty());
        QCOMPARE(ui.graph->sizePolicy().verticalPolicy(), QSizePolicy::Expanding);
        QCOMPARE(ui.diagram->sizePolicy().verticalPolicy(), QSizePolicy::Expanding);
        QCOMPARE(ui.graph->sizePolicy().horizontalPolicy(), QSizePolicy::Preferred);
    }

    void retranslateTwiceChangesNothing()
    {
        QMainWindow w;
        WindowForm form = built_form(w);
        // Put something in every kind of field so that a reset would show.
        form.company_name->setText("ACME");
        form.comments_text->setPlainText("note");
        form.limits_max->setValue(7.5);
        form.set_limits_checkbox->setChecked(true);
        form.button_read_data->setEnabled(true);
        form.report_date_edit->setDate(QDate(2024, 2, 29));
        form.logo_action->setText("Добавить логотип");
        w.setWindowTitle("Ormeda");

        form.retranslateUi(&w);
        FormState first = FormState::of(w);
        form.retranslateUi(&w);
        FormState second = FormState::of(w);
        QCOMPARE(second.texts, first.texts);
        QCOMPARE(second.values, first.values);
        QCOMPARE(second.enabled, first.enabled);
        QCOMPARE(first.values["company_name"], QString("ACME"));
        QCOMPARE(first.values["comments_text"], QString("note"));
        QCOMPARE(first.values["limits_max"], QString("7.5"));
        QCOMPARE(first.values["set_limits_checkbox"], QString("checked"));
        QCOMPARE(first.values["report_date_edit"], QString("2024-02-29"));
        QVERIFY(first.enabled["button_read_data"]);
        // It does empty the logo button, and resets the title to the form's own.
        QCOMPARE(form.logo_action->text(), QString());
        QCOMPARE(w.windowTitle(), QString("MainWindow"));
    }
};

QTEST_MAIN(TestForm)
#include "tst_form.moc"
