#include "skin/skin_parts.h"

#include "skin/frame_host.h"
#include "skin/menu_skin.h"
#include "skin/skinned_frame.h"
#include "skin/skinned_menus.h"
#include "skin/skinned_statusbar.h"
#include "skin/skinned_tabs.h"

#include <algorithm>
#include <vector>

namespace {
std::vector<SkinAppliedListener>& Listeners()
{
    static std::vector<SkinAppliedListener> listeners;
    return listeners;
}
} // namespace

void AddSkinAppliedListener(SkinAppliedListener listener)
{
    auto& listeners = Listeners();
    if (listener && std::find(listeners.begin(), listeners.end(), listener) == listeners.end())
        listeners.push_back(listener);
}

void ApplySkinToParts()
{
    CSkin& skin = MainSkin();
    skin.ReadKeyGroup(skin::KeyGroup::Menu);
    LoadMenuSkin();
    LoadToolbarSkin();
    skin.ReadKeyGroup(skin::KeyGroup::Tabs);
    LoadTabSkin(skin.BackgroundKey());
    skin.ReadKeyGroup(skin::KeyGroup::Statusbar);
    LoadStatusBarSkin();
    skin::Host().SkinApplied();
    for (SkinAppliedListener listener : Listeners())
        listener();
}
