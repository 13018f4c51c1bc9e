#pragma once

#include <QObject>

class QLineEdit;

namespace toolbar {

/// Selects the whole text of a line edit each time it receives the focus, whether by
/// keyboard or by mouse. A click would otherwise place the cursor right after the focus
/// arrived, so the selection is made once the click has been handled.
class SelectAllOnFocus final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(SelectAllOnFocus)

public:
    /// Watches the line edit; the watcher becomes its child.
    static void install(QLineEdit *edit);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    explicit SelectAllOnFocus(QLineEdit *edit);

    QLineEdit *m_edit;
};

} // namespace toolbar
