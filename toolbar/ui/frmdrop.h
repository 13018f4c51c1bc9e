#pragma once

#include "toolbar/core/appcontext.h"
#include "toolbar/core/dropqueue.h"
#include "toolbar/ui/toolbarlayout.h"

#include <QSize>
#include <QWidget>

#include <vector>

class QMimeData;

namespace toolbar {

class DialogHost;
class PopUpMenu;
class SpotSquare;
class ToolbarCaption;

/// The toolbar: a small always-on-top tool window with one coloured square per drop
/// spot. Files dropped on a square are saved into its folder; a right-click opens the
/// pop-up menu from which every other window is reached; a double-click asks for a new
/// base name. The window loads (position and squares) when it is constructed.
class frmDrop final : public QWidget, public ToolbarHooks
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(frmDrop)

public:
    frmDrop(AppContext &app, DialogHost &dialogs);
    ~frmDrop() override;

    // ToolbarHooks
    void refreshAlwaysOnTop() override;
    void flashCaption(const std::string &message) override;
    void showProgress(int done, int total) override;
    void LoadSpotsFromArray() override;
    bool IsCurrentlyVertical() const override;
    int CurrentlySpotSize() const override;

    /// Shows the message as the caption for one second. A new message while one shows
    /// replaces it and starts the second afresh.
    void FlashCaption(const QString &message);
    void RefreshAlwaysOnTop();

    /// The square last right-clicked, double-clicked or dropped on.
    int CurrentSquare() const { return m_currentSquare; }

    /// The caption as the program set it ("" when it shows nothing).
    QString caption() const;

    /// The squares and window size of the last layout, in twips.
    const ToolbarLayout &layoutTwips() const { return m_layout; }

    /// The outer size (frame included) in pixels that the last layout asks for.
    QSize outerSizePixels() const;

    /// True when the caption bar can show the whole text.
    bool captionFits(const QString &text) const;

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void hideEvent(QHideEvent *event) override;
    void changeEvent(QEvent *event) override;
    void moveEvent(QMoveEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void buildMenu();
    void placeAtLoad();
    void saveLocation();
    void applyWindowSize();
    void keepSizeWithFrame();
    QRect squareRect(const TwipsRect &square) const;
    QSize screenExtentTwips() const;
    void raiseAboveOthers();
    QString squareFolder(int square) const;
    SpotSquare *addSquare(int index);

    void showMenu(int square, const QPoint &globalPos);
    void newBaseNameOn(int square);
    void dropOn(int square, const QMimeData &data);
    void openNameDetails();
    void openFolder();
    void openLastFileSaved();

    AppContext &m_app;
    DialogHost &m_dialogs;
    std::vector<SpotSquare *> picSpot;
    ToolbarCaption *m_caption = nullptr;
    PopUpMenu *mnuPopUp;
    ToolbarLayout m_layout;
    QSize m_frameSize; ///< what frame and caption bar add to the client size, as last applied
    int m_currentSquare = 0;
    DropQueue m_drops;
};

} // namespace toolbar
