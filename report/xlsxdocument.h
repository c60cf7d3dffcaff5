#ifndef XLSXDOCUMENT_H
#define XLSXDOCUMENT_H

#include <QByteArray>
#include <QColor>
#include <QHash>
#include <QString>
#include <QVariant>
#include <QVector>

#include <map>

class QImage;

// Looks of a cell. A default-constructed format is "empty": writing with it
// keeps whatever format the cell already has.
struct XlsxFormat
{
    enum class HAlign { Default, Left, Center, Right, Justify };
    enum class VAlign { Default, Top, Center, Bottom };
    enum class Border { None, Thin, Thick };

    bool bold = false;
    QString fontName;     // empty: the workbook's default font
    double fontSize = 0;  // 0: the workbook's default size
    HAlign horizontal = HAlign::Default;
    VAlign vertical = VAlign::Default;
    Border left = Border::None;
    Border right = Border::None;
    Border top = Border::None;
    Border bottom = Border::None;
    bool textWrap = false;
    // How a number cell shows its number, in the spreadsheet's own notation ("0.00", "0");
    // empty: General, as many decimals as the number has.
    QString numberFormat;
    QRgb fontColor = 0; // 0: the default, black

    void setBorder(Border style) { left = right = top = bottom = style; }
    bool isEmpty() const;

    bool operator==(const XlsxFormat &other) const;
    bool operator<(const XlsxFormat &other) const;
};

// A one-sheet workbook built in memory and written in one go by saveAs().
// Rows and columns of cells are 1-based (column 1 is A); picture anchors are
// 0-based, as a drawing anchor counts them.
class XlsxDocument
{
public:
    // Integers and floating-point values become number cells, anything else
    // a text cell; a null variant leaves a blank cell. A number that is not
    // finite is written as its text ("nan", "inf", "-inf"): spreadsheet
    // programs refuse such a number cell.
    bool writeCell(int row, int column, const QVariant &value, const XlsxFormat &format = XlsxFormat());

    // Gives every cell of the range the format; values already written stay.
    bool mergeCells(int firstRow, int firstColumn, int lastRow, int lastColumn, const XlsxFormat &format);
    // The same for an A1-style range such as "A3:F3".
    bool mergeCells(const QString &range, const XlsxFormat &format);

    bool setColumnWidth(int firstColumn, int lastColumn, double width);

    // The picture's top-left corner goes to the top-left corner of the cell
    // (row + 1, column + 1). Its size follows from its pixel size and its
    // resolution: pixels × 36,000,000 / dots per metre, in EMU.
    bool insertImage(int row, int column, const QImage &image);

    // Writes the workbook. The target is replaced only by a complete file.
    bool saveAs(const QString &fileName) const;

    static bool parseRange(const QString &range, int *firstRow, int *firstColumn, int *lastRow,
                           int *lastColumn);

    static constexpr int maxRow = 1048576;
    static constexpr int maxColumn = 16384;

private:
    enum class Kind { Blank, Number, Text };
    struct Cell
    {
        Kind kind = Kind::Blank;
        double number = 0;
        QString text;
        int format = -1; // index into formats, -1: none
    };
    struct Range
    {
        int firstRow, firstColumn, lastRow, lastColumn;
        int format;
    };
    struct Columns
    {
        int first, last;
        double width;
    };
    struct Picture
    {
        int row, column;
        QByteArray png;
    };

    static quint64 cellKey(int row, int column) { return (quint64(row) << 16) | quint64(column); }
    static bool isValidCell(int row, int column);
    int formatIndex(const XlsxFormat &format);
    bool writeWorkbook(const QString &path) const;

    QHash<quint64, Cell> cells;
    QVector<Range> merges;
    QVector<Columns> columnWidths;
    QVector<Picture> pictures;
    QVector<XlsxFormat> formats;
    std::map<XlsxFormat, int> formatIndexes;
};

#endif // XLSXDOCUMENT_H
