// Reading and writing the captions of the document tabs.
#pragma once

#include <string>

namespace tabs {

constexpr int kCaptionBufferSize = 260;

std::string Caption(int index);
void SetCaption(int index, const std::string& caption);
void Insert(int index, const std::string& caption);

} // namespace tabs
