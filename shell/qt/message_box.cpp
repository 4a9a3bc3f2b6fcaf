#include "shell/qt/message_box.h"

#include <QMessageBox>

void execMessageBox(QWidget* owner, std::string_view title, const std::string& text,
                    MessageIcon icon) {
    QMessageBox box(icon == MessageIcon::Information ? QMessageBox::Information
                                                     : QMessageBox::NoIcon,
                    QString::fromUtf8(title.data(), static_cast<qsizetype>(title.size())),
                    QString::fromStdString(text), QMessageBox::Ok, owner);
    box.exec();
}
