#include "shell/qt/qt_form1_window.h"

#include <QAccessible>
#include <QCloseEvent>
#include <QMouseEvent>
#include <utility>

#include "shell/qt/app_icon.h"
#include "shell/qt/design_controls.h"
#include "shell/qt/engine_key.h"
#include "shell/qt/message_box.h"
#include "shell/qt/qt_options_window.h"
#include "shell/qt/shape.h"
#include "shell/qt/x11_window_title.h"

namespace {
QTimer* preciseTimer(QObject* parent) {
    auto* timer = new QTimer(parent);
    timer->setTimerType(Qt::PreciseTimer);
    return timer;
}
} // namespace

QtForm1Window::QtForm1Window(Platform& platform, SharedState& shared)
    : m_twips{1440.0 / logicalDpiX(), 1440.0 / logicalDpiY()},
      m_controls(createControls(ControlFactory{*this, m_twips}, form1Design())),
      m_notice(new QtNotice(this)), Timer1(preciseTimer(this)),
      normalGeometry(new NormalGeometry(*this)), form1(*this, platform, shared) {
    setMouseTracking(true);
    for (const auto& [control, widget] : m_controls) {
        if (auto* l = qobject_cast<QtLabel*>(widget)) {
            connect(l, &QtLabel::mouseMoved, this, [this, c = control] { form1.mouseMove(c); });
            connect(l, &QtLabel::clicked, this, [this, c = control] { form1.click(c); });
        }
    }
    connect(Timer1, &QTimer::timeout, this, [this] { form1.timer(); });
}

QtForm1Window::~QtForm1Window() = default;

QtLabel* QtForm1Window::label(Control control) const {
    return static_cast<QtLabel*>(widget(control));
}

void QtForm1Window::setCaption(const std::string& caption) {
    m_spokenCaption = QString::fromStdString(caption);
    setTickingCaption(caption);
}

void QtForm1Window::setTickingCaption(const std::string& caption) {
    m_caption = QString::fromStdString(caption);
    // Qt reads "[*]" in a window title as a placeholder; doubled, it stands for itself.
    QString shown = m_caption;
    shown.replace(QStringLiteral("[*]"), QStringLiteral("[*][*]"));
    setWindowTitle(shown);
    if (m_caption.isEmpty())
        showEmptyTitle(*this);
}

void QtForm1Window::setCaption(Control control, const std::string& caption) {
    label(control)->setCaption(QString::fromStdString(caption));
}

void QtForm1Window::setControlVisible(Control control, bool visible) {
    widget(control)->setVisible(visible);
}

void QtForm1Window::setFontSize(Control control, double points) {
    label(control)->setFontSize(points);
}

void QtForm1Window::setColour(Control control, Colour colour) {
    if (auto* shape = dynamic_cast<Shape*>(widget(control)))
        shape->setFillColor(qtColour(colour));
    else
        label(control)->setForeColor(qtColour(colour));
}

void QtForm1Window::setUnderline(Control control, bool underline) {
    label(control)->setUnderline(underline);
}

void QtForm1Window::showFocusCue(std::optional<Control> command) {
    for (const auto& [control, widget] : m_controls)
        if (auto* l = qobject_cast<QtLabel*>(widget); l && l->isCommand())
            l->setFocusCue(control == command);
}

TwipsSize QtForm1Window::textExtent(Control control) const {
    const QSize size = label(control)->textExtent();
    return {size.width() * m_twips.perPixelX, size.height() * m_twips.perPixelY};
}

void QtForm1Window::placeControl(Control control, const TwipsRect& rect) {
    widget(control)->setGeometry(m_twips.pixels(rect));
}

void QtForm1Window::announce(const std::string& text) {
    m_notice->announce(QString::fromStdString(text));
}

void QtForm1Window::messageBox(std::string_view title, const std::string& text, MessageIcon icon) {
    execMessageBox(this, title, text, icon);
}

std::optional<Control> QtForm1Window::focusedControl() const {
    return controlOf<Control>(focusWidget());
}

std::unique_ptr<OptionsView> QtForm1Window::newOptionsView() {
    return std::make_unique<QtOptionsWindow>(*this);
}

TwipsRect QtForm1Window::normalRect() const {
    return m_twips.twips(normalGeometry->rect());
}

void QtForm1Window::placeNormal(const TwipsRect& r) {
    normalGeometry->place(m_twips.pixels(r));
}

WindowState QtForm1Window::placementState() const {
    if (windowState() & Qt::WindowMinimized)
        return WindowState::Minimized;
    if (windowState() & Qt::WindowMaximized)
        return WindowState::Maximized;
    return WindowState::Normal;
}

void QtForm1Window::setPlacementState(WindowState state) {
    setWindowState(state == WindowState::Minimized   ? Qt::WindowMinimized
                   : state == WindowState::Maximized ? Qt::WindowMaximized
                                                     : Qt::WindowNoState);
}

bool QtForm1Window::event(QEvent* event) {
    // The native window takes its title when it is created, with the same fallback.
    if (event->type() == QEvent::WinIdChange && m_caption.isEmpty())
        showEmptyTitle(*this);
    // The icon is drawn, and the window manager reads it, once the first picture is there.
    if (event->type() == QEvent::Paint && !std::exchange(m_iconGiven, true))
        QTimer::singleShot(0, this, [this] { setWindowIcon(appIcon()); });
    return QWidget::event(event);
}

void QtForm1Window::closeEvent(QCloseEvent* event) {
    form1.close();
    event->accept();
}

void QtForm1Window::mouseMoveEvent(QMouseEvent* event) {
    form1.mouseMove(std::nullopt);
    event->accept();
}

void QtForm1Window::keyPressEvent(QKeyEvent* event) {
    const std::optional<Key> key = engineKey(*event);
    if (!key || !form1.key(*key))
        QWidget::keyPressEvent(event);
}

bool QtForm1Window::focusNextPrevChild(bool next) {
    form1.key(next ? Key::Tab : Key::BackTab);
    return true;
}
