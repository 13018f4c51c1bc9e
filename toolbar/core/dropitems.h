#pragma once

#include <memory>
#include <string>
#include <utility>
#include <vector>

/// One dropped thing that can be saved as a file: a local file to copy, or content the
/// drag source handed over (a browser's picture bytes).
struct DroppedItem
{
    std::string sourcePath;                  ///< a local file, when the item is one
    std::shared_ptr<const std::string> data; ///< the content, when the source handed it over
    std::string fileName;                    ///< the name whose extension the saved file takes

    bool isLocalFile() const { return !data; }

    static DroppedItem localFile(const std::string &path)
    {
        return DroppedItem{path, nullptr, path};
    }
    static DroppedItem content(std::string bytes, std::string name)
    {
        return DroppedItem{{}, std::make_shared<const std::string>(std::move(bytes)), std::move(name)};
    }
};

/// What a drop held, as far as saving files goes.
struct DropPayload
{
    enum class Status {
        Files,      ///< items holds at least one file
        NoFileList, ///< the data holds nothing that can be saved as a file
        Error,      ///< reading the data failed; errorDescription says why
    };
    Status status = Status::NoFileList;
    std::vector<DroppedItem> items;
    std::string errorDescription;
};

/// The data formats of a drop, by MIME type, in the order the source offered them.
using MimeFormats = std::vector<std::pair<std::string, std::string>>;

/// The local files of a text/uri-list (file:// addresses, percent-decoded; comments
/// and other schemes skipped).
std::vector<std::string> LocalFilesFromUriList(const std::string &uriList);

/// The items a drop's formats yield, in the order that keeps the original bytes.
DropPayload ExtractDropItems(const MimeFormats &formats);
