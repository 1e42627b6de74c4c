#include "internet/Categories.h"

#include "collection/Selection.h"
#include "context/AppContext.h"
#include "context/Jobs.h"
#include "internet/DownloadCache.h"
#include "internet/DownloadClient.h"
#include "internet/PhotoFeeds.h"
#include "platform/AtomicFile.h"
#include "settings/ByteInversion.h"
#include "settings/ProfileText.h"
#include "settings/StoredText.h"

#include <QCoreApplication>
#include <QFile>
#include <QSet>
#include <memory>

namespace {

QByteArray readDecoded(const QString& path) {
    QFile f(path);
    QByteArray bytes = f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    InvertBytes(bytes); // in memory: the file on disk stays as it is
    return bytes;
}

bool writeEncoded(const QString& path, QByteArray bytes, QString* error = nullptr) {
    InvertBytes(bytes);
    return WriteFileAtomically(path, bytes, error);
}

QString internetSection() {
    return QStringLiteral("Internet");
}

// The page addresses of category n, in order, up to the first gap.
QStringList pagesOf(const ProfileText& catalogue, int n) {
    QStringList pages;
    const QString section = QStringLiteral("cat%1").arg(n);
    for (int m = 1;; ++m) {
        const std::optional<QString> url = catalogue.value(section, QStringLiteral("url%1").arg(m));
        if (!url) break;
        pages << *url;
    }
    return pages;
}

} // namespace

QString CatalogueAddress(const InternetSettings& s) {
    const QString code = s.IntCatCode.trimmed();
    for (const char* scheme : {"http://", "https://", "file://"})
        if (code.startsWith(QLatin1String(scheme), Qt::CaseInsensitive)) return code;
    QString server = s.IntServer.trimmed();
    while (server.endsWith(QLatin1Char('/')))
        server.chop(1);
    if (!server.contains(QLatin1String("://"))) server.prepend(QStringLiteral("http://"));
    return server + QStringLiteral("/tessaly/wpfiles/") +
           (code.isEmpty() ? QStringLiteral("wpdlurls") : code) + QStringLiteral(".tar");
}

CategoryList LoadIntCatz(AppContext& app) {
    CategoryList list;
    list.techniqueAtRebuild = app.settings.TechniqueTimer;
    const ProfileText catalogue = ProfileText::parse(readDecoded(app.paths.CataloguePath));
    for (int n = 1;; ++n) {
        const std::optional<QString> name =
            catalogue.value(QStringLiteral("cat%1").arg(n), QStringLiteral("name"));
        if (!name) break;
        const bool checked =
            app.platform.store->value(internetSection(), QString::number(n)) == QStringLiteral("1");
        list.categories.append({n, *name, checked, checked});
    }
    const std::optional<QString> time =
        catalogue.value(QStringLiteral("info"), QStringLiteral("time"));
    app.settings.IntCoolDown = time ? StoredText::toDouble(*time).value_or(0) : 0;
    if (app.settings.IntCoolDown < 0) app.settings.IntCoolDown = 0;
    return list;
}

void UpdateIntCatz(AppContext& app, DownloadClient& client,
                   std::function<void(CategoryList list, DownloadStatus status)> done) {
    const QString address = CatalogueAddress(app.settings.internet());
    // The new catalogue replaces the local copy only once it arrived whole:
    // meanwhile the settings window still lists the old categories, and a
    // download that fails or is abandoned keeps them.
    const auto loaded = [&app, done](DownloadResult result, QString error) {
        QString written;
        if (result.answered() && !writeEncoded(app.paths.CataloguePath, result.body, &written)) {
            result.status = DownloadStatus::Failed;
            error =
                QCoreApplication::translate("Categories", "the catalogue could not be written: %1")
                    .arg(written);
        }
        CategoryList list = LoadIntCatz(app);
        list.refreshed = result.answered();
        if (!result.answered())
            list.refreshError =
                error.isEmpty() ? QCoreApplication::translate("Categories", "the download failed")
                                : error;
        done(std::move(list), result.status);
    };
    if (address.startsWith(QLatin1String("file://"), Qt::CaseInsensitive)) {
        QFile f(QUrl(address).toLocalFile());
        DownloadResult result;
        if (f.open(QIODevice::ReadOnly)) {
            result.body = f.readAll();
            if (f.error() == QFileDevice::NoError) result.status = DownloadStatus::Answered;
        }
        return loaded(std::move(result), f.errorString());
    }
    // The client's error text is read while its answer is being handed over,
    // before the next request can replace it.
    client.Fetch(address, [&client, loaded](DownloadResult result) {
        loaded(std::move(result), client.lastError());
    });
}

void RebuildIntFiles(AppContext& app, CategoryList list, DownloadClient& client,
                     DownloadCache& cache,
                     std::function<void(RebuildOutcome outcome, CategoryList list)> done) {
    bool changed = list.refreshed || list.techniqueAtRebuild != app.settings.TechniqueTimer;
    for (const Category& c : list.categories)
        changed = changed || c.checked != c.checkedAtRebuild;
    if (!changed) return done(RebuildOutcome::Unchanged, std::move(list));

    const ProfileText catalogue = ProfileText::parse(readDecoded(app.paths.CataloguePath));
    QStringList pages;
    for (const Category& c : list.categories)
        if (c.checked) pages << pagesOf(catalogue, c.number);

    // The pages one after the other: each one's link list from the cache, or
    // fetched and then cached.
    struct Walk {
        CategoryList list;
        QStringList pages;
        qsizetype next = 0;
        QStringList addresses;
        bool abandoned = false;
    };
    auto walk = std::make_shared<Walk>();
    walk->list = std::move(list);
    walk->pages = pages;
    auto step = std::make_shared<std::function<void()>>();
    // The end: the pictures of the photo feeds (read from their kept
    // documents by a job) join the pages' links, and the list is written.
    const auto finish = [&app, &client, walk, done](bool abandoned) {
        const auto write = [&app, walk, done, abandoned](const QStringList& feedPictures) {
            RebuildOutcome outcome = RebuildOutcome::NotWritten;
            // Links of only some of the pages are no list to keep.
            if (!abandoned) {
                QList<QString> items = walk->addresses;
                const QSet<QString> known(items.begin(), items.end());
                for (const QString& p : feedPictures)
                    if (!known.contains(p)) items << p;
                if (app.settings.TechniqueTimer == ChangeTechnique::Random)
                    ShuffleCollection(items, app.random);
                if (WriteInternetFileList(app, items)) outcome = RebuildOutcome::Written;
            }
            if (outcome == RebuildOutcome::Written) {
                // The choices count as rebuilt only once the list matches them.
                CategoryList& l = walk->list;
                l.techniqueAtRebuild = app.settings.TechniqueTimer;
                l.refreshed = false;
                for (Category& c : l.categories) {
                    c.checkedAtRebuild = c.checked;
                    app.platform.store->setValue(internetSection(), QString::number(c.number),
                                                 c.checked ? QStringLiteral("1")
                                                           : QStringLiteral("0"));
                }
                app.platform.store->sync();
            }
            done(outcome, std::move(walk->list));
        };
        if (abandoned) return write({});
        // The client is the job's receiver: it lives as long as the source.
        RunJob(
            &client,
            [folder = app.paths.PhotoFeedsFolder, feeds = LoadPhotoFeeds(app)] {
                return StoredPhotoFeedPictures(folder, feeds);
            },
            write);
    };
    *step = [&cache, &client, walk, step, finish] {
        if (walk->abandoned || walk->next == walk->pages.size()) {
            // Clearing the self-reference destroys this closure and its
            // captures: what follows uses copies.
            const auto finished = finish;
            const bool abandoned = walk->abandoned;
            *step = nullptr;
            return finished(abandoned);
        }
        const QString page = walk->pages.at(walk->next++);
        const auto addLinks = [walk](const QByteArray& lines) {
            for (const QByteArray& line : lines.split('\n')) {
                const QString a = QString::fromUtf8(line).trimmed();
                if (!a.isEmpty()) walk->addresses << a;
            }
        };
        if (const std::optional<QByteArray> cached = cache.CacheLookup(page)) {
            addLinks(*cached);
            return (*step)();
        }
        client.Fetch(page, [&cache, page, addLinks, walk, step](DownloadResult result) {
            // A page that fails contributes nothing and is not cached.
            if (result.answered()) {
                QByteArray lines;
                for (const QString& link : PictureLinksOfPage(QString::fromUtf8(result.body), page))
                    lines += link.toUtf8() + "\r\n";
                if (lines.size() >= 3) cache.CacheStore(page, lines);
                addLinks(lines);
            }
            walk->abandoned = result.abandoned();
            (*step)();
        });
    };
    (*step)();
}

bool WriteInternetFileList(const AppContext& app, const QStringList& addresses, QString* error) {
    QByteArray text;
    for (const QString& a : addresses)
        text += a.toUtf8() + "\r\n";
    return writeEncoded(app.paths.InternetListPath, text, error);
}

QStringList ReadInternetFileList(const AppContext& app) {
    QStringList addresses;
    for (const QByteArray& line : readDecoded(app.paths.InternetListPath).split('\n')) {
        const QString a = QString::fromUtf8(line).trimmed();
        if (!a.isEmpty()) addresses << a;
    }
    return addresses;
}

QPoint CategoryBoxPlace(int n, int width, int height) {
    if (n % 2 == 1) return {150, 300 + ((n - 1) / 2) * height};
    return {width + 150, 300 + ((n - 2) / 2) * height};
}
