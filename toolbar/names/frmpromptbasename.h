#pragma once

#include "toolbar/core/appcontext.h"

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;

namespace toolbar {

/// "New Base Name": asks for a base name, offering a random one. Shown modally; the
/// confirmed text is left in Globals::NewBaseName, which stays empty when cancelled.
class frmPromptBaseName final : public QDialog, public BaseNamePrompt
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(frmPromptBaseName)

public:
    explicit frmPromptBaseName(AppContext &app, QWidget *parent = nullptr);

    /// Fills the box with a new random name and waits until the window is closed.
    void showModal() override;

protected:
    void changeEvent(QEvent *event) override;

private:
    void buildLayout();
    void cmdOK_Click();

    AppContext &m_app;
    QLabel *m_lblExplain;
    QLabel *m_lblBaseName;
    QLineEdit *txtBaseName;
    QPushButton *cmdOK;
    QPushButton *cmdCancel;
};

} // namespace toolbar
