#include "feeds/FeedReader.h"

#include <QCoreApplication>
#include <QRegularExpression>
#include <QUrl>
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

// The reasons a document is refused, shared by both readers.
QString TooLargeText() {
    return QCoreApplication::translate("FeedReader", "The document is larger than %1 MB.")
        .arg(kMaxFeedBytes / (1024 * 1024));
}
QString EntitiesText() {
    return QCoreApplication::translate("FeedReader",
                                       "The document declares entities, which a feed does "
                                       "not need; it was not read.");
}
QString TooDeepText() {
    return QCoreApplication::translate("FeedReader",
                                       "The document's elements are nested more than %1 "
                                       "deep.")
        .arg(kMaxFeedDepth);
}
QString NotAFeedText() {
    return QCoreApplication::translate("FeedReader", "The document is not an RSS or Atom feed.");
}
QString NotWellFormedText(const QXmlStreamReader& xml) {
    return QCoreApplication::translate("FeedReader",
                                       "The document is not well-formed XML: %1 (line %2).")
        .arg(xml.errorString())
        .arg(xml.lineNumber());
}
QString NoTitleText() {
    return QCoreApplication::translate("FeedReader", "The feed has no title.");
}

// The kind of feed whose root element this is, or none.
std::optional<Kind> KindOfRoot(const QXmlStreamReader& xml) {
    const QStringView root = xml.name();
    const QStringView ns = xml.namespaceUri();
    if (root == QLatin1String("rss") && ns.isEmpty()) return Kind::Rss;
    if (root == QLatin1String("RDF")) return Kind::Rdf;
    if (root == QLatin1String("feed") && ns == kAtom) return Kind::Atom;
    return std::nullopt;
}

} // namespace

FeedDocument ReadFeed(const QByteArray& bytes) {
    FeedDocument doc;
    const auto refuse = [&doc](const QString& why) {
        doc = FeedDocument{};
        doc.error = why;
        return doc;
    };
    if (bytes.size() > kMaxFeedBytes) return refuse(TooLargeText());

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
            if (!xml.entityDeclarations().isEmpty()) return refuse(EntitiesText());
            break;
        case QXmlStreamReader::StartElement: {
            if (path.size() >= kMaxFeedDepth) return refuse(TooDeepText());
            const QStringView ns = xml.namespaceUri();
            if (path.isEmpty()) {
                const std::optional<Kind> root = KindOfRoot(xml);
                if (!root) return refuse(NotAFeedText());
                kind = *root;
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
    if (xml.hasError()) return refuse(NotWellFormedText(xml));
    if (doc.title.isEmpty()) return refuse(NoTitleText());
    return doc;
}

namespace {

const QString kMediaRss = QStringLiteral("http://search.yahoo.com/mrss/");

// A picture an item offers.
struct Offer {
    QString url;
    bool isDefault = false;
    qint64 width = 0;
};

// Whether an offer with this medium, type and address is a picture.
bool IsPictureOffer(QStringView medium, QStringView type, const QString& url) {
    if (!medium.isEmpty()) return medium == QLatin1String("image");
    if (!type.isEmpty())
        return type.trimmed().startsWith(QLatin1String("image/"), Qt::CaseInsensitive);
    static const QRegularExpression extension(QStringLiteral("\\.(jpe?g|png|gif|webp|bmp|tiff?)$"),
                                              QRegularExpression::CaseInsensitiveOption);
    return extension.match(QUrl(url).path()).hasMatch();
}

} // namespace

PhotoFeedDocument ReadPhotoFeed(const QByteArray& bytes, const QString& feedUrl) {
    PhotoFeedDocument doc;
    const auto refuse = [&doc](const QString& why) {
        doc = PhotoFeedDocument{};
        doc.error = why;
        return doc;
    };
    if (bytes.size() > kMaxFeedBytes) return refuse(TooLargeText());

    QXmlStreamReader xml(bytes);
    const QUrl base(feedUrl);
    // The local names of the open elements, as in ReadFeed: foreign ones are
    // nameless (Media RSS's are recognised by their name space).
    QStringList path;
    Kind kind = Kind::Rss;
    Capture capture;
    bool inItem = false;
    qsizetype itemDepth = 0;
    QList<Offer> mediaOffers; // Media RSS, also inside "media:group"
    QList<Offer> enclosures;  // RSS enclosures and Atom enclosure links

    const auto take = [&](const QString& link) {
        if (link.size() > kMaxFeedText || doc.pictures.size() >= kMaxFeedPictures) return;
        const QUrl url = base.resolved(QUrl(link.trimmed()));
        const QString scheme = url.scheme().toLower();
        if (!url.isValid() || url.host().isEmpty() ||
            (scheme != QLatin1String("http") && scheme != QLatin1String("https")))
            return;
        const QString address = url.toString(QUrl::FullyEncoded);
        if (!doc.pictures.contains(address)) doc.pictures << address;
    };

    while (!xml.atEnd()) {
        switch (xml.readNext()) {
        case QXmlStreamReader::DTD:
            if (!xml.entityDeclarations().isEmpty()) return refuse(EntitiesText());
            break;
        case QXmlStreamReader::StartElement: {
            if (path.size() >= kMaxFeedDepth) return refuse(TooDeepText());
            const QStringView ns = xml.namespaceUri();
            if (path.isEmpty()) {
                const std::optional<Kind> root = KindOfRoot(xml);
                if (!root) return refuse(NotAFeedText());
                kind = *root;
            }
            const bool own =
                path.isEmpty() || ns.isEmpty() || ns == kRss1 || ns == kRss090 || ns == kAtom;
            path << (own ? xml.name().toString() : QString());
            if (capture.target != Capture::None) break;
            const qsizetype d = path.size();
            const QString& name = path.back();
            const QXmlStreamAttributes attributes = xml.attributes();
            const auto attribute = [&](const char* n) {
                return attributes.value(QLatin1String(n));
            };
            const bool entersItem =
                (kind == Kind::Rss && d == 3 && path[1] == QLatin1String("channel") &&
                 name == QLatin1String("item")) ||
                (kind == Kind::Rdf && d == 2 && name == QLatin1String("item")) ||
                (kind == Kind::Atom && d == 2 && name == QLatin1String("entry"));
            if (entersItem) {
                inItem = true;
                itemDepth = d;
                mediaOffers.clear();
                enclosures.clear();
            } else if (inItem) {
                if (ns == kMediaRss && xml.name() == QLatin1String("content")) {
                    const QString url = attribute("url").toString();
                    if (IsPictureOffer(attribute("medium"), attribute("type"), url))
                        mediaOffers.append({url, attribute("isDefault") == QLatin1String("true"),
                                            attribute("width").toLongLong()});
                } else if (d == itemDepth + 1 && kind == Kind::Rss &&
                           name == QLatin1String("enclosure")) {
                    const QString url = attribute("url").toString();
                    if (IsPictureOffer({}, attribute("type"), url)) enclosures.append({url});
                } else if (d == itemDepth + 1 && kind == Kind::Atom &&
                           name == QLatin1String("link") &&
                           attribute("rel") == QLatin1String("enclosure")) {
                    const QString url = attribute("href").toString();
                    if (IsPictureOffer({}, attribute("type"), url)) enclosures.append({url});
                }
            } else if (((kind == Kind::Atom && d == 2) ||
                        (kind != Kind::Atom && d == 3 && path[1] == QLatin1String("channel"))) &&
                       name == QLatin1String("title") && doc.title.isEmpty()) {
                capture = Capture{};
                capture.target = Capture::FeedTitle;
                capture.depth = d;
                capture.html = kind == Kind::Atom && attribute("type") == QLatin1String("html");
            }
            break;
        }
        case QXmlStreamReader::Characters:
            if (capture.target != Capture::None && !capture.tooLong) {
                const QStringView text = xml.text();
                const qsizetype room = 4 * kMaxFeedText - capture.text.size();
                if (text.size() > room) capture.tooLong = true;
                capture.text += text.left(room);
            }
            break;
        case QXmlStreamReader::EndElement:
            if (capture.target != Capture::None && path.size() == capture.depth) {
                QString text = capture.html ? PlainTextOfHtml(capture.text) : capture.text;
                text = text.simplified();
                if (capture.tooLong || text.size() > kMaxFeedText)
                    return refuse(QCoreApplication::translate("FeedReader",
                                                              "The feed's title is longer than %1 "
                                                              "characters; it was not read.")
                                      .arg(kMaxFeedText));
                doc.title = text;
                capture = Capture{};
            }
            if (inItem && path.size() == itemDepth) {
                // One picture per item: the sizes of a group are one picture.
                if (!mediaOffers.isEmpty()) {
                    const Offer* best = &mediaOffers.front();
                    for (const Offer& o : mediaOffers) {
                        if (o.isDefault) {
                            best = &o;
                            break;
                        }
                        if (o.width > best->width) best = &o;
                    }
                    take(best->url);
                } else if (!enclosures.isEmpty()) {
                    take(enclosures.front().url);
                }
                inItem = false;
            }
            path.removeLast();
            break;
        default:
            break;
        }
    }
    if (xml.hasError()) return refuse(NotWellFormedText(xml));
    if (doc.title.isEmpty()) return refuse(NoTitleText());
    return doc;
}
