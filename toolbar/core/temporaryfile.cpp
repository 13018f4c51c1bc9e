#include "temporaryfile.h"

#include <filesystem>
#include <utility>

TemporaryFile::TemporaryFile(std::string path) : m_path(std::move(path)) {}

TemporaryFile::~TemporaryFile()
{
    std::error_code ignored;
    std::filesystem::remove(std::filesystem::path(m_path), ignored);
}
