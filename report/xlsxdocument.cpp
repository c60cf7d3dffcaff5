#include "xlsxdocument.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <xlsxwriter.h>

#include <cmath>
#include <tuple>
#include <utility>

#include "atomicwrite.h"

namespace {

// The longest text a cell may hold.
constexpr int maxTextLength = 32767;

uint8_t lxwBorder(XlsxFormat::Border border)
{
    switch (border) {
    case XlsxFormat::Border::Thin:
        return LXW_BORDER_THIN;
    case XlsxFormat::Border::Thick:
        return LXW_BORDER_THICK;
    case XlsxFormat::Border::None:
        break;
    }
    return LXW_BORDER_NONE;
}

lxw_format *make_lxw_format(lxw_workbook *workbook, const XlsxFormat &format)
{
    lxw_format *f = workbook_add_format(workbook);
    if (!f)
        return nullptr;
    if (format.bold)
        format_set_bold(f);
    if (!format.fontName.isEmpty())
        format_set_font_name(f, format.fontName.toUtf8().constData());
    if (format.fontSize > 0)
        format_set_font_size(f, format.fontSize);
    switch (format.horizontal) {
    case XlsxFormat::HAlign::Left: format_set_align(f, LXW_ALIGN_LEFT); break;
    case XlsxFormat::HAlign::Center: format_set_align(f, LXW_ALIGN_CENTER); break;
    case XlsxFormat::HAlign::Right: format_set_align(f, LXW_ALIGN_RIGHT); break;
    case XlsxFormat::HAlign::Justify: format_set_align(f, LXW_ALIGN_JUSTIFY); break;
    case XlsxFormat::HAlign::Default: break;
    }
    switch (format.vertical) {
    case XlsxFormat::VAlign::Top: format_set_align(f, LXW_ALIGN_VERTICAL_TOP); break;
    case XlsxFormat::VAlign::Center: format_set_align(f, LXW_ALIGN_VERTICAL_CENTER); break;
    case XlsxFormat::VAlign::Bottom: format_set_align(f, LXW_ALIGN_VERTICAL_BOTTOM); break;
    case XlsxFormat::VAlign::Default: break;
    }
    format_set_left(f, lxwBorder(format.left));
    format_set_right(f, lxwBorder(format.right));
    format_set_top(f, lxwBorder(format.top));
    format_set_bottom(f, lxwBorder(format.bottom));
    if (format.textWrap)
        format_set_text_wrap(f);
    if (!format.numberFormat.isEmpty())
        format_set_num_format(f, format.numberFormat.toUtf8().constData());
    if (format.fontColor != 0)
        format_set_font_color(f, format.fontColor & 0xFFFFFF);
    return f;
}

bool is_integer(const QVariant &value)
{
    switch (value.userType()) {
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::Long:
    case QMetaType::ULong:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::Short:
    case QMetaType::UShort:
        return true;
    default:
        return false;
    }
}

bool is_floating_point(const QVariant &value)
{
    return value.userType() == QMetaType::Double || value.userType() == QMetaType::Float;
}

// "A" -> 1, "I" -> 9, "AA" -> 27; 0 when the letters are no column.
int column_number(const QString &letters)
{
    int column = 0;
    for (const QChar c : letters) {
        column = column * 26 + (c.toUpper().unicode() - 'A' + 1);
        if (column > XlsxDocument::maxColumn)
            return 0;
    }
    return column;
}

} // namespace

namespace {

auto format_key(const XlsxFormat &f)
{
    return std::make_tuple(f.bold, f.fontName, f.fontSize, f.horizontal, f.vertical, f.left, f.right, f.top,
                           f.bottom, f.textWrap, f.numberFormat, f.fontColor);
}

} // namespace

bool XlsxFormat::operator==(const XlsxFormat &other) const
{
    return format_key(*this) == format_key(other);
}

bool XlsxFormat::operator<(const XlsxFormat &other) const
{
    return format_key(*this) < format_key(other);
}

bool XlsxFormat::isEmpty() const
{
    return *this == XlsxFormat();
}

bool XlsxDocument::isValidCell(int row, int column)
{
    return row >= 1 && row <= maxRow && column >= 1 && column <= maxColumn;
}

int XlsxDocument::formatIndex(const XlsxFormat &format)
{
    const auto found = formatIndexes.find(format);
    if (found != formatIndexes.end())
        return found->second;
    const int index = int(formats.size());
    formats.append(format);
    formatIndexes.emplace(format, index);
    return index;
}

bool XlsxDocument::writeCell(int row, int column, const QVariant &value, const XlsxFormat &format)
{
    if (!isValidCell(row, column))
        return false;
    Cell &cell = cells[cellKey(row, column)];
    if (!format.isEmpty())
        cell.format = formatIndex(format);

    cell.text.clear();
    if (is_integer(value) || is_floating_point(value)) {
        const double number = value.toDouble();
        if (std::isfinite(number)) {
            cell.kind = Kind::Number;
            cell.number = number;
        } else {
            cell.kind = Kind::Text;
            cell.text = QString::number(number);
        }
    } else if (value.isNull() || !value.isValid()) {
        cell.kind = Kind::Blank;
    } else {
        cell.kind = Kind::Text;
        cell.text = value.toString();
        if (cell.text.size() > maxTextLength) {
            int length = maxTextLength;
            if (cell.text.at(length - 1).isHighSurrogate())
                --length; // never cut a character in two
            cell.text.truncate(length);
        }
    }
    return true;
}

bool XlsxDocument::mergeCells(int firstRow, int firstColumn, int lastRow, int lastColumn,
                              const XlsxFormat &format)
{
    if (!isValidCell(firstRow, firstColumn) || !isValidCell(lastRow, lastColumn) || lastRow < firstRow
        || lastColumn < firstColumn)
        return false;
    // Overlapping merged ranges make spreadsheet programs repair the workbook.
    for (const Range &m : std::as_const(merges)) {
        if (firstRow <= m.lastRow && m.firstRow <= lastRow && firstColumn <= m.lastColumn
            && m.firstColumn <= lastColumn)
            return false;
    }
    const int index = formatIndex(format);
    for (int row = firstRow; row <= lastRow; ++row) {
        for (int column = firstColumn; column <= lastColumn; ++column)
            cells[cellKey(row, column)].format = index;
    }
    if (firstRow != lastRow || firstColumn != lastColumn)
        merges.append({firstRow, firstColumn, lastRow, lastColumn, index});
    return true;
}

bool XlsxDocument::mergeCells(const QString &range, const XlsxFormat &format)
{
    int firstRow, firstColumn, lastRow, lastColumn;
    if (!parseRange(range, &firstRow, &firstColumn, &lastRow, &lastColumn))
        return false;
    return mergeCells(firstRow, firstColumn, lastRow, lastColumn, format);
}

bool XlsxDocument::parseRange(const QString &range, int *firstRow, int *firstColumn, int *lastRow,
                              int *lastColumn)
{
    static const QRegularExpression pattern(
        QStringLiteral("^([A-Za-z]{1,3})([0-9]{1,7})(?::([A-Za-z]{1,3})([0-9]{1,7}))?$"));
    const QRegularExpressionMatch match = pattern.match(range.trimmed());
    if (!match.hasMatch())
        return false;
    *firstColumn = column_number(match.captured(1));
    *firstRow = match.captured(2).toInt();
    if (match.captured(3).isEmpty()) {
        *lastColumn = *firstColumn;
        *lastRow = *firstRow;
    } else {
        *lastColumn = column_number(match.captured(3));
        *lastRow = match.captured(4).toInt();
    }
    return isValidCell(*firstRow, *firstColumn) && isValidCell(*lastRow, *lastColumn);
}

bool XlsxDocument::setColumnWidth(int firstColumn, int lastColumn, double width)
{
    if (firstColumn < 1 || lastColumn > maxColumn || lastColumn < firstColumn || !(width >= 0)
        || width > 255)
        return false;
    columnWidths.append({firstColumn, lastColumn, width});
    return true;
}

bool XlsxDocument::insertImage(int row, int column, const QImage &image)
{
    if (image.isNull() || row < 0 || row >= maxRow || column < 0 || column >= maxColumn)
        return false;
    // PNG keeps the resolution (pHYs), from which the picture is sized.
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    if (!image.save(&buffer, "PNG"))
        return false;
    pictures.append({row, column, png});
    return true;
}

bool XlsxDocument::writeWorkbook(const QString &path) const
{
    const QByteArray pathBytes = QFile::encodeName(path);
    const QByteArray tmpDir = QFile::encodeName(QFileInfo(path).absolutePath());
    lxw_workbook_options options = {};
    options.tmpdir = const_cast<char *>(tmpDir.constData());
    lxw_workbook *workbook = workbook_new_opt(pathBytes.constData(), &options);
    if (!workbook)
        return false;
    lxw_worksheet *sheet = workbook_add_worksheet(workbook, nullptr);
    bool ok = sheet != nullptr;

    QVector<lxw_format *> lxwFormats;
    lxwFormats.reserve(formats.size());
    for (const XlsxFormat &format : formats)
        lxwFormats.append(make_lxw_format(workbook, format));
    auto lxwFormat = [&](int index) { return index < 0 ? nullptr : lxwFormats.at(index); };

    if (ok) {
        for (const Columns &c : columnWidths)
            ok = ok && worksheet_set_column(sheet, c.first - 1, c.last - 1, c.width, nullptr) == LXW_NO_ERROR;

        // Merging writes blanks over the range; the cells below then fill it.
        for (const Range &m : merges)
            ok = ok
                 && worksheet_merge_range(sheet, m.firstRow - 1, m.firstColumn - 1, m.lastRow - 1,
                                          m.lastColumn - 1, "", lxwFormat(m.format))
                        == LXW_NO_ERROR;

        for (auto it = cells.constBegin(); ok && it != cells.constEnd(); ++it) {
            const auto row = lxw_row_t((it.key() >> 16) - 1);
            const auto column = lxw_col_t((it.key() & 0xFFFF) - 1);
            const Cell &cell = it.value();
            lxw_format *format = lxwFormat(cell.format);
            lxw_error error = LXW_NO_ERROR;
            switch (cell.kind) {
            case Kind::Number:
                error = worksheet_write_number(sheet, row, column, cell.number, format);
                break;
            case Kind::Text:
                error = worksheet_write_string(sheet, row, column, cell.text.toUtf8().constData(), format);
                break;
            case Kind::Blank:
                error = worksheet_write_blank(sheet, row, column, format);
                break;
            }
            ok = error == LXW_NO_ERROR;
        }

        for (const Picture &p : pictures) {
            lxw_image_options imageOptions = {};
            imageOptions.x_scale = 1.0;
            imageOptions.y_scale = 1.0;
            imageOptions.description = const_cast<char *>("");
            ok = ok
                 && worksheet_insert_image_buffer_opt(
                        sheet, lxw_row_t(p.row), lxw_col_t(p.column),
                        reinterpret_cast<const unsigned char *>(p.png.constData()), size_t(p.png.size()),
                        &imageOptions)
                        == LXW_NO_ERROR;
        }
    }
    // Closing frees the workbook whatever happened before.
    const bool closed = workbook_close(workbook) == LXW_NO_ERROR;
    return ok && closed;
}

bool XlsxDocument::saveAs(const QString &fileName) const
{
    if (fileName.isEmpty())
        return false;
    // The library writes to a path of its own choosing only, so the workbook is
    // built in a private folder and then put in place whole.
    QTemporaryDir dir;
    if (!dir.isValid())
        return false;
    const QString scratch = dir.filePath(QStringLiteral("report.xlsx"));
    if (!writeWorkbook(scratch))
        return false;

    QFile built(scratch);
    if (!built.open(QIODevice::ReadOnly))
        return false;
    const QByteArray bytes = built.readAll();
    built.close();
    return write_file_atomically(fileName, bytes);
}
