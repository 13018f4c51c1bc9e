#include "toolbar/names/selectallonfocus.h"

#include <QEvent>
#include <QLineEdit>
#include <QPointer>
#include <QTimer>

namespace toolbar {

SelectAllOnFocus::SelectAllOnFocus(QLineEdit *edit) : QObject(edit), m_edit(edit)
{
    edit->installEventFilter(this);
}

void SelectAllOnFocus::install(QLineEdit *edit)
{
    new SelectAllOnFocus(edit);
}

bool SelectAllOnFocus::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_edit && event->type() == QEvent::FocusIn) {
        m_edit->selectAll();
        // A mouse press that brought the focus moves the cursor after this event: select
        // again once it has been handled.
        QPointer<QLineEdit> edit = m_edit;
        QTimer::singleShot(0, m_edit, [edit] {
            if (edit && edit->hasFocus())
                edit->selectAll();
        });
    }
    return QObject::eventFilter(watched, event);
}

} // namespace toolbar
