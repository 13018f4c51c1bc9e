#include "directsave.h"

namespace {
DirectSave *g_installed = nullptr;
} // namespace

DirectSave *DirectSave::installed()
{
    return g_installed;
}

void DirectSave::install(DirectSave *directSave)
{
    g_installed = directSave;
}
