#pragma once

#include <QColor>
#include <QDateTime>
#include <QFont>
#include <QImage>
#include <QLocale>
#include <QPainter>
#include <QPointF>
#include <QRect>
#include <QString>

// The internal style marks the template's "<b>", "</b>", "<u>", "</u>",
// "<i>", "</i>" become.
enum WatermarkMark : ushort {
    MarkBoldOn = 1,
    MarkBoldOff = 2,
    MarkUnderlineOn = 3,
    MarkUnderlineOff = 4,
    MarkItalicOn = 5,
    MarkItalicOff = 6,
};

// A drawing surface for the watermark: an image with a current drawing
// position (the top-left corner of the next text cell), a font whose bold,
// italic and underline can be switched, and a text colour.
class WatermarkSurface {
public:
    // `dpi` turns the font's point size into pixels.
    WatermarkSurface(QImage& image, double dpi = 96);

    void setFont(const QString& family, double pointSize, bool bold, bool italic, bool underline);
    void setColor(const QColor& c) { m_color = c; }
    void setBold(bool on) { m_font.setBold(on); }
    void setItalic(bool on) { m_font.setItalic(on); }
    void setUnderline(bool on) { m_font.setUnderline(on); }
    bool bold() const { return m_font.bold(); }
    bool italic() const { return m_font.italic(); }
    bool underline() const { return m_font.underline(); }
    const QFont& font() const { return m_font; }

    double textWidth(const QString& s) const;
    double textHeight() const;
    int innerWidth() const { return m_image.width(); }

    QPointF pos() const { return m_pos; }
    void setPos(QPointF p) { m_pos = p; }
    // Moves to the start of the next line: x = 0, one line height lower.
    void newLine();
    // Draws one character at the current position and moves right by its width.
    void drawChar(QChar c);
    // Moves right by the width of a space without drawing.
    void skipSpace();

private:
    QImage& m_image;
    QFont m_font;
    QColor m_color = Qt::black;
    QPointF m_pos;
    double m_dpi;
};

// The values of the template's fields at one moment.
struct WatermarkFields {
    QString fullPath; // "#fp"
    QString fileName; // "#fn": empty when the file no longer exists
    QString baseName; // "#fd"
    QDateTime now;
    QLocale locale; // the interface language's when translated, else the system's
};

// The fields for a picture file at the moment `now`; all empty for an empty
// path (no current picture), and "#fn" empty when the file no longer exists.
WatermarkFields WatermarkFieldsForPicture(const QString& path,
                                          const QDateTime& now = QDateTime::currentDateTime());
// The fields of an internet picture: "Internet file" for each name.
WatermarkFields WatermarkFieldsForInternet(const QDateTime& now = QDateTime::currentDateTime());

// The template with the eleven replacements made, in order, case-sensitive.
QString PrepareWatermarkText(const QString& tmpl, const WatermarkFields& fields);

// Draws the template on the surface at spot 1 … 5 of `workArea` (any other
// spot leaves the position where it is), word-wrapped at the surface width.
// The surface's font, size, colour and initial styles are set by the caller;
// its bold, italic and underline end switched off.
void DrawWatermark(const QString& tmpl, WatermarkSurface& surface, int spot, const QRect& workArea,
                   const WatermarkFields& fields);

// Draws a stretch of prepared text at the current position: marks switch the
// style, spaces move without drawing (so underlining has gaps), and the
// styles in force before the stretch are restored afterwards.
void PrintMarkupRun(const QString& run, WatermarkSurface& surface);

// The file name of `path` cut before its first "." (my.holiday.jpg gives my).
QString FileBaseName(const QString& path);
