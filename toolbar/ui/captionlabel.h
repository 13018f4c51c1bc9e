#pragma once

#include <QLabel>

namespace toolbar {

/// The caption's text where the toolbar's caption bar is too narrow to show it: a small
/// borderless label beside the toolbar, above other windows, that never takes the focus
/// and lets the mouse through.
class CaptionLabel final : public QLabel
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(CaptionLabel)

public:
    explicit CaptionLabel(QWidget *toolbar);

    /// Shows the text beside the toolbar's frame (right of it, else left of it, else
    /// below it), never over it; empty text hides the label.
    void showBeside(const QString &text, const QRect &toolbarFrame);
};

} // namespace toolbar
