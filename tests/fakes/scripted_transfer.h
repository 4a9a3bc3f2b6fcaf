#pragma once

#include <QByteArray>
#include <functional>

#include "platform/http_transfer.h"

// A transfer that answers as the test scripts it: after Execute nothing happens until the test
// reports states and finishes it, typically from timers it starts in onExecute.
class ScriptedTransfer : public HttpTransfer {
    Q_OBJECT
  public:
    int executes = 0;
    QString lastUrl;
    QString lastHeaders;
    std::function<void()> onExecute; // runs inside each accepted Execute

    bool Execute(const QString& url, const QString& requestHeaders) override;
    bool StillExecuting() const override { return m_running; }
    QString GetChunk(int size) override;

    void report(std::int16_t state) { emit StateChanged(state); }
    void finish(const QByteArray& body);

  private:
    bool m_running = false;
    QByteArray m_body;
    qsizetype m_read = 0;
};
