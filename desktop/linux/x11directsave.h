#pragma once

#include "desktop/directsave.h"
#include "desktop/linux/filewritewatch.h"

/// The direct-save protocol (XDS) of X11 drops. The drag source is the owner of the
/// XdndSelection selection; it keeps the file name it suggests in its window's
/// XdndDirectSave0 property. The target replaces that name with the file:// address of
/// the file it wants, then asks for the drop's XdndDirectSave0 data: the source writes
/// the file and answers "S" (saved), "F" (cannot; use the other formats) or "E" (error).
/// Outside an X11 session there is no direct save.
class X11DirectSave final : public DirectSave
{
public:
    /// How long a drop waits for the source to write the file: at most quiet without any
    /// progress, total in all. Past that the transfer is abandoned.
    using Patience = FileWriteWatch::Patience;

    X11DirectSave();
    explicit X11DirectSave(Patience patience);

    std::shared_ptr<DirectSaveTransfer> saveInto(const std::string &folder,
                                                 const std::function<std::string()> &requestWrite) override;

private:
    Patience m_patience;
};
