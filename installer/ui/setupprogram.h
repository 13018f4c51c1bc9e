#pragma once

#include "installer/core/installengine.h"

class QApplication;

namespace setup {

/// Setup as the user meets it: the licence page first, then the welcome and options
/// pages and the install. Returns when the last page has closed. The pacing is the
/// install's own unless a caller shortens it.
int RunSetup(QApplication &app, const InstallPacing &pacing = {});

} // namespace setup
