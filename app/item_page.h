#pragma once

#include <string>

// "http://" + host + "/ws/eBayISAPI.dll?ViewItem&item=" + the item number (UTF-8),
// percent-encoded where it holds anything but letters, digits and "-._~", so the number stays
// one query value.
std::string itemPageUrl(const std::string& host, const std::string& itemNumber);
