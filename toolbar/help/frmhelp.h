#pragma once

#include <QWidget>

#include <string_view>

class EventPump;
class QLabel;
class QListWidget;
class QPlainTextEdit;

namespace toolbar {

/// The built-in manual: a list of topics and, below it, the selected topic's text.
/// An ordinary non-modal window with no owner; there is one at a time.
class frmHelp final : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(frmHelp)

public:
    /// Loads the window: fills the topic list and selects the first topic. pump lets the
    /// emptied text box repaint before a topic's text goes in; it must outlive the window.
    explicit frmHelp(EventPump &pump, QWidget *parent = nullptr);
    ~frmHelp() override;

    /// Shows the one help window, loading it first if none is open; an open window is
    /// brought to the front as it is, keeping its topic. Closing the window unloads it.
    static frmHelp *showShared(EventPump &pump);
    /// The open shared help window, or nullptr.
    static frmHelp *sharedInstance();

    // Each replaces the text box's content with its topic's text.
    void ShowIntroduction();
    void ShowToolBar();
    void ShowConfigDropSpots();
    void ShowBaseNames();
    void ShowAdvancedBaseNames();
    void ShowViewImages();
    void ShowOptions();

protected:
    void resizeEvent(QResizeEvent *event) override;
    bool event(QEvent *event) override;

private:
    void buildControls();
    void onTopicSelected();
    void showTopicText(std::string_view key);
    void fitControls();
    void fitListToWholeRows();

    QLabel *Label1;
    QListWidget *lstTopics;
    QPlainTextEdit *txtHelp;
    EventPump &m_pump;
    int m_showSerial = 0; ///< counts topic changes, so that an older one cannot overwrite a newer one
};

} // namespace toolbar
