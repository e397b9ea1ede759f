// The files of a skin folder, the checks that refuse a skin before anything is loaded,
// and their messages.
#pragma once

#include <array>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "skin/frame_geometry.h"

namespace skin {

// Every bitmap a skin must have, in the order the loader checks that they exist.
enum class SkinFile {
    Background,
    BottomLeft,
    BottomRight,
    Bottom,
    Left,
    Right,
    SysButtons,
    MenuButton,
    TopLeft,
    TopRight,
    Top,
    Tab,
    TabButtons,
    Toolbar,
    VScrollbar,
    HScrollbar,
    Statusbar,
    MenuCheck,
    MenuItem,
    WindowMenu
};
constexpr int kSkinFileCount = 20;
std::array<SkinFile, kSkinFileCount> RequiredSkinFiles();

// The file name inside the skin folder, e.g. "top left.bmp".
const char* SkinFileName(SkinFile file);
// "The <file name> file for the chosen skin was not found".
std::string MissingFileMessage(SkinFile file);
// The bitmap of a frame piece.
SkinFile FramePieceFile(FramePiece piece);

constexpr const char* kSkinIniFileName = "Skin.ini";
constexpr const char* kSkinIniMissingMessage = "The Skin.ini file for the chosen skin was not found";
constexpr const char* kIncompatibleSkinMessage = "The selected skin is not compatible with this version of Quillet";
constexpr const char* kDefaultSkinName = "Quillblue";

// [Info] Version must be "1.0", compared without regard to case.
bool IsSupportedSkinVersion(std::string_view version);

// The folder with a trailing backslash added when missing (an empty folder stays empty).
std::string SkinFolderPath(std::string folder);

enum class MessageIcon { Error, Information };

struct SkinRefusal {
    std::string message;
    MessageIcon icon = MessageIcon::Error;
};

// Value of a Skin.ini key, or nothing when the key is missing; an empty value counts as
// missing everywhere. Sections and keys are matched without regard to case.
using SkinLookup = std::function<std::optional<std::string>(const char* section, const char* key)>;

// The checks before loading, in order: Skin.ini exists, its version is supported, and
// every required bitmap exists (the first missing one is named). `fileExists` is asked
// about file names inside the skin folder. Nothing when the skin may be loaded.
std::optional<SkinRefusal> CheckSkinFolder(const std::function<bool(const char* fileName)>& fileExists,
                                           const SkinLookup& lookup);

}  // namespace skin
