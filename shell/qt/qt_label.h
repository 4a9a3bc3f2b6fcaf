#pragma once

#include <QLabel>

#include "base/control_design.h"

// A transparent label; the engine places it, fitted to the text it measures here. It keeps its
// caption exactly as set ("\r\n" included). A screen reader meets it through LabelAccessible.
class QtLabel : public QLabel {
    Q_OBJECT
  public:
    QtLabel(QWidget* parent, const QFont& font, Alignment alignment, bool wrap);

    // A command: the hand cursor, and the focus by Tab, which the engine moves.
    void makeCommand();
    bool isCommand() const { return focusPolicy() == Qt::TabFocus; }
    void setLegible(bool legible) { m_legible = legible; }
    bool legible() const { return m_legible; }
    void setCaption(const QString& caption);
    const QString& caption() const { return m_caption; }
    void setFontSize(double pointSize);
    void setForeColor(const QColor& colour);
    QColor foreColor() const;
    void setUnderline(bool on);
    // The keyboard's focus cue, drawn while the label has the focus.
    void setFocusCue(bool on);
    // The present caption in the present font, in pixels; wrapped at the present width.
    QSize textExtent() const;

  signals:
    void mouseMoved();
    void clicked();

  protected:
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

  private:
    QString m_caption;
    bool m_focusCue = false;
    bool m_legible = true;
};
