#pragma once

#include <QObject>
#include <QString>

class QTimer;
class QWidget;

namespace toolbar {

class CaptionLabel;

/// The toolbar's caption: the text in its caption bar, a message that clears itself after
/// one second, and the label beside the toolbar wherever the bar is too narrow for the text.
class ToolbarCaption final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ToolbarCaption)

public:
    explicit ToolbarCaption(QWidget *toolbar);

    /// Shows the text until it is replaced ("" shows nothing).
    void set(const QString &text);

    /// Shows the message for one second. A new message while one shows replaces it and
    /// starts the second afresh.
    void flash(const QString &message);

    /// "done of total" while a batch of drops is saved; nothing once it is over.
    void showProgress(int done, int total);

    /// The caption as the program set it ("" when it shows nothing).
    QString text() const { return m_text; }

    /// True when the caption bar can show the whole text.
    bool fits(const QString &text) const;

    /// Keeps the label beside the toolbar after the toolbar moved.
    void followToolbar();

    /// The label goes with a hidden toolbar.
    void hideLabel();

private:
    void showLabel();

    QWidget *m_toolbar;
    QTimer *m_timer;
    CaptionLabel *m_label;
    QString m_text;
};

} // namespace toolbar
