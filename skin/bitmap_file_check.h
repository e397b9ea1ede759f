// Whether the bytes of a .bmp file hold a whole bitmap: a known header, a sensible
// size and format, and every pixel row inside the file. The loader hands only such
// files to the system, so a truncated or foreign file leaves its slot empty.
#pragma once

#include <string_view>

namespace skin {

bool IsCompleteBitmapFile(std::string_view bytes);

}  // namespace skin
