#include "internet/InternetStepping.h"

#include "context/AppContext.h"
#include "internet/Categories.h"
#include "settings/StoredText.h"

#include <QLocale>
#include <cmath>

namespace {

const QString kInternet = QStringLiteral("Internet");
const QString kOptions = QStringLiteral("Options");

// Answers this small are error pages, never pictures worth keeping.
constexpr qsizetype kSmallestCachedAnswer = 1002;

} // namespace

QString CooldownRefusalText(double coolDownMs) {
    return QStringLiteral("you can download only one wallpaper every ") +
           QLocale().toString(coolDownMs / 60000, 'g', QLocale::FloatingPointShortest) +
           QStringLiteral(" Minutes");
}

InternetSource::InternetSource(AppContext& app, QObject* parent)
    : QObject(parent), m_app(app), m_client(app), m_cache(app) {}

double InternetSource::storedIntCL(qint64 fallback) const {
    const std::optional<QString> text =
        m_app.platform.store->value(kOptions, QStringLiteral("IntCL"));
    return text ? StoredText::toDouble(*text).value_or(double(fallback)) : double(fallback);
}

void InternetSource::InternetNext(bool previous, std::function<void(ChangeResult)> done) {
    if (!done) done = [](ChangeResult) {};
    ChangeResult result;
    if (m_busy) {
        result.status = ChangeResult::Status::Busy;
        return done(result);
    }
    SettingsStore& store = *m_app.platform.store;
    const double coolDown = m_app.settings.IntCoolDown;
    qint64 t = m_app.platform.clock->nowMs();
    // First use, or a clock that started again (a restart): no cooldown.
    if (storedIntCL(t) >= double(t))
        store.setValue(kOptions, QStringLiteral("IntCL"), StoredText::fromDouble(-coolDown));
    t = m_app.platform.clock->nowMs();
    if (storedIntCL(t) + coolDown > double(t)) {
        m_app.platform.notifier->showBubble(CooldownRefusalText(coolDown), 5000,
                                            BubbleKind::Message);
        return done(result);
    }
    m_busy = true;
    const auto got = [this, done](std::optional<QByteArray> bytes) {
        // The download is over: the cooldown counts from here, and the
        // picture is shown as a change of its own.
        m_busy = false;
        m_app.platform.store->setValue(kOptions, QStringLiteral("IntCL"),
                                       QString::number(m_app.platform.clock->nowMs()));
        m_app.platform.store->sync();
        if (!bytes) return done(ChangeResult());
        ShowInternetPictureAsWallpaper(m_app, std::move(*bytes), std::nullopt, this, done);
    };
    if (previous)
        StepInternetBack(got);
    else
        FetchInternetPicture(got);
}

void InternetSource::RefreshAndRebuild(std::function<void(bool ok)> done) {
    UpdateIntCatz(m_app, m_client, [this, done](CategoryList list) {
        m_categories = std::move(list);
        const bool any = !m_categories.categories.isEmpty();
        RebuildIntFiles(m_app, m_categories, m_client, m_cache, [done, any](bool) {
            if (done) done(any);
        });
    });
}

void InternetSource::FetchInternetPicture(std::function<void(std::optional<QByteArray>)> got) {
    SettingsStore& store = *m_app.platform.store;
    // A hand-edited position that is no whole number from 1 counts as 1.
    double seq =
        StoredText::toDouble(store.value(kInternet, QStringLiteral("Seq")).value_or(QString()))
            .value_or(1);
    if (!std::isfinite(seq) || seq < 1 || seq != std::floor(seq)) seq = 1;
    const QStringList addresses = ReadInternetFileList(m_app);
    if (addresses.isEmpty()) return got(std::nullopt);
    // A position past the end of a shorter list starts again from 1.
    if (seq > double(addresses.size())) seq = 1;
    const QString address = addresses.at(qsizetype(seq) - 1);
    store.setValue(kInternet, QStringLiteral("Seq"), QString::number(qint64(seq) + 1));
    if (std::optional<QByteArray> cached = m_cache.CacheLookup(address))
        return got(std::move(cached));
    m_client.GetPageB(
        address,
        [this, address, got](std::optional<QByteArray> bytes) {
            if (bytes && bytes->size() >= kSmallestCachedAnswer)
                m_cache.CacheStore(address, *bytes);
            got(std::move(bytes));
        },
        DownloadClient::PictureLimit);
}

void InternetSource::StepInternetBack(std::function<void(std::optional<QByteArray>)> got) {
    SettingsStore& store = *m_app.platform.store;
    const double s =
        StoredText::toDouble(store.value(kInternet, QStringLiteral("Seq")).value_or(QString()))
            .value_or(1);
    store.setValue(kInternet, QStringLiteral("Seq"),
                   s > 2 && std::isfinite(s) ? QString::number(qint64(std::floor(s)) - 2)
                                             : QStringLiteral("1"));
    FetchInternetPicture(std::move(got));
}
