#include "shell/qt/options_dialog.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QCursor>
#include <QLineEdit>
#include <QPushButton>
#include <QStyleFactory>

#include "shell/qt/design_controls.h"
#include "shell/qt/engine_key.h"
#include "shell/qt/form1_window.h"
#include "shell/qt/message_box.h"

OptionsDialog::OptionsDialog(Form1Window& owner)
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

OptionsDialog::~OptionsDialog() {
    // The buttons go before the style that draws them.
    delete widget(OptionsControl::cmdOK);
    delete widget(OptionsControl::cmdCancel);
}

QCheckBox* OptionsDialog::checkBox(OptionsControl box) const {
    return static_cast<QCheckBox*>(widget(box));
}

QLineEdit* OptionsDialog::Txt_WarnTonSek() const {
    return static_cast<QLineEdit*>(widget(OptionsControl::Txt_WarnTonSek));
}

void OptionsDialog::setValue(OptionsControl box, CheckState state) {
    checkBox(box)->setTristate(state == CheckState::Greyed);
    checkBox(box)->setCheckState(state == CheckState::Unchecked ? Qt::Unchecked
                                 : state == CheckState::Checked ? Qt::Checked
                                                                : Qt::PartiallyChecked);
}

void OptionsDialog::setWarnTonSekText(const std::string& text) {
    Txt_WarnTonSek()->setText(QString::fromStdString(text));
}

std::string OptionsDialog::warnTonSekText() const {
    return Txt_WarnTonSek()->text().toStdString();
}

CursorPosition OptionsDialog::cursorPosition() const {
    const QPoint p = QCursor::pos();
    return {p.x(), p.y()};
}

TwipsSize OptionsDialog::twipsPerPixel() const {
    return {m_owner.twips().perPixelX, m_owner.twips().perPixelY};
}

void OptionsDialog::moveDialog(double left, double top) {
    move(m_owner.twips().x(left), m_owner.twips().y(top));
}

void OptionsDialog::messageBox(std::string_view title, const std::string& text, MessageIcon icon) {
    execMessageBox(this, title, text, icon);
}

std::optional<OptionsControl> OptionsDialog::focusedControl() const {
    return controlOf<OptionsControl>(focusWidget());
}

void OptionsDialog::showModal(WindowController<OptionsControl>& controller) {
    m_controller = &controller;
    exec();
    m_controller = nullptr;
}

void OptionsDialog::keyPressEvent(QKeyEvent* event) {
    const std::optional<Key> key = engineKey(*event);
    if (!m_controller || !key || !m_controller->key(*key))
        QDialog::keyPressEvent(event);
}

void OptionsDialog::closeEvent(QCloseEvent* event) {
    if (m_controller)
        m_controller->close();
    event->accept();
}
