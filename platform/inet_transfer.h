#pragma once

#include <QByteArray>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QPointer>

#include "platform/http_transfer.h"

// The transfer control on Qt Network: the system's proxy settings (http_proxy) are honoured,
// a request without progress for 60 s ends, and only the beginning of a body is kept.
class InetTransfer : public HttpTransfer {
    Q_OBJECT
  public:
    // The program reads one chunk of this size; keeping more would only cost memory.
    static constexpr int KeptBodyBytes = 8192;

    explicit InetTransfer(QObject* parent = nullptr);
    ~InetTransfer() override;

    bool Execute(const QString& url, const QString& requestHeaders) override;
    bool StillExecuting() const override { return m_reply != nullptr; }
    QString GetChunk(int size) override;

  private:
    void responseBegins();
    void readBody();
    void replyFinished();

    QNetworkAccessManager m_manager;
    QPointer<QNetworkReply> m_reply;
    QByteArray m_body;
    qsizetype m_read = 0; // how much of m_body GetChunk has handed out
    bool m_receiving = false;
    bool m_haveEnough = false;
};
