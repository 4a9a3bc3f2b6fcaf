#pragma once

#include <QObject>
#include <QString>
#include <cstdint>

// The transfer control that fetches the time page: one request at a time, started with
// Execute, watched through StillExecuting and StateChanged, read with GetChunk.
class HttpTransfer : public QObject {
    Q_OBJECT
  public:
    // The state reported when the response begins to arrive.
    static constexpr std::int16_t icReceivingResponse = 7;

    using QObject::QObject;

    void setURL(const QString& url) { m_url = url; }
    const QString& URL() const { return m_url; }

    // Starts a GET of url with the given request-header lines ("Name: value" + CR LF each) and
    // returns at once. A transfer that is still executing refuses (false) and goes on as it was.
    virtual bool Execute(const QString& url, const QString& requestHeaders) = 0;
    virtual bool StillExecuting() const = 0;
    // The next piece of the response body, at most size bytes, one character per byte. Empty
    // while the request runs, and when it ended without usable text.
    virtual QString GetChunk(int size) = 0;

  signals:
    void StateChanged(std::int16_t State);
    // StillExecuting has just become false, with or without success.
    void finished();

  private:
    QString m_url;
};
