#pragma once

#include <QByteArray>
#include <QMessageBox>
#include <QNetworkReply>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <QTimer>
#include <deque>
#include <functional>
#include <optional>
#include <utility>

class AppContext;
class QNetworkAccessManager;
class QSystemTrayIcon;

// What a server answered: its status (200, or 304 when a conditional request
// found the page unchanged), the body and the validators to send next time.
struct HttpAnswer {
    int status = 0;
    QByteArray body;
    QByteArray etag;         // the "ETag" header; empty when none
    QByteArray lastModified; // the "Last-Modified" header; empty when none
};
using RequestHeaders = QList<std::pair<QByteArray, QByteArray>>;

// How a request ended: answered; failed on its own account (a server error,
// a time-out, a body too large, a bad address or proxy, a refused retry); or
// abandoned unanswered because the program is ending or abandon() ended it.
// A caller that builds something from several answers writes nothing after
// an abandoned one: what it has is cut short, not what the servers said.
enum class DownloadStatus { Answered, Failed, Abandoned };

// A body with how its request ended; the body only when Answered.
struct DownloadResult {
    DownloadStatus status = DownloadStatus::Failed;
    QByteArray body;
    bool answered() const { return status == DownloadStatus::Answered; }
    bool abandoned() const { return status == DownloadStatus::Abandoned; }
};

// The one way the program fetches anything over HTTP or HTTPS: the category
// catalogue and pages, the pictures and the news feeds. With IntUseProxy on,
// every request goes through IntProxy; with it off, through the proxy the
// system is set up with for that address (Qt's system configuration: the
// http_proxy, https_proxy and no_proxy variables, the desktop's proxy
// settings), or straight to the server when there is none.
//
// Every operation is asynchronous: it returns at once and calls `done` once,
// with the body (or true) on success and nothing (or false) otherwise; Fetch
// also tells a failure from an abandoned request. The program's events keep
// flowing meanwhile, and nothing re-enters half-done work: a request asked
// for while another runs waits for it. The connection
// settings (proxy, time-out, error prompt, download icon) are read from the
// application object at each request.
//
// A request fails when the server stays silent (no byte of the answer) for
// IntTimeOut seconds, when the whole answer has not come within
// TotalTimeLimitMs (a slow but steady answer is given that long, a trickle
// that never ends is not), when the body grows past its size limit, on a
// redirect loop or a redirect from HTTPS to plain HTTP and on any certificate
// error. With IntIgnore off, a failure asks "Orvane Downloader Error" with
// Retry and Cancel first; Retry repeats the request. When the program ends
// (AppEvents::ending), the running and waiting requests are abandoned at
// once, and so is every later one.
class DownloadClient : public QObject {
    Q_OBJECT
public:
    using BytesDone = std::function<void(std::optional<QByteArray> body)>;
    using Done = std::function<void(bool ok)>;
    using AnswerDone = std::function<void(std::optional<HttpAnswer> answer)>;
    using ResultDone = std::function<void(DownloadResult result)>;

    // Size limits of a body: pictures, and pages and feeds.
    static constexpr qint64 PictureLimit = 100LL * 1024 * 1024;
    static constexpr qint64 PageLimit = 10LL * 1024 * 1024;

    // The longest a whole answer may take with IntTimeOut `timeOutSeconds`:
    // 15 minutes, in which the largest picture accepted (PictureLimit) comes
    // over a 1 Mbit/s link, or ten silences, whichever is longer.
    static qint64 TotalTimeLimitMs(int timeOutSeconds);

    explicit DownloadClient(AppContext& app, QObject* parent = nullptr);
    ~DownloadClient() override;

    // Downloads `url`; `done` gets the body, or nothing when it failed.
    void GetPageB(const QString& url, BytesDone done, qint64 maxBytes = PageLimit);
    // Downloads `url`; `done` gets the body and how the request ended.
    void Fetch(const QString& url, ResultDone done, qint64 maxBytes = PageLimit);
    // Downloads `url` into `file` (replacing it whole); nothing is written
    // when the download fails.
    void GetPage(const QString& url, const QString& file, Done done, qint64 maxBytes = PageLimit);
    // Downloads the page at `url` and writes the absolute addresses of its
    // ".jpg" links into `file`, one per line (CR LF); the file is not touched
    // when the page cannot be had.
    void GetFilesList(const QString& url, const QString& file, Done done);
    // Downloads `url` with extra request headers (such as "If-None-Match" and
    // "If-Modified-Since"); `done` gets the answer, a 304 without body among
    // them, or nothing when it failed. A `quiet` request is background work:
    // its failure never asks Retry or Cancel.
    void GetAnswer(const QString& url, RequestHeaders headers, AnswerDone done,
                   qint64 maxBytes = PageLimit, bool quiet = false);
    // Shows (true) or removes (false) the "Downloading..." icon.
    void PlaceIntTray(bool show);

    bool busy() const { return m_reply != nullptr || m_box != nullptr; }
    bool downloadIconShown() const { return m_icon != nullptr; }
    // The program is ending: every request is abandoned.
    bool ending() const { return m_ending; }
    // Ends the running request and every waiting one now, unanswered: their
    // callers get nothing (Abandoned from Fetch).
    void abandon();
    // Why the last request failed; empty after a success.
    QString lastError() const { return m_lastError; }
    // Replaces TotalTimeLimitMs for the requests sent from now on (0: back to
    // it); for tests, which cannot wait a quarter of an hour.
    void setTotalTimeLimitMs(qint64 ms) { m_totalLimitMs = ms; }

private:
    using Finished = std::function<void(DownloadStatus status, std::optional<HttpAnswer> answer)>;
    struct Request {
        QString url;
        qint64 maxBytes;
        Finished done;
        RequestHeaders headers;
        bool quiet = false;
    };
    void startNext();
    void send();
    void onReadyRead();
    void onFinished();
    void onTimedOut(bool silent);
    void fail(int step, const QString& why);
    void enqueue(Request request);
    void finish(DownloadStatus status, std::optional<HttpAnswer> answer);

    AppContext& m_app;
    QNetworkAccessManager* m_network = nullptr;
    std::deque<Request> m_queue;
    std::optional<Request> m_current;
    QPointer<QNetworkReply> m_reply;
    QByteArray m_body;
    QTimer m_silence;  // restarted by every byte of the answer
    QTimer m_deadline; // the whole answer
    qint64 m_totalLimitMs = 0;
    QPointer<QMessageBox> m_box;
    QSystemTrayIcon* m_icon = nullptr;
    QString m_lastError;
    bool m_ending = false;
};

// The absolute addresses of the ".jpg" links of an HTML page fetched from
// `pageUrl`: every `A HREF="` marker (any case) up to the next double quote;
// links whose last three characters are "jpg" (any case) are kept, resolved
// against the page's address as a browser would. A marker without a closing
// quote ends the scan.
QStringList PictureLinksOfPage(const QString& html, const QString& pageUrl);
