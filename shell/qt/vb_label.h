#pragma once

#include <QLabel>

// A transparent label that sizes itself to its text, as the window's design wants it.
// It keeps its caption exactly as set ("\r\n" included) so refreshes can compare it.
class VbLabel : public QLabel {
    Q_OBJECT
  public:
    enum class Fit { Grow, KeepCentre, WrapToWidth };
    VbLabel(QWidget* parent, const QString& family, double pointSize, Fit fit);

    void setCaption(const QString& caption);
    // The design's text and rectangle, as the designer's own sizing left them.
    void setDesignCaption(const QString& caption);
    const QString& caption() const { return m_caption; }
    void setFontSize(double pointSize);
    void setForeColor(const QColor& colour);
    QColor foreColor() const;
    void setUnderline(bool on);

  signals:
    void mouseMoved();
    void clicked();

  protected:
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

  private:
    void fitToText();
    void show(const QString& caption);

    QString m_caption;
    Fit m_fit;
};
