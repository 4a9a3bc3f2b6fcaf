#include "shared/form1_model.h"

#include "base/label_fit.h"

Form1Model::Form1Model(Form1View& view) : m_view(view) {
    for (const auto& c : form1Design().controls)
        shown(c.id) = {std::string(c.caption), c.rect};
    m_view.startTimer(m_timerInterval);
}

void Form1Model::setCaption(const std::string& caption) {
    m_caption = caption;
    m_view.setCaption(caption);
}

void Form1Model::setTickingCaption(const std::string& caption) {
    m_caption = caption;
    m_view.setTickingCaption(caption);
}

void Form1Model::setTimerEnabled(bool enabled) {
    if (enabled == m_timerEnabled)
        return;
    m_timerEnabled = enabled;
    if (enabled)
        m_view.startTimer(m_timerInterval);
    else
        m_view.stopTimer();
}

void Form1Model::setTimerInterval(int ms) {
    if (ms == m_timerInterval || ms <= 0)
        return;
    m_timerInterval = ms;
    if (m_timerEnabled)
        m_view.startTimer(ms);
}

void Form1Model::setCaption(Control label, const std::string& caption) {
    shown(label).caption = caption;
    m_view.setCaption(label, caption);
    fit(label);
}

void Form1Model::setFontSize(Control label, double points) {
    m_view.setFontSize(label, points);
    fit(label);
}

void Form1Model::setColour(Control control, Colour colour) {
    m_view.setColour(control, colour);
}

void Form1Model::setUnderline(Control label, bool underline) {
    m_view.setUnderline(label, underline);
}

void Form1Model::setVisible(Control control, bool visible) {
    m_view.setControlVisible(control, visible);
}

void Form1Model::fit(Control label) {
    const ControlDesign<Control>& design = form1Design()[label];
    Shown& s = shown(label);
    s.rect = fitLabel(design.rect, s.rect.top, design.fit, m_view.textExtent(label));
    m_view.placeControl(label, s.rect);
}

void Form1Model::centreOnShape2(Control label) {
    const TwipsRect& shape = rect(Control::Shape2);
    Shown& s = shown(label);
    // Single precision, as the window's coordinates are kept.
    s.rect.top = static_cast<float>(shape.top + shape.height / 2 - s.rect.height / 2);
    m_view.placeControl(label, s.rect);
}
