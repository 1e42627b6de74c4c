#include "feeds/FeedReader.h"

#include <QCoreApplication>
#include <QRegularExpression>
#include <QXmlStreamReader>
#include <optional>

namespace {

const QString kRss090 = QStringLiteral("http://my.netscape.com/rdf/simple/0.9/");
const QString kRss1 = QStringLiteral("http://purl.org/rss/1.0/");
const QString kAtom = QStringLiteral("http://www.w3.org/2005/Atom");

enum class Kind { Rss, Rdf, Atom };

// The text of an Atom "html" construct: tags removed, the usual character
// references decoded.
QString PlainTextOfHtml(const QString& html) {
    QString text;
    text.reserve(html.size());
    bool inTag = false;
    for (const QChar c : html) {
        if (c == QLatin1Char('<'))
            inTag = true;
        else if (c == QLatin1Char('>') && inTag)
            inTag = false, text += QLatin1Char(' ');
        else if (!inTag)
            text += c;
    }
    static const QRegularExpression reference(
        QStringLiteral("&(#[0-9]{1,7}|#[xX][0-9a-fA-F]{1,6}|amp|lt|gt|quot|apos|nbsp);"));
    QString out;
    qsizetype from = 0;
    for (auto it = reference.globalMatch(text); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        out += QStringView(text).mid(from, m.capturedStart() - from);
        from = m.capturedEnd();
        const QString name = m.captured(1);
        char32_t code = 0;
        if (name.startsWith(QLatin1String("#x")) || name.startsWith(QLatin1String("#X")))
            code = name.mid(2).toUInt(nullptr, 16);
        else if (name.startsWith(QLatin1Char('#')))
            code = name.mid(1).toUInt();
        else if (name == QLatin1String("amp"))
            code = '&';
        else if (name == QLatin1String("lt"))
            code = '<';
        else if (name == QLatin1String("gt"))
            code = '>';
        else if (name == QLatin1String("quot"))
            code = '"';
        else if (name == QLatin1String("apos"))
            code = '\'';
        else
            code = 0xA0;
        if (code == 0 || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) code = 0xFFFD;
        out += QString::fromUcs4(&code, 1);
    }
    out += QStringView(text).mid(from);
    return out;
}

// The text of one element being collected.
struct Capture {
    enum Target { None, FeedTitle, FeedLink, ItemTitle, ItemLink, ItemGuid };
    Target target = None;
    qsizetype depth = 0; // of the element whose text this is
    QString text;
    bool html = false;
    bool tooLong = false;
};

} // namespace

FeedDocument ReadFeed(const QByteArray& bytes) {
    FeedDocument doc;
    const auto refuse = [&doc](const QString& why) {
        doc = FeedDocument{};
        doc.error = why;
        return doc;
    };
    if (bytes.size() > kMaxFeedBytes)
        return refuse(
            QCoreApplication::translate("FeedReader", "The document is larger than %1 MB.")
                .arg(kMaxFeedBytes / (1024 * 1024)));

    QXmlStreamReader xml(bytes);
    // The local names of the open elements; elements of foreign name spaces
    // (such as "media:title") count as nameless, so they never match.
    QStringList path;
    Kind kind = Kind::Rss;
    Capture capture;
    std::optional<Headline> item;
    qsizetype itemDepth = 0;
    QString guid;

    while (!xml.atEnd()) {
        switch (xml.readNext()) {
        case QXmlStreamReader::DTD:
            // A feed needs no entities of its own; declared ones could
            // expand without end ("billion laughs") or reach out for files.
            if (!xml.entityDeclarations().isEmpty())
                return refuse(QCoreApplication::translate(
                    "FeedReader", "The document declares entities, which a feed does "
                                  "not need; it was not read."));
            break;
        case QXmlStreamReader::StartElement: {
            if (path.size() >= kMaxFeedDepth)
                return refuse(QCoreApplication::translate(
                                  "FeedReader", "The document's elements are nested more than %1 "
                                                "deep.")
                                  .arg(kMaxFeedDepth));
            const QStringView ns = xml.namespaceUri();
            if (path.isEmpty()) {
                const QStringView root = xml.name();
                if (root == QLatin1String("rss") && ns.isEmpty())
                    kind = Kind::Rss;
                else if (root == QLatin1String("RDF"))
                    kind = Kind::Rdf;
                else if (root == QLatin1String("feed") && ns == kAtom)
                    kind = Kind::Atom;
                else
                    return refuse(QCoreApplication::translate(
                        "FeedReader", "The document is not an RSS or Atom feed."));
            }
            const bool own =
                path.isEmpty() || ns.isEmpty() || ns == kRss1 || ns == kRss090 || ns == kAtom;
            path << (own ? xml.name().toString() : QString());
            // Inside a collected element (Atom's xhtml texts) only the text counts.
            if (capture.target != Capture::None) break;
            const qsizetype d = path.size();
            const QString& name = path.back();
            // Whether the open elements are exactly `names` (the root's name
            // is the kind's, checked above).
            const auto at = [&](std::initializer_list<const char*> names) {
                if (qsizetype(names.size()) != d) return false;
                qsizetype i = 0;
                for (const char* n : names) {
                    if (i > 0 && path[i] != QLatin1String(n)) return false;
                    ++i;
                }
                return true;
            };
            const auto collect = [&](Capture::Target target) {
                capture = Capture{};
                capture.target = target;
                capture.depth = d;
                capture.html =
                    kind == Kind::Atom &&
                    xml.attributes().value(QLatin1String("type")) == QLatin1String("html");
            };
            const auto atomLink = [&]() -> QString {
                const QStringView rel = xml.attributes().value(QLatin1String("rel"));
                if (!rel.isEmpty() && rel != QLatin1String("alternate")) return {};
                const QString href = xml.attributes().value(QLatin1String("href")).toString();
                return href.size() <= kMaxFeedText ? href.trimmed() : QString();
            };
            const bool entersItem = (kind == Kind::Rss && at({"rss", "channel", "item"})) ||
                                    (kind == Kind::Rdf && at({"RDF", "item"})) ||
                                    (kind == Kind::Atom && at({"feed", "entry"}));
            if (entersItem) {
                item = Headline{};
                itemDepth = d;
                guid.clear();
            } else if (item && d == itemDepth + 1) {
                if (name == QLatin1String("title"))
                    collect(Capture::ItemTitle);
                else if (name == QLatin1String("link") && kind != Kind::Atom)
                    collect(Capture::ItemLink);
                else if (name == QLatin1String("link") && item->link.isEmpty())
                    item->link = atomLink();
                else if (name == QLatin1String("guid") && kind == Kind::Rss &&
                         xml.attributes().value(QLatin1String("isPermaLink")) !=
                             QLatin1String("false"))
                    collect(Capture::ItemGuid);
            } else if (!item &&
                       ((kind == Kind::Atom && d == 2) ||
                        (kind != Kind::Atom && d == 3 && path[1] == QLatin1String("channel")))) {
                if (name == QLatin1String("title") && doc.title.isEmpty())
                    collect(Capture::FeedTitle);
                else if (name == QLatin1String("link") && kind != Kind::Atom && doc.link.isEmpty())
                    collect(Capture::FeedLink);
                else if (name == QLatin1String("link") && doc.link.isEmpty())
                    doc.link = atomLink();
            }
            break;
        }
        case QXmlStreamReader::Characters:
            if (capture.target != Capture::None && !capture.tooLong) {
                const QStringView text = xml.text();
                // Room for blanks that go when the text is made one line.
                const qsizetype room = 4 * kMaxFeedText - capture.text.size();
                if (text.size() > room) capture.tooLong = true;
                capture.text += text.left(room);
            }
            break;
        case QXmlStreamReader::EndElement:
            if (capture.target != Capture::None && path.size() == capture.depth) {
                QString text = capture.html ? PlainTextOfHtml(capture.text) : capture.text;
                text = text.simplified();
                const bool tooLong = capture.tooLong || text.size() > kMaxFeedText;
                switch (capture.target) {
                case Capture::FeedTitle:
                    if (tooLong)
                        return refuse(QCoreApplication::translate(
                                          "FeedReader", "The feed's title is longer than %1 "
                                                        "characters; it was not read.")
                                          .arg(kMaxFeedText));
                    doc.title = text;
                    break;
                case Capture::FeedLink:
                    if (!tooLong) doc.link = text;
                    break;
                case Capture::ItemTitle:
                    item->title = tooLong ? text.left(kMaxFeedText - 1) + QChar(0x2026) : text;
                    break;
                case Capture::ItemLink:
                    if (!tooLong) item->link = text;
                    break;
                case Capture::ItemGuid:
                    if (!tooLong) guid = text;
                    break;
                case Capture::None:
                    break;
                }
                capture = Capture{};
            }
            if (item && path.size() == itemDepth) {
                if (item->link.isEmpty() && (guid.startsWith(QLatin1String("http://")) ||
                                             guid.startsWith(QLatin1String("https://"))))
                    item->link = guid;
                if (!item->title.isEmpty() && doc.headlines.size() < kMaxHeadlines)
                    doc.headlines << *item;
                item.reset();
            }
            path.removeLast();
            break;
        default:
            break;
        }
    }
    if (xml.hasError())
        return refuse(QCoreApplication::translate(
                          "FeedReader", "The document is not well-formed XML: %1 (line %2).")
                          .arg(xml.errorString())
                          .arg(xml.lineNumber()));
    if (doc.title.isEmpty())
        return refuse(QCoreApplication::translate("FeedReader", "The feed has no title."));
    return doc;
}
