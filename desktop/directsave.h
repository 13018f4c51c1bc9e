#pragma once

#include <functional>
#include <optional>
#include <string>

/// A file a drag source wrote itself, at the drop target's request.
struct DirectSavedFile
{
    std::string path;          ///< the complete file, in the folder the target named
    std::string suggestedName; ///< the name the source proposed for it (may be empty)
};

/// The direct-save exchange of a drop (XDS on X11): rather than hand its bytes over, the
/// drag source writes the dropped file itself into a file the drop target names. A
/// browser does so with the original file, where its other formats only hold the
/// picture re-encoded.
class DirectSave
{
public:
    virtual ~DirectSave() = default;

    /// Asks the source of the drop being delivered to write its file into folder, under a
    /// temporary name of the target's choosing. requestWrite asks the source to write
    /// (it reads the drop's "XdndDirectSave0" data) and returns the source's answer.
    /// Returns the written file, with the file mode of a file the user creates; nothing
    /// when the source offers no direct save, declines or fails, and then no file is left
    /// behind.
    virtual std::optional<DirectSavedFile> saveInto(const std::string &folder,
                                                    const std::function<std::string()> &requestWrite) = 0;

    /// The desktop's direct save, if it has one: a drop reader has nothing but the drop's
    /// data to go on, so the desktop's implementation registers itself here for as long
    /// as it lives.
    static DirectSave *installed();
    static void install(DirectSave *directSave);
};
