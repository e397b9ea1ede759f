// Token kinds produced by the line lexers and the colour-block entries that paint them.
#pragma once

#include <cstddef>
#include <cstdint>

namespace corvex::lex {

enum class TokenKind : std::uint8_t {
    Text,         // plain text, whitespace, identifiers that are not keywords
    Keyword,
    Comment,
    String,       // string and character literals, attribute values
    Number,
    Operator,     // punctuation and operators
    Preprocessor, // #directives, {$directives}, @annotations, <!DOCTYPE>, <?xml ?>
    Tag,          // markup tag names and their < > delimiters
    Attribute,    // markup attribute names
    Entity,       // &amp; &#160; ...
    ScriptTag,    // server-block delimiters: <% %> <?php ?>
};
constexpr int kTokenKindCount = 11;

// A run of one kind inside a line: bytes [start, start + length) of the line.
struct Span {
    std::size_t start;
    std::size_t length;
    TokenKind kind;
};

// Entry of the control's 31-colour block that paints each kind. Text uses the text
// colour (4); the others use entries 5-14, which the control reserves for syntax.
//   5 keyword, 6 comment, 7 string, 8 number, 9 operator, 10 preprocessor,
//   11 tag, 12 attribute, 13 entity, 14 server-block delimiter
constexpr int colourIndex(TokenKind kind) {
    return kind == TokenKind::Text ? 4 : 4 + static_cast<int>(kind);
}

} // namespace corvex::lex
