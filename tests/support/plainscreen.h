#ifndef PLAINSCREEN_H
#define PLAINSCREEN_H

#include <QColor>
#include <QDate>
#include <QImage>

#include <iterator>

#include "measurementmodel.h"
#include "reportassembly.h"
#include "reportscreen.h"

// The report form's fields under their object names, with the captions the form shows in Russian.
struct FormField
{
    const char *name;
    const char *label;
    const char *section;
};

inline const FormField kFormFields[] = {
    {"company_name", "Компания", "Данные о компании"},
    {"company_city", "Город", "Данные о компании"},
    {"company_address", "Адрес", "Данные о компании"},
    {"company_phone", "Телефон", "Данные о компании"},
    {"company_website", "Вебсайт", "Данные о компании"},
    {"report_number", "Номер отчета", "Данные об отчете"},
    {"report_date_edit", "Дата", "Данные об отчете"},
    {"report_operator", "Оператор", "Данные об отчете"},
    {"report_detail_name", "Наименование детали", "Данные об отчете"},
    {"report_material", "Материал", "Данные об отчете"},
    {"report_batch_number", "Номер партии", "Данные об отчете"},
    {"device_name", "Название прибора", "Данные о приборе"},
    {"device_type", "Тип прибора", "Данные о приборе"},
    {"device_number", "Номер прибора", "Данные о приборе"},
    {"device_document_number", "Свидетельство о поверке", "Данные о приборе"},
};

// A screen of plain values, as the window starts: an empty form dated today, the statistics'
// Russian captions, no report check box ticked, the plot range 0 to 5. Its plot pictures are
// plain: the graph red, the diagram blue.
struct PlainScreen : ReportScreen
{
    ReportForm form;
    StatisticsCaptions captions{"Статистика", "Min", "Max", "Среднее", "σ"};
    PlotsReportChoice choice{false, false, false, 0, 5};
    mutable QList<PlotPictureSource> drawn; // what plotPictures was asked to draw

    PlainScreen()
    {
        for (const FormField &field : kFormFields)
            form.data.entries.append({QString::fromUtf8(field.label), QString(), QString::fromUtf8(field.section)});
        set(QStringLiteral("report_date_edit"), QDate::currentDate().toString(QStringLiteral("dd.MM.yyyy")));
        form.commentsCaption = QStringLiteral("Комментарии");
    }

    // What the operator types into the field of that object name.
    void set(const QString &name, const QString &value)
    {
        for (int i = 0; i < int(std::size(kFormFields)); ++i)
            if (name == QLatin1String(kFormFields[i].name))
                form.data.entries[i].value = value;
        if (name == QLatin1String("report_number"))
            form.data.reportNumber = value;
        if (name == QLatin1String("report_operator"))
            form.data.operatorName = value;
    }

    ReportForm reportForm() const override { return form; }
    StatisticsCaptions statisticsCaptions() const override { return captions; }
    PlotsReportChoice plotsChoice() const override { return choice; }
    QVector<PendingPicture> plotPictures(const PlotPictureSource &source, const QSize &size, bool graph,
                                         bool diagram) const override
    {
        drawn << source;
        QVector<PendingPicture> pictures;
        for (const auto &[wanted, colour] : {std::pair{graph, QColor(Qt::red)}, std::pair{diagram, QColor(Qt::blue)}})
            if (wanted)
                pictures.append([size, colour = colour] {
                    QImage picture(size, QImage::Format_RGB32);
                    picture.fill(colour);
                    return picture;
                });
        return pictures;
    }
};

// The model and a plain screen, and the reports over them, as the window holds them.
struct ReportDesk
{
    MeasurementModel model;
    PlainScreen screen;
    ReportAssembly reports{model, screen, QStringLiteral("Ormeda test")};

    // One block listed and shown, as a read and a double click leave it.
    void show(const QString &name, const QVector<float> &values)
    {
        model.setBlocks({Block(name, values)});
        model.showBlock(0);
    }

    // The limits typed and shown, or not.
    void setLimits(double min, double max, bool shown)
    {
        model.setLimitValues(min, max);
        model.setLimitsShown(shown);
    }
};

#endif // PLAINSCREEN_H
