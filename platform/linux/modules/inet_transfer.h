#pragma once

#include <QByteArray>
#include <QNetworkReply>
#include <QObject>
#include <QPointer>
#include <memory>

#include "platform/http_transfer.h"

class QNetworkAccessManager;

// The transfer control on Qt Network: the system's proxy settings (http_proxy) are honoured,
// a request without progress for 60 s ends, and only the beginning of a body is kept. The
// network manager is made at the first request, so a start without one does not pay for it.
class InetTransfer : public QObject, public HttpTransfer {
  public:
    // The program reads one chunk of this size; keeping more would only cost memory.
    static constexpr int kKeptBodyBytes = 8192;

    InetTransfer();
    ~InetTransfer() override;

    bool startGet(const std::string& url, const std::string& requestHeaders) override;
    bool isFetching() const override { return m_reply != nullptr; }
    std::string readChunk(int size) override;

  private:
    void responseBegins();
    void readBody();
    void replyFinished();

    std::unique_ptr<QNetworkAccessManager> m_manager;
    QPointer<QNetworkReply> m_reply;
    QByteArray m_body;
    qsizetype m_read = 0; // how much of m_body readChunk has handed out
    bool m_receiving = false;
    bool m_haveEnough = false;
};

// The network module's factory.
extern "C" HttpTransfer* zeitfangNewTransfer();
