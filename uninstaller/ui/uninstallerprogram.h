#pragma once

class QApplication;

namespace uninstall {

/// Runs StowletUninstaller in the given application: the real desktop services, the
/// message-pumping wait and the window. Returns the program's exit code.
int RunUninstaller(QApplication &app);

} // namespace uninstall
