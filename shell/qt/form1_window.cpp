#include "shell/qt/form1_window.h"

#include <QAccessible>
#include <QCloseEvent>
#include <QMouseEvent>

#include "shell/qt/app_icon.h"
#include "shell/qt/design_controls.h"
#include "shell/qt/engine_key.h"
#include "shell/qt/message_box.h"
#include "shell/qt/options_dialog.h"
#include "shell/qt/shape.h"
#include "shell/qt/x11_window_title.h"

namespace {
QTimer* preciseTimer(QObject* parent) {
    auto* timer = new QTimer(parent);
    timer->setTimerType(Qt::PreciseTimer);
    return timer;
}
} // namespace

Form1Window::Form1Window(Platform& platform, SharedState& shared)
    : m_twips{1440.0 / logicalDpiX(), 1440.0 / logicalDpiY()},
      m_controls(createControls(ControlFactory{*this, m_twips}, form1Design())),
      Timer1(preciseTimer(this)), normalGeometry(new NormalGeometry(*this)),
      form1(*this, platform, shared) {
    setWindowIcon(appIcon());
    setMouseTracking(true);
    for (const auto& [control, widget] : m_controls) {
        if (auto* l = qobject_cast<VbLabel*>(widget)) {
            connect(l, &VbLabel::mouseMoved, this, [this, c = control] { form1.mouseMove(c); });
            connect(l, &VbLabel::clicked, this, [this, c = control] { form1.click(c); });
        }
    }
    connect(Timer1, &QTimer::timeout, this, [this] { form1.timer(); });
}

Form1Window::~Form1Window() = default;

VbLabel* Form1Window::label(Control control) const {
    return static_cast<VbLabel*>(widget(control));
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

TwipsSize Form1Window::textExtent(Control control) const {
    const QSize size = label(control)->textExtent();
    return {size.width() * m_twips.perPixelX, size.height() * m_twips.perPixelY};
}

void Form1Window::placeControl(Control control, const TwipsRect& rect) {
    widget(control)->setGeometry(m_twips.pixels(rect));
}

void Form1Window::announce(const std::string& text) {
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
    QAccessibleAnnouncementEvent event(widget(Control::LabelZeit), QString::fromStdString(text));
    event.setPoliteness(QAccessible::AnnouncementPoliteness::Assertive);
    QAccessible::updateAccessibility(&event);
#else
    // Qt before 6.8 has no announcements: a screen reader hears the countdown's new name.
    (void)text;
#endif
}

void Form1Window::messageBox(std::string_view title, const std::string& text, MessageIcon icon) {
    execMessageBox(this, title, text, icon);
}

std::optional<Control> Form1Window::focusedControl() const {
    return controlOf<Control>(focusWidget());
}

std::unique_ptr<OptionsView> Form1Window::newOptionsView() {
    return std::make_unique<OptionsDialog>(*this);
}

TwipsRect Form1Window::normalRect() const {
    return m_twips.twips(normalGeometry->rect());
}

void Form1Window::placeNormal(const TwipsRect& r) {
    normalGeometry->place(m_twips.pixels(r));
}

WindowState Form1Window::placementState() const {
    if (windowState() & Qt::WindowMinimized)
        return WindowState::Minimized;
    if (windowState() & Qt::WindowMaximized)
        return WindowState::Maximized;
    return WindowState::Normal;
}

void Form1Window::setPlacementState(WindowState state) {
    setWindowState(state == WindowState::Minimized   ? Qt::WindowMinimized
                   : state == WindowState::Maximized ? Qt::WindowMaximized
                                                     : Qt::WindowNoState);
}

bool Form1Window::event(QEvent* event) {
    // The native window takes its title when it is created, with the same fallback.
    if (event->type() == QEvent::WinIdChange && m_caption.isEmpty())
        showEmptyTitle(*this);
    return QWidget::event(event);
}

void Form1Window::closeEvent(QCloseEvent* event) {
    form1.close();
    event->accept();
}

void Form1Window::mouseMoveEvent(QMouseEvent* event) {
    form1.mouseMove(std::nullopt);
    event->accept();
}

void Form1Window::keyPressEvent(QKeyEvent* event) {
    const std::optional<Key> key = engineKey(*event);
    if (!key || !form1.key(*key))
        QWidget::keyPressEvent(event);
}

bool Form1Window::focusNextPrevChild(bool next) {
    form1.key(next ? Key::Tab : Key::BackTab);
    return true;
}
