#pragma once

#include "tests/support/tempfolder.h"

#include <QMimeData>

#include <memory>
#include <sstream>
#include <string>
#include <vector>

/// One format of a drop as a Qt drop target received it.
struct RecordedFormat
{
    std::string name;
    std::string bytes;
    bool read = true; ///< false where reading it would have been a protocol step (XdndDirectSave0)
};

/// The path of a file among the recorded drops.
inline std::string fixture(const std::string &path)
{
    return std::string(FIXTURES) + "/" + path;
}

/// A recorded drop: formats.tsv lists index, format and size; NN.bin holds the bytes.
inline std::vector<RecordedFormat> recordedDrop(const std::string &name)
{
    std::vector<RecordedFormat> formats;
    std::istringstream lines(readFile(fixture(name + "/formats.tsv")));
    std::string line;
    while (std::getline(lines, line)) {
        std::istringstream fields(line);
        std::string index, format, size;
        std::getline(fields, index, '\t');
        std::getline(fields, format, '\t');
        std::getline(fields, size, '\t');
        if (format.empty())
            continue;
        const bool read = size.empty() || size[0] != '(';
        formats.push_back({format, read ? readFile(fixture(name + "/" + index + ".bin")) : std::string(), read});
    }
    return formats;
}

/// The names of the formats, in the recorded order.
inline std::vector<std::string> formatNames(const std::vector<RecordedFormat> &formats)
{
    std::vector<std::string> names;
    for (const RecordedFormat &format : formats)
        names.push_back(format.name);
    return names;
}

/// The drop as QMimeData, format by format in the recorded order.
inline std::unique_ptr<QMimeData> mimeDataOf(const std::vector<RecordedFormat> &formats)
{
    auto mime = std::make_unique<QMimeData>();
    for (const RecordedFormat &format : formats)
        mime->setData(QString::fromStdString(format.name), QByteArray::fromStdString(format.bytes));
    return mime;
}
