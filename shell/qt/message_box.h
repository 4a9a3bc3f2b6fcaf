#pragma once

#include <string>
#include <string_view>

#include "shared/message_box.h"

class QWidget;

// A modal message box over `owner` with an OK button; returns when it has been answered.
void execMessageBox(QWidget* owner, std::string_view title, const std::string& text,
                    MessageIcon icon);
