#include "downloader.h"

namespace {
Downloader *g_installed = nullptr;
} // namespace

Downloader *Downloader::installed()
{
    return g_installed;
}

void Downloader::install(Downloader *downloader)
{
    g_installed = downloader;
}
