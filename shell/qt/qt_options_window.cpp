#include "shell/qt/qt_options_window.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QCursor>
#include <QLineEdit>
#include <QPushButton>
#include <QStyleFactory>

#include "shell/qt/design_controls.h"
#include "shell/qt/engine_key.h"
#include "shell/qt/message_box.h"
#include "shell/qt/qt_form1_window.h"

QtOptionsWindow::QtOptionsWindow(QtForm1Window& owner)
    : QDialog(&owner), m_owner(owner),
      m_buttonStyle(QStyleFactory::create(QStringLiteral("Windows"))) {
    m_controls =
        createControls(ControlFactory{*this, owner.twips(), m_buttonStyle.get()}, optionsDesign());
    for (const auto& [control, widget] : m_controls) {
        if (auto* button = qobject_cast<QAbstractButton*>(widget))
            connect(button, &QAbstractButton::clicked, this, [this, c = control] {
                if (m_controller)
                    m_controller->click(c);
            });
    }
}

QtOptionsWindow::~QtOptionsWindow() {
    // The buttons go before the style that draws them.
    delete widget(OptionsControl::cmdOK);
    delete widget(OptionsControl::cmdCancel);
}

QCheckBox* QtOptionsWindow::checkBox(OptionsControl box) const {
    return static_cast<QCheckBox*>(widget(box));
}

QLineEdit* QtOptionsWindow::Txt_WarnTonSek() const {
    return static_cast<QLineEdit*>(widget(OptionsControl::Txt_WarnTonSek));
}

void QtOptionsWindow::setValue(OptionsControl box, CheckState state) {
    checkBox(box)->setTristate(state == CheckState::Greyed);
    checkBox(box)->setCheckState(state == CheckState::Unchecked ? Qt::Unchecked
                                 : state == CheckState::Checked ? Qt::Checked
                                                                : Qt::PartiallyChecked);
}

void QtOptionsWindow::setWarnTonSekText(const std::string& text) {
    Txt_WarnTonSek()->setText(QString::fromStdString(text));
}

std::string QtOptionsWindow::warnTonSekText() const {
    return Txt_WarnTonSek()->text().toStdString();
}

CursorPosition QtOptionsWindow::cursorPosition() const {
    const QPoint p = QCursor::pos();
    return {p.x(), p.y()};
}

TwipsSize QtOptionsWindow::twipsPerPixel() const {
    return {m_owner.twips().perPixelX, m_owner.twips().perPixelY};
}

void QtOptionsWindow::moveDialog(double left, double top) {
    move(m_owner.twips().x(left), m_owner.twips().y(top));
}

void QtOptionsWindow::messageBox(std::string_view title, const std::string& text,
                                 MessageIcon icon) {
    execMessageBox(this, title, text, icon);
}

std::optional<OptionsControl> QtOptionsWindow::focusedControl() const {
    return controlOf<OptionsControl>(focusWidget());
}

void QtOptionsWindow::showModal(WindowController<OptionsControl>& controller) {
    m_controller = &controller;
    exec();
    m_controller = nullptr;
}

void QtOptionsWindow::keyPressEvent(QKeyEvent* event) {
    const std::optional<Key> key = engineKey(*event);
    if (!m_controller || !key || !m_controller->key(*key))
        QDialog::keyPressEvent(event);
}

void QtOptionsWindow::closeEvent(QCloseEvent* event) {
    if (m_controller)
        m_controller->close();
    event->accept();
}
