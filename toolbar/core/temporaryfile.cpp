#include "toolbar/core/temporaryfile.h"

#include "desktop/paths.h"

#include <filesystem>
#include <set>
#include <utility>

namespace toolbar {

namespace {
std::multiset<std::string> g_held;
} // namespace

TemporaryFile::TemporaryFile(std::string path) : m_path(std::move(path))
{
    g_held.insert(Paths::fileName(m_path));
}

TemporaryFile::~TemporaryFile()
{
    g_held.erase(g_held.find(Paths::fileName(m_path)));
    std::error_code ignored;
    std::filesystem::remove(std::filesystem::path(m_path), ignored);
}

bool TemporaryFile::held(const std::string &name)
{
    return g_held.count(name) > 0;
}

} // namespace toolbar
