#include "docs/editor_font.h"

#include <vector>

namespace editor_font {
namespace {
HFONT g_current = nullptr;
std::vector<HFONT> g_givenUp;
}

HFONT Current() { return g_current; }

void CreateFrom(const LOGFONTA& font)  // the registry's FONT value is a LOGFONTA
{
    if (!g_current)
        g_current = CreateFontIndirectA(&font);  // the registry's FONT value is a LOGFONTA
}

void GiveUp()
{
    if (g_current)
        g_givenUp.push_back(g_current);
    g_current = nullptr;
}

void ReleaseAll()
{
    GiveUp();
    for (HFONT font : g_givenUp)
        DeleteObject(font);
    g_givenUp.clear();
}

} // namespace editor_font
