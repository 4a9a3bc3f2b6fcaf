#pragma once

#include <string>

enum class VersionDetail { MajorMinor, WithRevision };

// " Zeitfang " and the program's version: 1.4, or 1.4.17 with the revision.
inline std::string versionCaption(VersionDetail detail) {
    std::string caption = " Zeitfang " + std::to_string(ZEITFANG_VERSION_MAJOR) + "." +
                          std::to_string(ZEITFANG_VERSION_MINOR);
    if (detail == VersionDetail::WithRevision)
        caption += "." + std::to_string(ZEITFANG_VERSION_REVISION);
    return caption;
}
