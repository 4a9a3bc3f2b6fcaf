#include "options/frm_options.h"

#include <QCheckBox>
#include <QCursor>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QStyleFactory>
#include <limits>

#include "app/form1.h"
#include "options/logic/warn_seconds.h"

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

// A flag other than 0 or 1 (only a hand-edited store holds one) shows as a greyed box and is
// kept as it was unless the user ticks or clears the box.
void showFlag(QCheckBox* box, std::int16_t flag) {
    box->setTristate(flag != 0 && flag != 1);
    box->setCheckState(flag == 0 ? Qt::Unchecked : flag == 1 ? Qt::Checked : Qt::PartiallyChecked);
}

std::int16_t flagOf(const QCheckBox* box, std::int16_t shown) {
    switch (box->checkState()) {
    case Qt::Unchecked:
        return 0;
    case Qt::Checked:
        return 1;
    default:
        return shown;
    }
}
} // namespace

frmOptions::frmOptions(Form1& owner)
    : QDialog(&owner, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint),
      m_owner(owner), m_buttonStyle(QStyleFactory::create(QStringLiteral("Windows"))) {
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

    connect(cmdOK, &QPushButton::clicked, this, &frmOptions::cmdOK_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &frmOptions::cmdCancel_Click);
    Form_Load();
}

frmOptions::~frmOptions() {
    // The buttons go before the style that draws them.
    delete cmdOK;
    delete cmdCancel;
}

void frmOptions::setTwipsGeometry(QWidget* control, double left, double top, double width,
                                  double height) {
    control->setGeometry(m_owner.toPixelsX(left), m_owner.toPixelsY(top), m_owner.toPixelsX(width),
                         m_owner.toPixelsY(height));
}

QCheckBox* frmOptions::checkBox(const QString& text, double left, double top, double width) {
    auto* box = new QCheckBox(text, this);
    // Once ticked or cleared, a greyed box is an ordinary one.
    connect(box, &QCheckBox::stateChanged, box, [box](int state) {
        if (state != Qt::PartiallyChecked)
            box->setTristate(false);
    });
    setTwipsGeometry(box, left, top, width, 495);
    // A button fills with its Button colour unless told otherwise: the box lies on the dialog's.
    box->setBackgroundRole(QPalette::Window);
    box->setAutoFillBackground(true);
    setColour(box, QPalette::Window, DialogBack);
    return box;
}

QPushButton* frmOptions::button(const QString& text, double left) {
    auto* b = new QPushButton(text, this);
    setTwipsGeometry(b, left, 1695, 1095, 375);
    // A flat face in the button colour with a raised edge, as the classic style draws it, where
    // the application's style would shade it and tint the default button.
    b->setStyle(m_buttonStyle.get());
    setColour(b, QPalette::Button, ButtonFace);
    return b;
}

void frmOptions::Form_Load() {
    // At the pointer, 500 twips left and 1800 twips up of it; no check against the screen.
    const QPoint cursor = QCursor::pos();
    move(m_owner.toPixelsX(cursor.x() * m_owner.twipsPerPixelX() - 500),
         m_owner.toPixelsY(cursor.y() * m_owner.twipsPerPixelY() - 1800));
    m_shown = m_owner.shared.AppSettings;
    const AppSettingsRecord& s = m_shown;
    showFlag(Check_msgonsync, s.msgonsync);
    showFlag(Check_synconstart, s.synconstart);
    showFlag(Check_Warnton, s.warnton);
    Txt_WarnTonSek->setText(QString::number(s.warntonsek));
    cmdOK->setFocus();
}

void frmOptions::cmdOK_Click() {
    AppSettingsRecord& s = m_owner.shared.AppSettings;
    // The flags act at once, even when the seconds are refused below.
    s.msgonsync = flagOf(Check_msgonsync, m_shown.msgonsync);
    s.synconstart = flagOf(Check_synconstart, m_shown.synconstart);
    s.warnton = flagOf(Check_Warnton, m_shown.warnton);
    const std::optional<std::int16_t> seconds =
        parseWarnSeconds(Txt_WarnTonSek->text().toStdString());
    if (!seconds) {
        QMessageBox box(QMessageBox::Information, QStringLiteral("Zeitfang"),
                        QStringLiteral("Es sind nur Zahlen grösser 0 zulässig!"), QMessageBox::Ok,
                        this);
        box.exec();
        return;
    }
    s.warntonsek = *seconds;
    for (const PreferenceKey& key : PreferenceKeys)
        m_owner.platform.settings.SaveSetting(SettingsAppName, SettingsSection, key.key,
                                              QString::number(s.*key.field));
    accept();
}

void frmOptions::cmdCancel_Click() {
    reject();
}
