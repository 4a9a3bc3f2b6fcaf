#include "shell/qt/design_controls.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>

#include "shell/qt/design_fonts.h"
#include "shell/qt/qt_label.h"
#include "shell/qt/shape.h"

namespace {

// A check box whose state only the engine changes: a click is reported, not applied.
class EngineCheckBox : public QCheckBox {
  public:
    using QCheckBox::QCheckBox;

  protected:
    void nextCheckState() override {}
};

void setColour(QWidget* widget, QPalette::ColorRole role, Colour colour) {
    QPalette p = widget->palette();
    p.setColor(role, qtColour(colour));
    widget->setPalette(p);
}

} // namespace

QColor qtColour(Colour c) {
    return QColor(static_cast<int>(c & 255), static_cast<int>(c >> 8 & 255),
                  static_cast<int>(c >> 16 & 255));
}

QFont designFont(const FontDesign& design) {
    QFont font(designFamily(
        QString::fromUtf8(design.family.data(), static_cast<qsizetype>(design.family.size()))));
    font.setPointSizeF(design.points);
    font.setWeight(QFont::Normal);
    return font;
}

void applyWindowDesign(QWidget& window, const Twips& twips, Border border, std::string_view caption,
                       TwipsSize client, Colour back, const FontDesign& font) {
    const Frame frame = frameOf(border);
    Qt::WindowFlags flags = (frame.dialogFrame ? Qt::Dialog : Qt::Window) |
                            Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                            Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
    if (frame.minimizeButton)
        flags |= Qt::WindowMinimizeButtonHint;
    window.setWindowFlags(flags);
    window.setWindowTitle(
        QString::fromUtf8(caption.data(), static_cast<qsizetype>(caption.size())));
    window.setFixedSize(twips.x(client.width), twips.y(client.height));
    window.setAutoFillBackground(true);
    setColour(&window, QPalette::Window, back);
    window.setFont(designFont(font));
}

QWidget* ControlFactory::create(ControlKind kind, const TwipsRect& rect, std::string_view caption,
                                const FontDesign& font, Colour fore, Colour back,
                                Alignment alignment, Fit fit, std::string_view toolTip,
                                bool isDefault, int maxLength) const {
    const QString text = QString::fromUtf8(caption.data(), static_cast<qsizetype>(caption.size()));
    QWidget* made = nullptr;
    switch (kind) {
    case ControlKind::Shape: {
        auto* shape = new Shape(&window);
        if (back != kTransparent)
            shape->setFillColor(qtColour(back));
        made = shape;
        break;
    }
    case ControlKind::Label:
    case ControlKind::CommandLabel: {
        auto* label = new QtLabel(&window, designFont(font), alignment, fit == Fit::WrapToWidth);
        label->setForeColor(qtColour(fore));
        label->setCaption(text);
        if (kind == ControlKind::CommandLabel)
            label->makeCommand();
        made = label;
        break;
    }
    case ControlKind::CheckBox: {
        auto* box = new EngineCheckBox(text, &window);
        box->setAutoFillBackground(true);
        // A button fills with its Button colour unless told otherwise: the box lies on the
        // dialog's.
        box->setBackgroundRole(QPalette::Window);
        setColour(box, QPalette::Window, back);
        made = box;
        break;
    }
    case ControlKind::TextBox: {
        auto* edit = new QLineEdit(text, &window);
        edit->setMaxLength(maxLengthOf(maxLength));
        made = edit;
        break;
    }
    case ControlKind::Button: {
        auto* button = new QPushButton(text, &window);
        button->setDefault(isDefault);
        // A flat face in the button colour with a raised edge, as the classic style draws it,
        // where the application's style would shade it and tint the default button.
        if (buttonStyle)
            button->setStyle(buttonStyle);
        setColour(button, QPalette::Button, back);
        made = button;
        break;
    }
    }
    made->setGeometry(twips.pixels(rect));
    made->setToolTip(QString::fromUtf8(toolTip.data(), static_cast<qsizetype>(toolTip.size())));
    return made;
}
