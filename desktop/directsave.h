#pragma once

#include "desktop/directsavetransfer.h"
#include "desktop/installable.h"

#include <functional>
#include <memory>
#include <string>

/// The direct-save exchange of a drop (XDS on X11): rather than hand its bytes over, the
/// drag source writes the dropped file itself into a file the drop target names. A
/// browser does so with the original file, where its other formats only hold the
/// picture re-encoded.
class DirectSave : public Installable<DirectSave>
{
public:
    virtual ~DirectSave() = default;

    /// Asks the source of the drop being delivered to write its file into folder, under a
    /// temporary name of the target's choosing. requestWrite asks the source to write
    /// (it reads the drop's "XdndDirectSave0" data) and returns the source's answer.
    /// Returns at once with the transfer the source has taken on, which finishes later;
    /// nothing when the source offers no direct save, declines or fails, and then no file
    /// is left behind.
    virtual std::shared_ptr<DirectSaveTransfer> saveInto(const std::string &folder,
                                                         const std::function<std::string()> &requestWrite) = 0;
};
