#pragma once

#include <QString>
#include <QUrl>

// "http://" + host + "/ws/eBayISAPI.dll?ViewItem&item=" + the item number, percent-encoded
// where it holds anything but letters, digits and "-._~", so the number stays one query value.
QUrl ItemPageUrl(const QString& host, const QString& itemNumber);
