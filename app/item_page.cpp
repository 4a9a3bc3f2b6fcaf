#include "app/item_page.h"

QUrl ItemPageUrl(const QString& host, const QString& itemNumber) {
    const QByteArray address = "http://" + host.toUtf8() + "/ws/eBayISAPI.dll?ViewItem&item=" +
                               QUrl::toPercentEncoding(itemNumber);
    return QUrl::fromEncoded(address, QUrl::StrictMode);
}
