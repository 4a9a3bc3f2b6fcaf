#include "app/form1.h"

#include <QCloseEvent>
#include <QMessageBox>
#include <QMouseEvent>
#include <cmath>

#include "app/app_icon.h"
#include "app/item_page.h"
#include "app/settings_loading.h"
#include "app/window_placement.h"
#include "capture/capture_auction.h"
#include "options/frm_options.h"
#include "platform/x11_window_title.h"

namespace {
constexpr double ClientWidth = 4200;
constexpr double ClientHeight = 2745;
} // namespace

Form1::Form1(Platform& platformServices, SharedState& sharedState)
    : platform(platformServices), shared(sharedState),
      clockSync(platform.transfer, platform.clock, shared.AppSettings,
                [this](const QString& text) { showSyncMessage(text); }) {
    m_twipsPerPixelX = 1440.0 / logicalDpiX();
    m_twipsPerPixelY = 1440.0 / logicalDpiY();
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint);
    setFixedSize(toPixelsX(ClientWidth), toPixelsY(ClientHeight));
    setWindowIcon(appIcon());
    setAutoFillBackground(true);
    QPalette p = palette();
    p.setColor(QPalette::Window, QColor(235, 235, 235));
    setPalette(p);
    setMouseTracking(true);
    QFont defaultFont(QStringLiteral("MS Sans Serif"));
    defaultFont.setPointSizeF(8.25);
    setFont(defaultFont);

    // Created back to front: a later sibling lies in front of an earlier one.
    Shape2 = new Shape(this);
    setTwipsGeometry(Shape2, 120, 720, 2055, 1935);
    Lbl_NoAuction =
        new VbLabel(this, QStringLiteral("MS Sans Serif"), 9.75, VbLabel::Fit::WrapToWidth);
    setTwipsGeometry(Lbl_NoAuction, 201, 960, 1845, 1440);
    Lbl_NoAuction->setDesignCaption(QStringLiteral(
        "Öffnen Sie den Artikel, auf den Sie bieten möchten, in Ihrem Internet Explorer und "
        "klicken Sie auf 'Artikel übernehmen'"));
    Shape3 = new Shape(this);
    setTwipsGeometry(Shape3, 120, 120, 3975, 495);
    Shape1 = new Shape(this);
    setTwipsGeometry(Shape1, 2280, 720, 1815, 1935);
    Label1 = new VbLabel(this, QStringLiteral("Arial"), 11.25, VbLabel::Fit::KeepCentre);
    setTwipsGeometry(Label1, 405, 240, 3315, 255);
    Label1->setDesignCaption(QStringLiteral("keine Auktionsdaten weit und breit"));
    Label2 = new VbLabel(this, font().family(), font().pointSizeF(), VbLabel::Fit::Grow);
    setTwipsGeometry(Label2, 360, 720, 840, 195);
    Label2->setForeColor(QColor(247, 255, 244));
    Label2->setDesignCaption(QStringLiteral("Label2gdfg "));
    Lbl_GoItem = commandLabel(QStringLiteral("Link zum Artikel"), 2730, 960, 1275,
                              QStringLiteral(" Öffnet die Artikelbeschreibung bei eBay "));
    Lbl_Optionen = commandLabel(QStringLiteral("zu den Optionen"), 2670, 1760, 1335,
                                QStringLiteral(" Öffnet das Optionsformular "));
    Lbl_GetArtikel = commandLabel(QStringLiteral("Artikel übernehmen"), 2400, 2160, 1605,
                                  QStringLiteral(" Übernimmt den Artikel aus dem Browser "));
    LabelZeit = new VbLabel(this, QStringLiteral("Arial"), 21.75, VbLabel::Fit::KeepCentre);
    setTwipsGeometry(LabelZeit, 960, 1560, 495, 495);
    LabelZeit->setForeColor(QColor(255, 0, 0));
    LabelZeit->setDesignCaption(QStringLiteral("34"));
    Lbl_GetTime = commandLabel(QStringLiteral("Uhr synchronisieren"), 2340, 1360, 1665,
                               QStringLiteral(" Synchronisiert die Systemuhr mit dem eBayserver "));

    Timer1 = new VbTimer(this);
    Timer1->setInterval(500);
    Timer1->start();
    connect(Timer1, &QTimer::timeout, this, &Form1::Timer1_Timer);

    connect(Lbl_GetTime, &VbLabel::mouseMoved, this, &Form1::Lbl_GetTime_MouseMove);
    connect(Lbl_GetArtikel, &VbLabel::mouseMoved, this, &Form1::Lbl_GetArtikel_MouseMove);
    connect(Lbl_Optionen, &VbLabel::mouseMoved, this, &Form1::Lbl_Optionen_MouseMove);
    connect(Lbl_GoItem, &VbLabel::mouseMoved, this, &Form1::Lbl_GoItem_MouseMove);
    connect(Lbl_GetArtikel, &VbLabel::clicked, this, &Form1::Lbl_GetArtikel_Click);
    connect(Lbl_GetTime, &VbLabel::clicked, this, &Form1::Lbl_GetTime_Click);
    connect(Lbl_Optionen, &VbLabel::clicked, this, &Form1::Lbl_Optionen_Click);
    connect(Lbl_GoItem, &VbLabel::clicked, this, &Form1::Lbl_GoItem_Click);

    normalGeometry = new NormalGeometry(*this);
}

VbLabel* Form1::commandLabel(const QString& text, double left, double top, double width,
                             const QString& toolTip) {
    auto* label = new VbLabel(this, QStringLiteral("Arial"), 9, VbLabel::Fit::Grow);
    setTwipsGeometry(label, left, top, width, 225);
    label->setForeColor(CommandBlue);
    label->setDesignCaption(text);
    label->setToolTip(toolTip);
    label->setCursor(Qt::PointingHandCursor);
    return label;
}

int Form1::toPixelsX(double twips) const {
    return static_cast<int>(std::lround(twips / m_twipsPerPixelX));
}

int Form1::toPixelsY(double twips) const {
    return static_cast<int>(std::lround(twips / m_twipsPerPixelY));
}

void Form1::setTwipsGeometry(QWidget* control, double left, double top, double width,
                             double height) {
    control->setGeometry(toPixelsX(left), toPixelsY(top), toPixelsX(width), toPixelsY(height));
}

void Form1::centreOnShape2(QWidget* label) {
    const float top = static_cast<float>(Shape2->y()) + static_cast<float>(Shape2->height()) / 2 -
                      static_cast<float>(label->height()) / 2;
    label->move(label->x(), static_cast<int>(std::lround(top)));
}

void Form1::setCaption(const QString& caption) {
    m_caption = caption;
    // Qt reads "[*]" in a window title as a placeholder; doubled, it stands for itself.
    QString shown = caption;
    shown.replace(QStringLiteral("[*]"), QStringLiteral("[*][*]"));
    setWindowTitle(shown);
    if (caption.isEmpty())
        showEmptyTitle(*this);
}

bool Form1::event(QEvent* event) {
    // The native window takes its title when it is created, with the same fallback.
    if (event->type() == QEvent::WinIdChange && m_caption.isEmpty())
        showEmptyTitle(*this);
    return QWidget::event(event);
}

void Form1::Form1init() {
    shared.WindowStyleMask = WS_VISIBLE | WS_BORDER;
    Shape1->setFillColor(QColor(244, 255, 247));
    Shape2->setFillColor(QColor(255, 255, 232));
    Shape3->setFillColor(QColor(255, 244, 244));
    setCaption(
        QStringLiteral(" Zeitfang %1.%2").arg(ZEITFANG_VERSION_MAJOR).arg(ZEITFANG_VERSION_MINOR));
    shared.AppSettings = LoadAppSettings(platform.settings);
    CaptureAuction(*this);
    RestoreWindowPlacement(*this, SettingsAppName, SettingsSection, true);
    Update_Label();
}

void Form1::Refresh() {
    CaptureAuction(*this);
    Update_Label();
}

void Form1::Timer1_Timer() {
    Update_Label();
}

void Form1::Form_Unload() {
    SaveWindowPlacement(*this, SettingsAppName, SettingsSection);
}

void Form1::closeEvent(QCloseEvent* event) {
    Form_Unload();
    m_closed = true;
    // A synchronisation still waiting for the server ends with the window, its answer unused.
    clockSync.abandon();
    event->accept();
}

void Form1::mouseMoveEvent(QMouseEvent* event) {
    Form_MouseMove();
    event->accept();
}

void Form1::hover(VbLabel* label) {
    label->setForeColor(CommandRed);
    label->setUnderline(true);
}

void Form1::normalLook(VbLabel* label) {
    label->setForeColor(CommandBlue);
    label->setUnderline(false);
}

void Form1::Lbl_GoItem_MouseMove() {
    if (!shared.ItemNumber.isEmpty())
        hover(Lbl_GoItem);
}

void Form1::Form_MouseMove() {
    for (VbLabel* label : {Lbl_GoItem, Lbl_GetArtikel, Lbl_Optionen, Lbl_GetTime})
        normalLook(label);
}

void Form1::Lbl_GetArtikel_Click() {
    Refresh();
}

void Form1::Lbl_GetTime_Click() {
    clockSync.SyncClock();
}

void Form1::showSyncMessage(const QString& text) {
    QMessageBox box(QMessageBox::NoIcon, QStringLiteral("Zeitfang"), text, QMessageBox::Ok, this);
    box.exec();
}

void Form1::Lbl_Optionen_Click() {
    normalLook(Lbl_Optionen); // no movements reach the window while the dialog is open
    frmOptions dialog(*this);
    dialog.exec();
}

void Form1::Lbl_GoItem_Click() {
    if (shared.ItemNumber.isEmpty())
        return;
    platform.shell.open(ItemPageUrl(QStringLiteral(ZEITFANG_ITEM_HOST), shared.ItemNumber));
}
