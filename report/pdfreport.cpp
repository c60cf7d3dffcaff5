#include "pdfreport.h"

#include <QTextCursor>

#include "pdfdocument.h"
#include "pdfpages.h"
#include "valuestable.h"

bool write_pdf_report(const ReportModel &model, const QString &fileName)
{
    return write_pdf_file(fileName, report_metadata(model, model.captions.pdfTitle), [&](PdfPages &pages, int pageWidth) {
        const PdfFormats formats(pageWidth);
        place_piece(pages, [&](QTextCursor &cursor) {
            insert_report_head(cursor, model, model.captions.pdfTitle, formats);
        });

        // Values: rounded to their decimals, unlike the screen, which cuts.
        QVector<ReportValueRow> rows;
        rows.reserve(model.data.values.size());
        for (int i = 0; i < model.data.values.size(); ++i)
            rows << model.valueRow(i);
        paint_values_table(pages, {model.captions.number, model.data.valueTitle, deviation_caption()}, rows,
                           formats.third.rawValue());

        place_piece(pages, [&](QTextCursor &cursor) {
            cursor.insertBlock();
            insert_statistics(cursor, model, formats);
        });
        for (int i = 0; i < model.plots.size(); ++i) {
            place_piece(pages, [&](QTextCursor &cursor) {
                if (i == 0)
                    cursor.insertBlock();
                cursor.insertImage(model.plots.at(i));
            });
        }
        if (model.toleranceLine)
            place_piece(pages, [&](QTextCursor &cursor) {
                cursor.insertBlock();
                cursor.insertText(model.toleranceText(), formats.plainChars);
            });
        place_piece(pages, [&](QTextCursor &cursor) { insert_report_end(cursor, model, formats); }, 3);
    });
}
