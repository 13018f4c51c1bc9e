#include "desktop/linux/qtdownloader.h"

#include <QFile>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QTimer>
#include <QUrl>

#include <memory>

namespace {

// One download in flight: the reply, the file it fills and the watch on its progress.
class Transfer final : public QObject
{
public:
    Transfer(QNetworkReply *reply, const DownloadRequest &request, Downloader::Progress progress,
             Downloader::Finished finished)
        : m_reply(reply), m_file(QString::fromStdString(request.path)), m_maxBytes(request.maxBytes),
          m_progress(std::move(progress)), m_finished(std::move(finished))
    {
        reply->setParent(this);
        m_stall.setSingleShot(true);
        m_stall.setInterval(static_cast<int>(request.stallTimeout.count()));
        connect(&m_stall, &QTimer::timeout, this, [this] { fail("Timed out"); });
        connect(reply, &QNetworkReply::metaDataChanged, this, &Transfer::checkLength);
        connect(reply, &QNetworkReply::readyRead, this, &Transfer::take);
        connect(reply, &QNetworkReply::downloadProgress, this, [this](qint64 received, qint64 total) {
            m_stall.start();
            if (m_progress && !m_done)
                m_progress(static_cast<std::uint64_t>(received), total > 0 ? static_cast<std::uint64_t>(total) : 0);
        });
        connect(reply, &QNetworkReply::finished, this, &Transfer::end);
        if (!m_file.open(QIODevice::WriteOnly | QIODevice::Truncate))
            QTimer::singleShot(0, this, [this] { fail(m_file.errorString().toStdString()); });
        m_stall.start();
    }

private:
    bool isSuccess() const
    {
        const int status = m_reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
        return status == 0 || (status >= 200 && status < 300);
    }

    void checkLength()
    {
        const qint64 length = m_reply->header(QNetworkRequest::ContentLengthHeader).toLongLong();
        if (isSuccess() && length > 0 && static_cast<std::uint64_t>(length) > m_maxBytes)
            fail("Too large");
    }

    void take()
    {
        if (m_done)
            return;
        const QByteArray bytes = m_reply->readAll();
        if (!isSuccess())
            return; // an error page: not kept
        m_written += static_cast<std::uint64_t>(bytes.size());
        if (m_written > m_maxBytes)
            return fail("Too large");
        if (m_file.write(bytes) != bytes.size())
            fail(m_file.errorString().toStdString());
    }

    void end()
    {
        if (m_done)
            return;
        take();
        if (m_done)
            return;
        const int status = m_reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
        if (status >= 300 || status < 200) {
            if (m_reply->error() == QNetworkReply::HostNotFoundError)
                return fail("Host not found");
            if (m_reply->error() == QNetworkReply::TooManyRedirectsError)
                return fail("Too many redirects");
            if (status != 0) {
                const QString phrase = m_reply->attribute(QNetworkRequest::HttpReasonPhraseAttribute).toString();
                return fail(("HTTP " + QString::number(status) + (phrase.isEmpty() ? "" : " " + phrase)).toStdString());
            }
            return fail(m_reply->errorString().toStdString());
        }
        if (m_reply->error() != QNetworkReply::NoError)
            return fail(m_reply->errorString().toStdString());
        if (!m_file.flush())
            return fail(m_file.errorString().toStdString());
        m_file.close();
        DownloadResult result;
        result.ok = true;
        result.contentType = m_reply->header(QNetworkRequest::ContentTypeHeader).toString().toStdString();
        result.contentDisposition = m_reply->rawHeader("Content-Disposition").toStdString();
        result.finalAddress = m_reply->url().toString().toStdString();
        finish(result);
    }

    void fail(const std::string &reason)
    {
        if (m_done)
            return;
        DownloadResult result;
        result.reason = reason;
        result.finalAddress = m_reply->url().toString().toStdString();
        // Aborting finishes the reply at once; that end is this one.
        m_reply->disconnect(this);
        m_reply->abort();
        m_file.close();
        finish(result);
    }

    void finish(const DownloadResult &result)
    {
        m_done = true;
        m_stall.stop();
        m_reply->disconnect(this);
        const Downloader::Finished finished = std::move(m_finished);
        deleteLater();
        finished(result);
    }

    QNetworkReply *m_reply;
    QFile m_file;
    QTimer m_stall;
    std::uint64_t m_maxBytes;
    std::uint64_t m_written = 0;
    Downloader::Progress m_progress;
    Downloader::Finished m_finished;
    bool m_done = false;
};

} // namespace

QtDownloader::QtDownloader()
{
    // Certificates and redirects as a browser handles them; never from https down to http.
    m_network.setRedirectPolicy(QNetworkRequest::NoLessSafeRedirectPolicy);
}

void QtDownloader::start(const DownloadRequest &request, Progress progress, Finished finished)
{
    const QUrl url(QString::fromStdString(request.address), QUrl::StrictMode);
    if (!url.isValid() || (url.scheme() != "http" && url.scheme() != "https")) {
        DownloadResult result;
        result.reason = "Not an http or https address";
        finished(result);
        return;
    }
    QNetworkRequest get(url);
    get.setMaximumRedirectsAllowed(request.maxRedirects);
    get.setHeader(QNetworkRequest::UserAgentHeader, QString::fromStdString(request.userAgent));
    if (!request.referer.empty())
        get.setRawHeader("Referer", QByteArray::fromStdString(request.referer));
    new Transfer(m_network.get(get), request, std::move(progress), std::move(finished));
}
