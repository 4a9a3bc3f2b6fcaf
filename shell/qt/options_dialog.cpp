#include "shell/qt/options_dialog.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QCursor>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QStyleFactory>

#include "shell/qt/design_controls.h"
#include "shell/qt/form1_window.h"
#include "shell/qt/message_box.h"

OptionsDialog::OptionsDialog(Form1Window& owner, frmOptions& handlers)
    : QDialog(&owner, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint),
      m_owner(owner), m_handlers(handlers),
      m_buttonStyle(QStyleFactory::create(QStringLiteral("Windows"))) {
    m_controls =
        createControls(ControlFactory{*this, owner.twips(), m_buttonStyle.get()}, optionsDesign());
    for (const auto& [control, widget] : m_controls) {
        if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
            // A focused button takes Enter itself, which the engine's rule also says; OK is
            // drawn as the default, where the focus starts.
            if (auto* push = qobject_cast<QPushButton*>(button))
                push->setDefault(control == OptionsControl::cmdOK);
            connect(button, &QAbstractButton::clicked, this,
                    [this, c = control] { m_handlers.click(*this, c); });
        }
    }
    m_handlers.Form_Load(*this);
    widget(OptionsControl::cmdOK)->setFocus();
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

double OptionsDialog::twipsPerPixelX() const {
    return m_owner.twips().perPixelX;
}

double OptionsDialog::twipsPerPixelY() const {
    return m_owner.twips().perPixelY;
}

void OptionsDialog::moveDialog(double left, double top) {
    move(m_owner.twips().x(left), m_owner.twips().y(top));
}

void OptionsDialog::messageBox(std::string_view title, const std::string& text, MessageIcon icon) {
    execMessageBox(this, title, text, icon);
}

void OptionsDialog::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter: {
        OptionsControl focused = OptionsControl::Label1;
        for (const auto& [control, w] : m_controls)
            if (w == focusWidget())
                focused = control;
        m_handlers.enterKey(*this, focused);
        return;
    }
    case Qt::Key_Escape:
        m_handlers.escapeKey(*this);
        return;
    default:
        QDialog::keyPressEvent(event);
    }
}

void OptionsDialog::closeEvent(QCloseEvent* event) {
    m_handlers.cmdCancel_Click(*this);
    event->accept();
}
