#include "shell/qt/options_dialog.h"

#include <QCheckBox>
#include <QCursor>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QStyleFactory>
#include <limits>

#include "shell/qt/form1_window.h"

namespace {
const QColor DialogBack(255, 255, 239);
const QColor ButtonFace(224, 224, 224);
constexpr double ClientWidth = 3780;
constexpr double ClientHeight = 2295;

void setColour(QWidget* widget, QPalette::ColorRole role, const QColor& colour) {
    QPalette p = widget->palette();
    p.setColor(role, colour);
    widget->setPalette(p);
}
} // namespace

OptionsDialog::OptionsDialog(Form1Window& owner, frmOptions& handlers)
    : QDialog(&owner, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint),
      m_owner(owner), m_handlers(handlers),
      m_buttonStyle(QStyleFactory::create(QStringLiteral("Windows"))) {
    setWindowTitle(QStringLiteral(" Zeitfang Optionen"));
    setFixedSize(owner.toPixelsX(ClientWidth), owner.toPixelsY(ClientHeight));
    setAutoFillBackground(true);
    setColour(this, QPalette::Window, DialogBack);
    setFont(owner.font());

    Check_msgonsync =
        checkBox(QStringLiteral("nach Uhrzeitsynchronisation Meldung zeigen"), 120, 120, 3615);
    Check_synconstart =
        checkBox(QStringLiteral("bei jedem Programmstart Uhr synchronisieren"), 120, 600, 3615);
    Check_Warnton = checkBox(QStringLiteral("Warnton, wenn Restzeit  ="), 120, 1080, 2415);
    Txt_WarnTonSek = new QLineEdit(this);
    Txt_WarnTonSek->setMaxLength(std::numeric_limits<int>::max());
    setTwipsGeometry(Txt_WarnTonSek, 2400, 1150, 400, 285);
    Label1 = new QLabel(QStringLiteral("Sekunden"), this);
    setTwipsGeometry(Label1, 2880, 1200, 855, 255);
    Label1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    cmdOK = button(QStringLiteral("OK"), 705);
    cmdCancel = button(QStringLiteral("Abbrechen"), 1920);
    // Enter answers OK and Esc answers Abbrechen (QDialog rejects on Esc).
    cmdOK->setDefault(true);

    setTabOrder(cmdOK, cmdCancel);
    setTabOrder(cmdCancel, Check_msgonsync);
    setTabOrder(Check_msgonsync, Check_synconstart);
    setTabOrder(Check_synconstart, Check_Warnton);
    setTabOrder(Check_Warnton, Txt_WarnTonSek);

    connect(cmdOK, &QPushButton::clicked, this, [this] { m_handlers.cmdOK_Click(*this); });
    connect(cmdCancel, &QPushButton::clicked, this, [this] { m_handlers.cmdCancel_Click(*this); });
    m_handlers.Form_Load(*this);
    cmdOK->setFocus();
}

OptionsDialog::~OptionsDialog() {
    // The buttons go before the style that draws them.
    delete cmdOK;
    delete cmdCancel;
}

void OptionsDialog::setTwipsGeometry(QWidget* control, double left, double top, double width,
                                     double height) {
    control->setGeometry(m_owner.toPixelsX(left), m_owner.toPixelsY(top), m_owner.toPixelsX(width),
                         m_owner.toPixelsY(height));
}

QCheckBox* OptionsDialog::checkBox(const QString& text, double left, double top, double width) {
    auto* created = new QCheckBox(text, this);
    // Once ticked or cleared, a greyed box is an ordinary one.
#if QT_VERSION >= QT_VERSION_CHECK(6, 7, 0)
    const auto changed = &QCheckBox::checkStateChanged;
#else
    const auto changed = &QCheckBox::stateChanged;
#endif
    connect(created, changed, created, [created](int state) {
        if (state != Qt::PartiallyChecked)
            created->setTristate(false);
    });
    setTwipsGeometry(created, left, top, width, 495);
    created->setAutoFillBackground(true);
    // A button fills with its Button colour unless told otherwise: the box lies on the dialog's.
    created->setBackgroundRole(QPalette::Window);
    setColour(created, QPalette::Window, DialogBack);
    return created;
}

QPushButton* OptionsDialog::button(const QString& text, double left) {
    auto* b = new QPushButton(text, this);
    setTwipsGeometry(b, left, 1695, 1095, 375);
    // A flat face in the button colour with a raised edge, as the classic style draws it, where
    // the application's style would shade it and tint the default button.
    b->setStyle(m_buttonStyle.get());
    setColour(b, QPalette::Button, ButtonFace);
    return b;
}

QCheckBox* OptionsDialog::box(OptionsCheck check) const {
    switch (check) {
    case OptionsCheck::Check_msgonsync:
        return Check_msgonsync;
    case OptionsCheck::Check_synconstart:
        return Check_synconstart;
    default:
        return Check_Warnton;
    }
}

void OptionsDialog::setValue(OptionsCheck check, CheckState state) {
    QCheckBox* b = box(check);
    b->setTristate(state == CheckState::Greyed);
    b->setCheckState(state == CheckState::Unchecked ? Qt::Unchecked
                     : state == CheckState::Checked ? Qt::Checked
                                                    : Qt::PartiallyChecked);
}

CheckState OptionsDialog::value(OptionsCheck check) const {
    switch (box(check)->checkState()) {
    case Qt::Unchecked:
        return CheckState::Unchecked;
    case Qt::Checked:
        return CheckState::Checked;
    default:
        return CheckState::Greyed;
    }
}

void OptionsDialog::setWarnTonSekText(const std::string& text) {
    Txt_WarnTonSek->setText(QString::fromStdString(text));
}

std::string OptionsDialog::warnTonSekText() const {
    return Txt_WarnTonSek->text().toStdString();
}

CursorPosition OptionsDialog::cursorPosition() const {
    const QPoint p = QCursor::pos();
    return {p.x(), p.y()};
}

double OptionsDialog::twipsPerPixelX() const {
    return m_owner.twipsPerPixelX();
}

double OptionsDialog::twipsPerPixelY() const {
    return m_owner.twipsPerPixelY();
}

void OptionsDialog::moveDialog(double left, double top) {
    move(m_owner.toPixelsX(left), m_owner.toPixelsY(top));
}

void OptionsDialog::messageBox(const std::string& text, MessageIcon icon) {
    QMessageBox box(
        icon == MessageIcon::Information ? QMessageBox::Information : QMessageBox::NoIcon,
        QStringLiteral("Zeitfang"), QString::fromStdString(text), QMessageBox::Ok, this);
    box.exec();
}
