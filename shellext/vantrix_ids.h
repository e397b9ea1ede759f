// The extension's fixed identifiers and names.
#pragma once

#include <windows.h>

namespace vantrix {

// {4E492C5C-4659-43F0-8A28-3BCE8E69EED1}
constexpr CLSID kClassId = {0x4E492C5C, 0x4659, 0x43F0, {0x8A, 0x28, 0x3B, 0xCE, 0x8E, 0x69, 0xEE, 0xD1}};
// {16178665-8A39-40E2-9C5B-935F95924A53}
constexpr IID kInterfaceId = {0x16178665, 0x8A39, 0x40E2, {0x9C, 0x5B, 0x93, 0x5F, 0x95, 0x92, 0x4A, 0x53}};
// {753DDBFF-76A4-44A2-B507-6D803117C8DF}
constexpr GUID kLibraryId = {0x753DDBFF, 0x76A4, 0x44A2, {0xB5, 0x07, 0x6D, 0x80, 0x31, 0x17, 0xC8, 0xDF}};

constexpr const char* kClassIdText = "{4E492C5C-4659-43F0-8A28-3BCE8E69EED1}";
constexpr const char* kLibraryIdText = "{753DDBFF-76A4-44A2-B507-6D803117C8DF}";
constexpr const char* kProgId = "Vantrix.VantrixMnu.1";
constexpr const char* kIndependentProgId = "Vantrix.VantrixMnu";
constexpr const char* kDisplayName = "VantrixMnu Class";

constexpr int kMenuBitmap = 201;     // the menu item's glyph at 100 %
constexpr int kMenuBitmap150 = 202;  // at 150 %
constexpr int kMenuBitmap200 = 203;  // at 200 %
constexpr int kNameString = 100;

} // namespace vantrix
