#include "compose/Watermark.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QFontMetricsF>
#include <cmath>

WatermarkSurface::WatermarkSurface(QImage& image, double dpi)
    : m_image(image), m_dpi(dpi > 0 ? dpi : 96) {}

void WatermarkSurface::setFont(const QString& family, double pointSize, bool bold, bool italic,
                               bool underline) {
    m_font = QFont(family);
    // Pixels from points at the screen's resolution, as a desktop draws text.
    m_font.setPixelSize(std::max(1, int(std::lround(pointSize * m_dpi / 72.0))));
    m_font.setBold(bold);
    m_font.setItalic(italic);
    m_font.setUnderline(underline);
}

double WatermarkSurface::textWidth(const QString& s) const {
    return QFontMetricsF(m_font).horizontalAdvance(s);
}

double WatermarkSurface::textHeight() const {
    return QFontMetricsF(m_font).height();
}

void WatermarkSurface::newLine() {
    m_pos = QPointF(0, m_pos.y() + textHeight());
}

void WatermarkSurface::drawChar(QChar c) {
    const QString s(c);
    const QFontMetricsF fm(m_font);
    {
        QPainter p(&m_image);
        p.setRenderHint(QPainter::TextAntialiasing);
        p.setFont(m_font);
        p.setPen(m_color);
        p.drawText(QPointF(m_pos.x(), m_pos.y() + fm.ascent()), s);
    }
    m_pos.rx() += fm.horizontalAdvance(s);
}

void WatermarkSurface::skipSpace() {
    m_pos.rx() += textWidth(QStringLiteral(" "));
}

namespace {

bool applyMark(QChar c, WatermarkSurface& s) {
    switch (c.unicode()) {
    case MarkBoldOn:
        s.setBold(true);
        return true;
    case MarkBoldOff:
        s.setBold(false);
        return true;
    case MarkUnderlineOn:
        s.setUnderline(true);
        return true;
    case MarkUnderlineOff:
        s.setUnderline(false);
        return true;
    case MarkItalicOn:
        s.setItalic(true);
        return true;
    case MarkItalicOff:
        s.setItalic(false);
        return true;
    default:
        return false;
    }
}

QString trimSpaces(const QString& s) {
    qsizetype b = 0, e = s.size();
    while (b < e && s.at(b) == QLatin1Char(' '))
        ++b;
    while (e > b && s.at(e - 1) == QLatin1Char(' '))
        --e;
    return s.mid(b, e - b);
}

// The locale's long time format (hours, minutes and seconds) without the
// time-zone name some locales add to it.
QString timeText(const QLocale& locale, const QTime& time) {
    const QString fmt = locale.timeFormat(QLocale::LongFormat);
    QString out;
    bool quoted = false;
    for (QChar c : fmt) {
        if (c == QLatin1Char('\'')) quoted = !quoted;
        if (!quoted && c == QLatin1Char('t')) continue;
        out += c;
    }
    return locale.toString(time, out.trimmed());
}

} // namespace

QString FileBaseName(const QString& path) {
    qsizetype sep = path.lastIndexOf(QLatin1Char('/'));
#ifdef Q_OS_WIN
    sep = std::max(sep, path.lastIndexOf(QLatin1Char('\\')));
#endif
    QString name = path.mid(sep + 1);
    const qsizetype dot = name.indexOf(QLatin1Char('.'));
    return dot < 0 ? name : name.left(dot);
}

WatermarkFields WatermarkFieldsForPicture(const QString& path, const QDateTime& now) {
    WatermarkFields f;
    f.now = now;
    if (path.isEmpty()) return f;
    const QFileInfo info(path);
    f.fullPath = path;
    f.fileName = info.exists() ? info.fileName() : QString();
    f.baseName = FileBaseName(path);
    return f;
}

WatermarkFields WatermarkFieldsForInternet(const QDateTime& now) {
    WatermarkFields f;
    f.now = now;
    f.fullPath = f.fileName = f.baseName =
        QCoreApplication::translate("Watermark", "Internet file");
    return f;
}

QString PrepareWatermarkText(const QString& tmpl, const WatermarkFields& fields) {
    QString t = tmpl;
    t.replace(QLatin1String("<b>"), QString(QChar(MarkBoldOn)), Qt::CaseSensitive);
    t.replace(QLatin1String("</b>"), QString(QChar(MarkBoldOff)), Qt::CaseSensitive);
    t.replace(QLatin1String("<u>"), QString(QChar(MarkUnderlineOn)), Qt::CaseSensitive);
    t.replace(QLatin1String("</u>"), QString(QChar(MarkUnderlineOff)), Qt::CaseSensitive);
    t.replace(QLatin1String("<i>"), QString(QChar(MarkItalicOn)), Qt::CaseSensitive);
    t.replace(QLatin1String("</i>"), QString(QChar(MarkItalicOff)), Qt::CaseSensitive);
    t.replace(QLatin1String("#t"), timeText(fields.locale, fields.now.time()), Qt::CaseSensitive);
    t.replace(QLatin1String("#d"), fields.locale.toString(fields.now.date(), QLocale::ShortFormat),
              Qt::CaseSensitive);
    t.replace(QLatin1String("#fp"), fields.fullPath, Qt::CaseSensitive);
    t.replace(QLatin1String("#fn"), fields.fileName, Qt::CaseSensitive);
    t.replace(QLatin1String("#fd"), fields.baseName, Qt::CaseSensitive);
    return t;
}

void PrintMarkupRun(const QString& run, WatermarkSurface& surface) {
    const bool bold = surface.bold(), underline = surface.underline(), italic = surface.italic();
    for (QChar c : run) {
        if (applyMark(c, surface)) continue;
        if (c == QLatin1Char(' '))
            surface.skipSpace();
        else
            surface.drawChar(c);
    }
    surface.setBold(bold);
    surface.setUnderline(underline);
    surface.setItalic(italic);
}

void DrawWatermark(const QString& tmpl, WatermarkSurface& surface, int spot, const QRect& workArea,
                   const WatermarkFields& fields) {
    if (trimSpaces(tmpl).isEmpty()) {
        surface.newLine();
        surface.setBold(false);
        surface.setItalic(false);
        surface.setUnderline(false);
        return;
    }
    const QString text = PrepareWatermarkText(tmpl, fields);

    // Edges as the desktop reports them: right and bottom are exclusive.
    const double L = workArea.x(), T = workArea.y();
    const double R = double(workArea.x()) + workArea.width(),
                 B = double(workArea.y()) + workArea.height();
    const double tw = surface.textWidth(text), th = surface.textHeight();
    switch (spot) {
    case 1:
        surface.setPos(QPointF(L + 2, T + 2));
        break;
    case 2:
        surface.setPos(QPointF(R - tw - 2, T + 2));
        break;
    case 3:
        surface.setPos(QPointF((R - tw) / 2, (B - th) / 2));
        break;
    case 4:
        surface.setPos(QPointF(L + 2, B - th - 2));
        break;
    case 5:
        surface.setPos(QPointF(R - tw - 2, B - th - 2));
        break;
    default:
        break;
    }

    // The word-wrap scan, with one-based positions into the text. Position
    // n + 1 stands for the end of the text, which closes the last word.
    const qsizetype n = text.size();
    const double inner = surface.innerWidth();
    qsizetype start = 1, lastEnd = 0;
    double lineW = 0, wordW = 0, spaceW = 0;
    auto stretch = [&](qsizetype from, qsizetype to) {
        return text.mid(from - 1, std::max<qsizetype>(0, to - from + 1));
    };
    for (qsizetype i = 1; i <= n + 1 && start <= n; ++i) {
        const bool end = i > n;
        const QChar c = end ? QChar() : text.at(i - 1);
        if (!end && applyMark(c, surface)) continue;
        if (!end && c != QLatin1Char(' ')) {
            wordW += surface.textWidth(QString(c));
            continue;
        }
        spaceW += surface.textWidth(QStringLiteral(" "));
        if (lastEnd >= start && lineW + wordW + spaceW > inner) {
            PrintMarkupRun(stretch(start, lastEnd), surface);
            surface.newLine();
            start = lastEnd + 2;
            lineW = 0;
            spaceW = 0;
        }
        lastEnd = i - 1;
        lineW += wordW;
        wordW = 0;
    }
    if (start <= n) PrintMarkupRun(stretch(start, n), surface);

    surface.setBold(false);
    surface.setItalic(false);
    surface.setUnderline(false);
}
