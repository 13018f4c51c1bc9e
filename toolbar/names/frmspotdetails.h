#pragma once

#include "toolbar/core/appcontext.h"
#include "toolbar/names/namedetails.h"

#include <QPointer>
#include <QWidget>

#include <cstdint>

class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;

namespace toolbar {

/// Name Details: the base name and current number of one drop spot, both editable. A
/// borderless tool window whose coloured edge strip is the handle to drag it by.
class frmSpotDetails final : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(frmSpotDetails)

public:
    explicit frmSpotDetails(AppContext &app, QWidget *parent = nullptr);

    /// The one shared window: loaded unless it is open, then filled for the spot at the
    /// position in DropSpots. The caller places and shows it.
    static frmSpotDetails *load(QPointer<frmSpotDetails> &shared, AppContext &app, std::int32_t spotPosition,
                                QWidget *parent = nullptr);

    /// Remembers the spot's position and shows its base name and number as they are.
    void TakeInDetails(std::int32_t m_ArrayIndex);

protected:
    void changeEvent(QEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    void buildLayout();
    void cmdOK_Click();
    int toTwips(double pixels) const;

    AppContext &m_app;
    QFrame *Picture1;
    QLabel *m_lblBaseName;
    QLineEdit *txtBaseName;
    QLabel *m_lblNumber;
    QLineEdit *txtNumber;
    QPushButton *cmdOK;
    QPushButton *cmdCancel;

    std::int32_t m_SpotPosition = 0;
    SpotDetailsTarget m_target;
    bool m_Dragging = false;
    std::int32_t m_GrabX = 0;
    std::int32_t m_GrabY = 0;
};

} // namespace toolbar
