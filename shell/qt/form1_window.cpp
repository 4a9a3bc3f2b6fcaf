#include "shell/qt/form1_window.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QFileInfo>
#include <QMessageBox>
#include <QMouseEvent>
#include <QShortcut>
#include <QUrl>
#include <cmath>

#include "shell/qt/app_icon.h"
#include "shell/qt/design_fonts.h"
#include "shell/qt/options_dialog.h"
#include "shell/qt/x11_window_title.h"

namespace {
constexpr double ClientWidth = 4200;
constexpr double ClientHeight = 2745;

QColor qtColour(Colour c) {
    return QColor(static_cast<int>(c & 255), static_cast<int>(c >> 8 & 255),
                  static_cast<int>(c >> 16 & 255));
}
} // namespace

Form1Window::Form1Window(Platform& platform, SharedState& shared) : form1(*this, platform, shared) {
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
    QFont defaultFont(designFamily(QStringLiteral("MS Sans Serif")));
    defaultFont.setPointSizeF(8.25);
    setFont(defaultFont);

    // Created back to front: a later sibling lies in front of an earlier one.
    m_controls[static_cast<std::size_t>(Control::Shape2)] = new Shape(this);
    setTwipsGeometry(widget(Control::Shape2), 120, 720, 2055, 1935);
    VbLabel* hint = addLabel(Control::Lbl_NoAuction, designFamily(QStringLiteral("MS Sans Serif")),
                             9.75, VbLabel::Fit::WrapToWidth);
    setTwipsGeometry(hint, 201, 960, 1845, 1440);
    hint->setDesignCaption(QStringLiteral(
        "Öffnen Sie den Artikel, auf den Sie bieten möchten, in Ihrem Internet Explorer und "
        "klicken Sie auf 'Artikel übernehmen'"));
    m_controls[static_cast<std::size_t>(Control::Shape3)] = new Shape(this);
    setTwipsGeometry(widget(Control::Shape3), 120, 120, 3975, 495);
    m_controls[static_cast<std::size_t>(Control::Shape1)] = new Shape(this);
    setTwipsGeometry(widget(Control::Shape1), 2280, 720, 1815, 1935);
    VbLabel* Label1 = addLabel(Control::Label1, designFamily(QStringLiteral("Arial")), 11.25,
                               VbLabel::Fit::KeepCentre);
    setTwipsGeometry(Label1, 405, 240, 3315, 255);
    Label1->setDesignCaption(QStringLiteral("keine Auktionsdaten weit und breit"));
    VbLabel* Label2 =
        addLabel(Control::Label2, font().family(), font().pointSizeF(), VbLabel::Fit::Grow);
    setTwipsGeometry(Label2, 360, 720, 840, 195);
    Label2->setForeColor(QColor(247, 255, 244));
    Label2->setDesignCaption(QStringLiteral("Label2gdfg "));
    commandLabel(Control::Lbl_GoItem, QStringLiteral("Link zum Artikel"), 2730, 960, 1275,
                 QStringLiteral(" Öffnet die Artikelbeschreibung bei eBay "));
    commandLabel(Control::Lbl_Optionen, QStringLiteral("zu den Optionen"), 2670, 1760, 1335,
                 QStringLiteral(" Öffnet das Optionsformular "));
    commandLabel(Control::Lbl_GetArtikel, QStringLiteral("Artikel übernehmen"), 2400, 2160, 1605,
                 QStringLiteral(" Übernimmt den Artikel aus dem Browser "));
    VbLabel* LabelZeit = addLabel(Control::LabelZeit, designFamily(QStringLiteral("Arial")), 21.75,
                                  VbLabel::Fit::KeepCentre);
    setTwipsGeometry(LabelZeit, 960, 1560, 495, 495);
    LabelZeit->setForeColor(QColor(255, 0, 0));
    LabelZeit->setDesignCaption(QStringLiteral("34"));
    commandLabel(Control::Lbl_GetTime, QStringLiteral("Uhr synchronisieren"), 2340, 1360, 1665,
                 QStringLiteral(" Synchronisiert die Systemuhr mit dem eBayserver "));

    Timer1 = new VbTimer(this);
    Timer1->setInterval(500);
    Timer1->start();
    connect(Timer1, &QTimer::timeout, this, [this] { form1.Timer1_Timer(); });

    const std::pair<Control, void (Form1::*)()> moves[] = {
        {Control::Lbl_GetTime, &Form1::Lbl_GetTime_MouseMove},
        {Control::Lbl_GetArtikel, &Form1::Lbl_GetArtikel_MouseMove},
        {Control::Lbl_Optionen, &Form1::Lbl_Optionen_MouseMove},
        {Control::Lbl_GoItem, &Form1::Lbl_GoItem_MouseMove}};
    for (const auto& [control, handler] : moves)
        connect(label(control), &VbLabel::mouseMoved, this, [this, h = handler] { (form1.*h)(); });
    const std::pair<Control, void (Form1::*)()> clicks[] = {
        {Control::Lbl_GetArtikel, &Form1::Lbl_GetArtikel_Click},
        {Control::Lbl_GetTime, &Form1::Lbl_GetTime_Click},
        {Control::Lbl_Optionen, &Form1::Lbl_Optionen_Click},
        {Control::Lbl_GoItem, &Form1::Lbl_GoItem_Click}};
    for (const auto& [control, handler] : clicks)
        connect(label(control), &VbLabel::clicked, this, [this, h = handler] { (form1.*h)(); });

    normalGeometry = new NormalGeometry(*this);
}

VbLabel* Form1Window::label(Control control) const {
    return static_cast<VbLabel*>(widget(control));
}

VbLabel* Form1Window::addLabel(Control control, const QString& family, double pointSize,
                               VbLabel::Fit fit) {
    auto* created = new VbLabel(this, family, pointSize, fit);
    m_controls[static_cast<std::size_t>(control)] = created;
    return created;
}

VbLabel* Form1Window::commandLabel(Control control, const QString& text, double left, double top,
                                   double width, const QString& toolTip) {
    VbLabel* created =
        addLabel(control, designFamily(QStringLiteral("Arial")), 9, VbLabel::Fit::Grow);
    setTwipsGeometry(created, left, top, width, 225);
    created->setForeColor(qtColour(CommandBlue));
    created->setDesignCaption(text);
    created->setToolTip(toolTip);
    created->setCursor(Qt::PointingHandCursor);
    return created;
}

int Form1Window::toPixelsX(double twips) const {
    return static_cast<int>(std::lround(twips / m_twipsPerPixelX));
}

int Form1Window::toPixelsY(double twips) const {
    return static_cast<int>(std::lround(twips / m_twipsPerPixelY));
}

void Form1Window::setTwipsGeometry(QWidget* control, double left, double top, double width,
                                   double height) {
    control->setGeometry(toPixelsX(left), toPixelsY(top), toPixelsX(width), toPixelsY(height));
}

void Form1Window::setCaption(const std::string& caption) {
    m_caption = QString::fromStdString(caption);
    // Qt reads "[*]" in a window title as a placeholder; doubled, it stands for itself.
    QString shown = m_caption;
    shown.replace(QStringLiteral("[*]"), QStringLiteral("[*][*]"));
    setWindowTitle(shown);
    if (m_caption.isEmpty())
        showEmptyTitle(*this);
}

void Form1Window::setCaption(Control control, const std::string& caption) {
    label(control)->setCaption(QString::fromStdString(caption));
}

std::string Form1Window::caption(Control control) const {
    return label(control)->caption().toStdString();
}

void Form1Window::setControlVisible(Control control, bool visible) {
    widget(control)->setVisible(visible);
}

void Form1Window::setFontSize(Control control, double points) {
    label(control)->setFontSize(points);
}

void Form1Window::setColour(Control control, Colour colour) {
    if (auto* shape = dynamic_cast<Shape*>(widget(control)))
        shape->setFillColor(qtColour(colour));
    else
        label(control)->setForeColor(qtColour(colour));
}

void Form1Window::setUnderline(Control control, bool underline) {
    label(control)->setUnderline(underline);
}

TwipsRect Form1Window::controlRect(Control control) const {
    const QRect r = widget(control)->geometry();
    return {r.x() * m_twipsPerPixelX, r.y() * m_twipsPerPixelY, r.width() * m_twipsPerPixelX,
            r.height() * m_twipsPerPixelY};
}

void Form1Window::moveControl(Control control, double left, double top) {
    widget(control)->move(toPixelsX(left), toPixelsY(top));
}

void Form1Window::messageBox(const std::string& text, MessageIcon icon) {
    QMessageBox box(
        icon == MessageIcon::Information ? QMessageBox::Information : QMessageBox::NoIcon,
        QStringLiteral("Zeitfang"), QString::fromStdString(text), QMessageBox::Ok, this);
    box.exec();
}

void Form1Window::showOptions(frmOptions& handlers) {
    OptionsDialog dialog(*this, handlers);
    dialog.exec();
}

TwipsRect Form1Window::normalRect() const {
    const QRect r = normalGeometry->rect();
    return {r.left() * m_twipsPerPixelX, r.top() * m_twipsPerPixelY, r.width() * m_twipsPerPixelX,
            r.height() * m_twipsPerPixelY};
}

void Form1Window::placeNormal(const TwipsRect& r) {
    normalGeometry->place(
        QRect(toPixelsX(r.left), toPixelsY(r.top), toPixelsX(r.width), toPixelsY(r.height)));
}

int Form1Window::placementState() const {
    if (windowState() & Qt::WindowMinimized)
        return 1;
    if (windowState() & Qt::WindowMaximized)
        return 2;
    return 0;
}

void Form1Window::setPlacementState(int state) {
    setWindowState(state == 1   ? Qt::WindowMinimized
                   : state == 2 ? Qt::WindowMaximized
                                : Qt::WindowNoState);
}

void Form1Window::registerHelpFile(const std::string& fileName) {
    // The help file is registered, not checked: F1 opens it when it is there.
    const QString helpFile =
        QCoreApplication::applicationDirPath() + "/" + QString::fromStdString(fileName);
    auto* help = new QShortcut(QKeySequence::HelpContents, this);
    connect(help, &QShortcut::activated, [helpFile] {
        if (QFileInfo::exists(helpFile))
            QDesktopServices::openUrl(QUrl::fromLocalFile(helpFile));
    });
}

bool Form1Window::event(QEvent* event) {
    // The native window takes its title when it is created, with the same fallback.
    if (event->type() == QEvent::WinIdChange && m_caption.isEmpty())
        showEmptyTitle(*this);
    return QWidget::event(event);
}

void Form1Window::closeEvent(QCloseEvent* event) {
    form1.Form_Unload();
    event->accept();
}

void Form1Window::mouseMoveEvent(QMouseEvent* event) {
    form1.Form_MouseMove();
    event->accept();
}
