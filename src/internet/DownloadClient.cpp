#include "internet/DownloadClient.h"

#include "context/AppContext.h"
#include "platform/AtomicFile.h"

#include <QCoreApplication>
#include <QIcon>
#include <QMessageBox>
#include <QNetworkAccessManager>
#include <QNetworkProxy>
#include <QNetworkProxyFactory>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QSystemTrayIcon>
#include <QUrl>

#include <algorithm>
#include <limits>

namespace {

// How much of an answer the network layer may hold before it is read.
constexpr qint64 kReadBufferBytes = 1024 * 1024;

// The steps a failure names after " at line: ".
enum Step {
    StepProxy = 1,
    StepAddress = 2,
    StepRequest = 3,
    StepSize = 4,
    StepTimeOut = 5,
    StepEnding = 6,
};

// Error numbers of the program's own failures; network failures carry the
// network library's number.
enum OwnError {
    ErrorBadProxy = 1001,
    ErrorBadAddress = 1002,
    ErrorTooLarge = 1003,
    ErrorTimedOut = 1004,
    ErrorEnding = 1005,
    ErrorTooSlow = 1006,
};

// The whole answer may take this long, whatever IntTimeOut says: the largest
// picture accepted (100 MB) over a 1 Mbit/s link takes some 14 minutes.
constexpr qint64 kLeastTotalTimeMs = 15LL * 60 * 1000;
// With a longer IntTimeOut, this many silences.
constexpr qint64 kSilencesPerAnswer = 10;

// The proxy the system is set up with for each address (Qt's system
// configuration: the proxy variables and the desktop's settings), or none.
class SystemProxies : public QNetworkProxyFactory {
public:
    QList<QNetworkProxy> queryProxy(const QNetworkProxyQuery& query) override {
        return systemProxyForQuery(query);
    }
};

// "host:port" or "http://host:port" as a proxy; nothing when the text is no
// such address.
std::optional<QNetworkProxy> parseProxy(QString text) {
    text = text.trimmed();
    if (text.startsWith(QLatin1String("http://"), Qt::CaseInsensitive)) text = text.mid(7);
    while (text.endsWith(QLatin1Char('/')))
        text.chop(1);
    const qsizetype colon = text.lastIndexOf(QLatin1Char(':'));
    if (colon <= 0) return std::nullopt;
    bool ok = false;
    const int port = text.mid(colon + 1).toInt(&ok);
    const QString host = text.left(colon);
    if (!ok || port < 1 || port > 65535 || host.contains(QLatin1Char('/')) ||
        host.contains(QLatin1Char(' ')))
        return std::nullopt;
    return QNetworkProxy(QNetworkProxy::HttpProxy, host, quint16(port));
}

} // namespace

qint64 DownloadClient::TotalTimeLimitMs(int timeOutSeconds) {
    return std::max(kLeastTotalTimeMs, kSilencesPerAnswer * std::max(1, timeOutSeconds) * 1000);
}

DownloadClient::DownloadClient(AppContext& app, QObject* parent)
    : QObject(parent), m_app(app), m_network(new QNetworkAccessManager(this)) {
    m_silence.setSingleShot(true);
    m_deadline.setSingleShot(true);
    // A coarse timer may fire up to 5% early; the messages name the seconds
    // waited, and a server is never cut off before its time is up.
    m_silence.setTimerType(Qt::PreciseTimer);
    m_deadline.setTimerType(Qt::PreciseTimer);
    connect(&m_silence, &QTimer::timeout, this, [this] { onTimedOut(true); });
    connect(&m_deadline, &QTimer::timeout, this, [this] { onTimedOut(false); });
    connect(&m_app.events, &AppEvents::ending, this, [this] {
        m_ending = true;
        abandon();
    });
}

DownloadClient::~DownloadClient() {
    m_ending = true;
    if (m_reply) {
        m_reply->disconnect(this);
        m_reply->abort();
    }
    delete m_box;
    PlaceIntTray(false);
}

void DownloadClient::GetPageB(const QString& url, BytesDone done, qint64 maxBytes) {
    GetAnswer(
        url, {},
        [done = std::move(done)](std::optional<HttpAnswer> answer) {
            if (!done) return;
            if (!answer) return done(std::nullopt);
            done(std::move(answer->body));
        },
        maxBytes);
}

void DownloadClient::Fetch(const QString& url, ResultDone done, qint64 maxBytes) {
    enqueue({url,
             maxBytes,
             [done = std::move(done)](DownloadStatus status, std::optional<HttpAnswer> answer) {
                 if (!done) return;
                 DownloadResult result;
                 result.status = status;
                 if (answer) result.body = std::move(answer->body);
                 done(std::move(result));
             },
             {},
             false});
}

void DownloadClient::GetAnswer(const QString& url, RequestHeaders headers, AnswerDone done,
                               qint64 maxBytes, bool quiet) {
    enqueue({url, maxBytes,
             [done = std::move(done)](DownloadStatus, std::optional<HttpAnswer> answer) {
                 if (done) done(std::move(answer));
             },
             std::move(headers), quiet});
}

void DownloadClient::enqueue(Request request) {
    m_queue.push_back(std::move(request));
    if (!m_current) startNext();
}

void DownloadClient::GetPage(const QString& url, const QString& file, Done done, qint64 maxBytes) {
    GetPageB(
        url,
        [this, file, done = std::move(done)](std::optional<QByteArray> body) {
            if (!body) return done(false);
            QString error;
            if (!WriteFileAtomically(file, *body, &error)) {
                m_lastError = error;
                return done(false);
            }
            done(true);
        },
        maxBytes);
}

void DownloadClient::GetFilesList(const QString& url, const QString& file, Done done) {
    GetPageB(url, [this, url, file, done = std::move(done)](std::optional<QByteArray> body) {
        if (!body) return done(false);
        QByteArray lines;
        for (const QString& link : PictureLinksOfPage(QString::fromUtf8(*body), url))
            lines += link.toUtf8() + "\r\n";
        QString error;
        if (!WriteFileAtomically(file, lines, &error)) {
            m_lastError = error;
            return done(false);
        }
        done(true);
    });
}

void DownloadClient::PlaceIntTray(bool show) {
    if (show && !m_icon) {
        m_icon = new QSystemTrayIcon(this);
        m_icon->setIcon(QIcon(m_app.programFolder + QStringLiteral("/icons/tessaly.png")));
        m_icon->setToolTip(QCoreApplication::translate("DownloadClient", "Downloading..."));
        m_icon->show();
    } else if (!show && m_icon) {
        m_icon->hide();
        delete m_icon;
        m_icon = nullptr;
    }
}

void DownloadClient::abandon() {
    std::deque<Request> waiting;
    waiting.swap(m_queue);
    if (m_box) {
        m_box->disconnect(this);
        m_box->deleteLater();
        m_box = nullptr;
    }
    if (m_reply) {
        QNetworkReply* reply = m_reply;
        m_reply = nullptr;
        reply->disconnect(this);
        reply->abort();
        reply->deleteLater();
    }
    if (m_current) {
        m_lastError = QCoreApplication::translate(
                          "DownloadClient", "Error %1: the download was abandoned at line: %2")
                          .arg(ErrorEnding)
                          .arg(StepEnding);
        finish(DownloadStatus::Abandoned, std::nullopt);
    }
    for (Request& r : waiting)
        if (r.done) r.done(DownloadStatus::Abandoned, std::nullopt);
}

void DownloadClient::startNext() {
    if (m_current || m_queue.empty()) return;
    m_current = std::move(m_queue.front());
    m_queue.pop_front();
    m_lastError.clear();
    if (m_ending) {
        abandon();
        return;
    }
    send();
}

void DownloadClient::send() {
    const InternetSettings& s = m_app.settings.internet();
    m_body.clear();

    if (s.IntUseProxy) {
        const std::optional<QNetworkProxy> parsed = parseProxy(s.IntProxy);
        if (!parsed)
            return fail(StepProxy,
                        QCoreApplication::translate("DownloadClient",
                                                    "Error %1: the proxy \"%2\" is not an address "
                                                    "of the form host:port")
                            .arg(ErrorBadProxy)
                            .arg(s.IntProxy));
        m_network->setProxy(*parsed);
    } else {
        // Asked for each address, so that no_proxy and the desktop's
        // exceptions apply. (The manager owns the factory, and drops the
        // previous one; none is in use between requests.)
        m_network->setProxyFactory(new SystemProxies);
    }

    const QUrl url(m_current->url);
    const QString scheme = url.scheme().toLower();
    if (!url.isValid() || url.host().isEmpty() ||
        (scheme != QLatin1String("http") && scheme != QLatin1String("https")))
        return fail(StepAddress,
                    QCoreApplication::translate("DownloadClient",
                                                "Error %1: \"%2\" is not an http or https address")
                        .arg(ErrorBadAddress)
                        .arg(m_current->url));

    QNetworkRequest request(url);
    for (const auto& [name, value] : m_current->headers)
        request.setRawHeader(name, value);
    // Redirects are followed, but never from HTTPS down to plain HTTP, and
    // never round and round.
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute,
                         QNetworkRequest::NoLessSafeRedirectPolicy);
    request.setMaximumRedirectsAllowed(10);
    if (s.IntTray) PlaceIntTray(true);
    m_reply = m_network->get(request);
    // The network layer holds at most this much unread, so a server sending
    // faster than the body is taken in cannot fill memory behind its back.
    m_reply->setReadBufferSize(kReadBufferBytes);
    connect(m_reply, &QNetworkReply::readyRead, this, &DownloadClient::onReadyRead);
    connect(m_reply, &QNetworkReply::finished, this, &DownloadClient::onFinished);
    // The time-out is for silence: every part of the answer (its headers, a
    // redirect, each piece of the body) starts it again, so a large picture
    // on a slow link gets through. The whole answer has a limit of its own,
    // so that a server sending a byte now and then cannot hold the request
    // (and every request waiting behind it) for ever.
    const auto heard = [this] {
        if (m_reply) m_silence.start();
    };
    connect(m_reply, &QNetworkReply::metaDataChanged, this, heard);
    connect(m_reply, &QNetworkReply::redirected, this, heard);
    m_silence.start(std::max(1, int(s.IntTimeOut)) * 1000);
    const qint64 total = m_totalLimitMs > 0 ? m_totalLimitMs : TotalTimeLimitMs(s.IntTimeOut);
    m_deadline.start(int(std::min<qint64>(total, std::numeric_limits<int>::max())));
}

void DownloadClient::onReadyRead() {
    if (!m_reply || !m_current) return;
    m_silence.start();
    // Room for the whole announced body at once, within the limit.
    const qint64 length = m_reply->header(QNetworkRequest::ContentLengthHeader).toLongLong();
    if (m_body.isEmpty() && length > 0 && length <= m_current->maxBytes) m_body.reserve(length);
    // Checked before the bytes are taken in: the body never grows past the limit.
    if (m_body.size() + m_reply->bytesAvailable() <= m_current->maxBytes &&
        length <= m_current->maxBytes) {
        m_body += m_reply->readAll();
        return;
    }
    // Too large: stop reading, so memory stays bounded whatever the server sends.
    QNetworkReply* reply = m_reply;
    m_reply = nullptr;
    reply->disconnect(this);
    reply->abort();
    reply->deleteLater();
    m_body.clear();
    fail(StepSize,
         QCoreApplication::translate("DownloadClient", "Error %1: the answer is larger than %2 MB")
             .arg(ErrorTooLarge)
             .arg(m_current->maxBytes / (1024 * 1024)));
}

void DownloadClient::onFinished() {
    if (!m_reply) return;
    QNetworkReply* reply = m_reply;
    m_reply = nullptr;
    m_silence.stop();
    m_deadline.stop();
    reply->deleteLater();
    if (reply->error() != QNetworkReply::NoError) {
        m_body.clear();
        return fail(StepRequest, QCoreApplication::translate("DownloadClient", "Error %1: %2")
                                     .arg(int(reply->error()))
                                     .arg(reply->errorString()));
    }
    m_body += reply->readAll();
    HttpAnswer answer;
    answer.status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    answer.body = std::move(m_body);
    answer.etag = reply->rawHeader("ETag");
    answer.lastModified = reply->rawHeader("Last-Modified");
    m_body.clear();
    finish(DownloadStatus::Answered, std::move(answer));
}

void DownloadClient::onTimedOut(bool silent) {
    if (!m_reply) return;
    QNetworkReply* reply = m_reply;
    m_reply = nullptr;
    reply->disconnect(this);
    reply->abort();
    reply->deleteLater();
    const qint64 received = m_body.size();
    m_body.clear();
    if (silent)
        return fail(StepTimeOut,
                    QCoreApplication::translate("DownloadClient",
                                                "Error %1: the server went silent: nothing came "
                                                "within %2 seconds")
                        .arg(ErrorTimedOut)
                        .arg(m_silence.interval() / 1000));
    fail(StepTimeOut,
         QCoreApplication::translate("DownloadClient",
                                     "Error %1: the answer did not complete within %2 seconds "
                                     "(%3 bytes came)")
             .arg(ErrorTooSlow)
             .arg(m_deadline.interval() / 1000)
             .arg(received));
}

void DownloadClient::fail(int step, const QString& why) {
    m_silence.stop();
    m_deadline.stop();
    m_lastError = why + QCoreApplication::translate("DownloadClient", " at line: %1").arg(step);
    if (m_ending) return finish(DownloadStatus::Abandoned, std::nullopt);
    if (m_app.settings.IntIgnore || (m_current && m_current->quiet))
        return finish(DownloadStatus::Failed, std::nullopt);
    // Asked without blocking: the answer continues the request.
    m_box =
        new QMessageBox(QMessageBox::Critical,
                        QCoreApplication::translate("DownloadClient", "Orvane Downloader Error"),
                        m_lastError, QMessageBox::Retry | QMessageBox::Cancel);
    m_box->setAttribute(Qt::WA_DeleteOnClose);
    connect(m_box, &QMessageBox::finished, this, [this](int answer) {
        m_box = nullptr;
        if (m_ending)
            finish(DownloadStatus::Abandoned, std::nullopt);
        else if (answer == QMessageBox::Retry)
            send();
        else
            finish(DownloadStatus::Failed, std::nullopt);
    });
    m_box->open();
}

void DownloadClient::finish(DownloadStatus status, std::optional<HttpAnswer> answer) {
    m_silence.stop();
    m_deadline.stop();
    PlaceIntTray(false);
    std::optional<Request> done = std::move(m_current);
    m_current.reset();
    if (done && done->done) done->done(status, std::move(answer));
    // The next waiting request starts from the event loop, not inside the
    // caller's completion.
    if (!m_queue.empty()) QTimer::singleShot(0, this, &DownloadClient::startNext);
}

QStringList PictureLinksOfPage(const QString& html, const QString& pageUrl) {
    static const QString marker = QStringLiteral("A HREF=\"");
    const QUrl base(pageUrl);
    QStringList links;
    qsizetype j = 0;
    while (true) {
        qsizetype i = html.indexOf(marker, j, Qt::CaseInsensitive);
        if (i < 0) break;
        i += marker.size();
        j = html.indexOf(QLatin1Char('"'), i);
        if (j < 0) break; // a marker without its closing quote ends the scan
        const QString link = html.mid(i, j - i);
        if (link.right(3).compare(QLatin1String("jpg"), Qt::CaseInsensitive) != 0) continue;
        if (link.startsWith(QLatin1String("http://"), Qt::CaseInsensitive) ||
            link.startsWith(QLatin1String("https://"), Qt::CaseInsensitive))
            links << link;
        else
            links << base.resolved(QUrl(link)).toString();
    }
    return links;
}
