#include "feeds/FeedList.h"

#include "platform/AtomicFile.h"
#include "settings/FileNames.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QUrl>

namespace {

constexpr qsizetype kMaxNameBytes = 200;

} // namespace

bool SaveFeeds(const QString& path, const QList<FeedEntry>& feeds, QString* error) {
    // A line break inside a value would end it early and start a line of its own.
    const auto value = [](QString v) {
        v.replace(QLatin1Char('\r'), QLatin1Char(' ')).replace(QLatin1Char('\n'), QLatin1Char(' '));
        return v.toUtf8();
    };
    QByteArray text;
    for (qsizetype i = 0; i < feeds.size(); ++i) {
        text += "[F" + QByteArray::number(i) + "]\r\n";
        text += "ID=" + value(feeds[i].title) + "\r\n";
        text += "URL=" + value(feeds[i].url) + "\r\n";
    }
    return WriteFileAtomically(path, text, error);
}

void LoadFeeds(const QString& path, QList<FeedEntry>& feeds) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) return;
    const ProfileText list = ProfileText::parse(f.readAll());
    for (int i = 0;; ++i) {
        const QString section = QStringLiteral("F%1").arg(i);
        const std::optional<QString> id = list.value(section, QStringLiteral("ID"));
        if (!id) break;
        feeds.append({*id, list.value(section, QStringLiteral("URL")).value_or(QString())});
    }
}

QString SafeFeedName(const QString& title) {
    // No name of more than 200 bytes has more than 200 characters (plus
    // room for the blanks that go). A lone surrogate becomes the replacement
    // character, as it would in the list file and in the file's name.
    QString name = QString::fromUtf8(title.left(4 * kMaxNameBytes).toUtf8());
    MakeSafeFileName(name);
    for (QChar& c : name)
        if (c.unicode() < 0x20 || c.unicode() == 0x7F) c = QLatin1Char(' ');
    name = name.simplified();
    const auto trimmable = [](QChar c) { return c == QLatin1Char('.') || c == QLatin1Char(' '); };
    while (!name.isEmpty() && trimmable(name.front()))
        name.remove(0, 1);
    // The feed list keeps this name as the feed's title and reads back 127
    // characters of it: the file is named from what comes back.
    if (name.size() > ProfileText::kMaxValue) name.truncate(ProfileText::kMaxValue);
    while (!name.isEmpty() && trimmable(name.back()))
        name.chop(1);
    while (name.toUtf8().size() > kMaxNameBytes ||
           (!name.isEmpty() && name.back().isHighSurrogate())) {
        // Whole characters only: a surrogate pair goes together.
        name.chop(name.size() >= 2 && name.back().isLowSurrogate() ? 2 : 1);
        while (!name.isEmpty() && trimmable(name.back()))
            name.chop(1);
    }
    if (name.isEmpty()) return QStringLiteral("feed");
    return name;
}

QString FeedFilePath(const QString& folder, const QString& title) {
    return AddBackslash(folder) + SafeFeedName(title) + QStringLiteral(".xml");
}

bool AdoptLongerFeedFile(const QString& folder, const QString& title) {
    const QString path = FeedFilePath(folder, title);
    if (QFileInfo::exists(path)) return true;
    const QString name = SafeFeedName(title);
    // Names of at most 127 characters were read back whole: only a longer
    // one can have been cut, and it is this feed's when it cuts to its name.
    for (const QString& file : QDir(folder).entryList({QStringLiteral("*.xml")}, QDir::Files)) {
        const QString old = file.chopped(4);
        if (old.size() > ProfileText::kMaxValue && old.startsWith(name) &&
            SafeFeedName(old) == name)
            return QFile::rename(AddBackslash(folder) + file, path);
    }
    return false;
}

QString FeedLinkAddress(const QString& link, const QString& feedUrl) {
    const QString text = link.trimmed();
    if (text.isEmpty()) return {};
    const QUrl url = QUrl(feedUrl).resolved(QUrl(text));
    const QString scheme = url.scheme().toLower();
    if (!url.isValid() || url.host().isEmpty() ||
        (scheme != QLatin1String("http") && scheme != QLatin1String("https")))
        return {};
    return url.toString();
}
