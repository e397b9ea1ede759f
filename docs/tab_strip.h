// Reading and writing the captions of the document tabs.
#pragma once

#include <string>

namespace tabs {

constexpr int kCaptionBufferSize = 260;

// Captions are UTF-16: a file name shows as it is, whatever its script.
std::wstring Caption(int index);
void SetCaption(int index, const std::wstring& caption);
void Insert(int index, const std::wstring& caption);

} // namespace tabs
