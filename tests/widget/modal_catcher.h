#pragma once

#include <QApplication>
#include <QMessageBox>
#include <QTimer>
#include <functional>
#include <vector>

// While it lives, hands every modal window that opens to `answer`, which has to close it; the
// modal call under test then returns.
class ModalCatcher {
  public:
    explicit ModalCatcher(std::function<void(QWidget*)> answer) : m_answer(std::move(answer)) {
        QObject::connect(&m_timer, &QTimer::timeout, [this] {
            if (QWidget* modal = QApplication::activeModalWidget(); modal && modal->isVisible())
                m_answer(modal);
        });
        m_timer.start(5);
    }

  private:
    std::function<void(QWidget*)> m_answer;
    QTimer m_timer;
};

struct SeenMessage {
    QString title, text;
    QMessageBox::Icon icon;
    QMessageBox::StandardButtons buttons;
};

// Records every message box that opens while it lives and answers it with its OK button.
class MessageCatcher {
  public:
    std::vector<SeenMessage> seen;

  private:
    ModalCatcher m_catcher{[this](QWidget* modal) {
        auto* box = qobject_cast<QMessageBox*>(modal);
        if (!box)
            return;
        seen.push_back({box->windowTitle(), box->text(), box->icon(), box->standardButtons()});
        box->done(QMessageBox::Ok);
    }};
};
