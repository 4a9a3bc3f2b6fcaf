#include "tests/fakes/scripted_transfer.h"

bool ScriptedTransfer::Execute(const QString& url, const QString& requestHeaders) {
    if (m_running)
        return false;
    ++executes;
    lastUrl = url;
    lastHeaders = requestHeaders;
    m_running = true;
    m_body.clear();
    m_read = 0;
    if (onExecute)
        onExecute();
    return true;
}

QString ScriptedTransfer::GetChunk(int size) {
    if (m_running)
        return {};
    const QByteArray piece = m_body.mid(m_read, size);
    m_read += piece.size();
    return QString::fromLatin1(piece);
}

void ScriptedTransfer::finish(const QByteArray& body) {
    m_running = false;
    m_body = body;
    emit finished();
}
