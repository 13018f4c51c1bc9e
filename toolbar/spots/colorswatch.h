#pragma once

#include <QWidget>

#include <cstdint>

namespace toolbar {

/// A square filled with a spot's colour. The clickable kind takes the keyboard focus and
/// reports a click or Space, so that it can open a colour picker.
class ColorSwatch final : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ColorSwatch)

public:
    enum class Kind { DisplayOnly, Clickable };

    ColorSwatch(int sideTwips, Kind kind, QWidget *parent = nullptr);

    /// The colour as 0x00BBGGRR.
    std::int32_t colorValue() const { return m_value; }
    void setColorValue(std::int32_t value);

    QSize sizeHint() const override;

signals:
    void clicked();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    int m_side;
    Kind m_kind;
    std::int32_t m_value = 255;
    bool m_pressed = false;
};

} // namespace toolbar
