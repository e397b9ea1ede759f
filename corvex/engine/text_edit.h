// One replacement in a text: [start, start + length) becomes `text`.
#pragma once

#include <cstddef>
#include <string>

namespace corvex {

struct TextEdit {
    std::size_t start = 0;
    std::size_t length = 0; // bytes replaced
    std::string text;       // bytes put in their place
};

} // namespace corvex
