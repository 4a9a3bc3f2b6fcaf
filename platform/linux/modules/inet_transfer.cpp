#include "platform/linux/modules/inet_transfer.h"

#include <QNetworkAccessManager>

#include <QNetworkProxyFactory>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QStringList>
#include <QUrl>

namespace {
constexpr int kTransferTimeoutMs = 60000;
} // namespace

InetTransfer::InetTransfer() = default;

InetTransfer::~InetTransfer() {
    if (m_reply) {
        m_reply->disconnect(this);
        m_reply->abort();
        delete m_reply;
    }
}

bool InetTransfer::startGet(const std::string& url, const std::string& requestHeaders) {
    if (m_reply)
        return false;
    if (!m_manager) {
        QNetworkProxyFactory::setUseSystemConfiguration(true);
        m_manager = std::make_unique<QNetworkAccessManager>();
    }
    QNetworkRequest request{QUrl(QString::fromStdString(url))};
    request.setTransferTimeout(kTransferTimeoutMs);
    for (const QString& line :
         QString::fromStdString(requestHeaders).split(QStringLiteral("\r\n"), Qt::SkipEmptyParts)) {
        const qsizetype colon = line.indexOf(u':');
        if (colon > 0)
            request.setRawHeader(line.left(colon).trimmed().toLatin1(),
                                 line.mid(colon + 1).trimmed().toLatin1());
    }
    m_body.clear();
    m_read = 0;
    m_receiving = false;
    m_haveEnough = false;
    m_reply = m_manager->get(request);
    connect(m_reply, &QNetworkReply::metaDataChanged, this, &InetTransfer::responseBegins);
    connect(m_reply, &QNetworkReply::readyRead, this, &InetTransfer::readBody);
    connect(m_reply, &QNetworkReply::finished, this, &InetTransfer::replyFinished);
    return true;
}

void InetTransfer::responseBegins() {
    if (m_receiving)
        return;
    m_receiving = true;
    reportState(kReceivingResponse);
}

void InetTransfer::readBody() {
    responseBegins();
    if (!m_reply || m_haveEnough)
        return;
    m_body += m_reply->read(kKeptBodyBytes - m_body.size());
    if (m_body.size() >= kKeptBodyBytes) {
        // The rest of the body is never looked at: stop the transfer rather than buffer it.
        m_haveEnough = true;
        if (!m_reply->isFinished())
            m_reply->abort();
    }
}

void InetTransfer::replyFinished() {
    QNetworkReply* reply = m_reply;
    if (!reply)
        return;
    if (!m_haveEnough)
        readBody();
    const int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    const bool stoppedByUs =
        m_haveEnough && reply->error() == QNetworkReply::OperationCanceledError;
    // An error page or a broken transfer gives no text to read.
    if ((reply->error() != QNetworkReply::NoError && !stoppedByUs) || status >= 400)
        m_body.clear();
    m_reply = nullptr;
    reply->disconnect(this);
    reply->deleteLater();
    reportState(kResponseCompleted);
}

std::string InetTransfer::readChunk(int size) {
    if (m_reply || size <= 0)
        return {};
    const QByteArray piece = m_body.mid(m_read, size);
    m_read += piece.size();
    return piece.toStdString();
}
