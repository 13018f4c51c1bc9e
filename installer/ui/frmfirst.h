#pragma once

#include "installer/ui/setuppage.h"

class QFrame;
class QLabel;

namespace setup {

/// The welcome page. Its Continue prepares the machine: it looks up the known folders,
/// makes sure the file-system service and the installer's shared components are there
/// and that the installer may write in its own folder, then opens the options page.
/// Either check may instead end Setup with a message.
class frmFirst final : public SetupPage
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(frmFirst)

public:
    explicit frmFirst(SetupSession &session, QWidget *parent = nullptr);

    /// Places and registers the shared components the installer's pages need.
    void EnsureInstallerRequirements();

    QFrame *frameBanner;
    QLabel *Label1;
    QLabel *Image1;
    QLabel *lblWizzard;
    QLabel *lblMain;

private:
    void buildBanner();
    void layOutPage();
    void LoadSystemFolders();
    bool EnsureFileSystemObject();
    void continueToOptions();
};

} // namespace setup
