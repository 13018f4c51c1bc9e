#pragma once

#include "toolbar/core/appcontext.h"

#include <QMainWindow>
#include <QPointer>

#include <cstdint>

class QAction;
class QCheckBox;
class QComboBox;
class QFrame;
class QGroupBox;
class QLabel;
class QLayout;
class QLineEdit;
class QMenu;
class QPushButton;

namespace toolbar {

/// "Options": the eight program options, with a help panel that explains the control
/// under the mouse. "Save" stores them and applies what shows at once.
class frmOptions final : public QMainWindow
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(frmOptions)

public:
    explicit frmOptions(AppContext &app, QWidget *parent = nullptr);

    /// Opens the one shared window, loading it fresh unless it is open already, in which
    /// case it is only brought forward.
    static frmOptions *open(QPointer<frmOptions> &shared, AppContext &app, QWidget *parent = nullptr);

    /// Fills every control from Options.
    void LoadBoxesFromVariables();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QCheckBox *addCheckBox(const char *name, const char *caption);
    void buildMenu();
    QLayout *buildOptionColumn();
    QGroupBox *buildSizeFrame();
    QGroupBox *buildHelpFrame();
    void watchForHelp();
    void showHelpFor(const QObject *control);

    void cmdSave_Click();
    void mnuRestoreDefaults_Click();
    void txtSize_Click();

    AppContext &m_app;
    QMenu *mnuFile = nullptr;
    QAction *mnuRestoreDefaults = nullptr;
    QAction *mnuClose = nullptr;
    QWidget *m_background;
    QCheckBox *chkSameBaseNames = nullptr;
    QCheckBox *chkAlignVertically = nullptr;
    QCheckBox *chkRememberLocation = nullptr;
    QCheckBox *chkPromptNewBaseName = nullptr;
    QCheckBox *chkAutoStart = nullptr;
    QCheckBox *chkPlaySounds = nullptr;
    QLabel *lblMaxLength = nullptr;
    QLineEdit *txtMaxLength = nullptr;
    QGroupBox *frameSize = nullptr;
    QComboBox *txtSize = nullptr;
    QFrame *picSize = nullptr;
    QGroupBox *frameHelp = nullptr;
    QLabel *lblHelpTitle = nullptr;
    QLabel *lblHelp = nullptr;
    QPushButton *cmdSave = nullptr;
    QPushButton *cmdCancel = nullptr;

    std::int32_t m_previewSide = 0; ///< side of picSize in twips: the size last chosen
};

} // namespace toolbar
