// The inputs of the control's benchmark, made without Windows: C++ source with the
// constructs that change the lexer's state across lines (block comments, raw strings
// spanning lines), its UTF-16 LE form, and a hash to compare texts by.
#pragma once

#include <cstdint>
#include <string>

namespace bench {

// About `bytes` of C++ in CRLF lines of 20-70 characters; `lines` gets the number of lines.
// Without `blockComments` the comments are all line comments, so that a "/*" typed at the
// top turns every later line into a comment.
inline std::string CppSource(std::size_t bytes, std::size_t& lines, bool blockComments = true)
{
    static const char* const kBlock[] = {
        "/* The weights are normalised before the sum: a block comment",
        "   spanning three lines, with code-like words: for (int i = 0; i < n; ++i) */",
        "static int helper(const char* text, size_t length)",
        "{",
        "    return printf(\"%s: %d\\n\", text, (int)length);",
        "}",
        "",
        "const char* usage = R\"(usage: tool [options] file",
        "  -v   verbose: for while if return",
        "  -q   quiet)\";",
        "int accumulate(const int* values, const int* weights, int count)",
        "{",
        "    int total = 0;  // the weighted sum of the samples",
        "    for (int index = 0; index < count; ++index) {",
        "        total += values[index] * weights[index];",
        "    }",
        "\tif (flags & OPTION_VERBOSE) report(state, \"done\");",
        "    return total;",
        "}",
        "",
    };
    std::string out;
    out.reserve(bytes + 256);
    lines = 0;
    for (std::size_t k = 0; out.size() < bytes; ++k) {
        const std::size_t line = k % (sizeof kBlock / sizeof *kBlock);
        if (!blockComments && line < 2)
            out += line == 0 ? "// The weights are normalised before the sum: a line comment"
                             : "// and another, with code-like words: for (int i = 0; i < n; ++i)";
        else
            out += kBlock[line];
        out += "\r\n";
        ++lines;
    }
    return out;
}

// ASCII text as UTF-16 LE with its byte-order mark.
inline std::string Utf16LeOf(const std::string& ascii)
{
    std::string out;
    out.reserve(2 + 2 * ascii.size());
    out += "\xFF\xFE";
    for (char c : ascii) {
        out += c;
        out += '\0';
    }
    return out;
}

// The control keeps lines ending in LF and writes them back with the file's CRLF.
inline std::string WithoutCr(const std::string& crlf)
{
    std::string out;
    out.reserve(crlf.size());
    for (std::size_t k = 0; k < crlf.size(); ++k)
        if (!(crlf[k] == '\r' && k + 1 < crlf.size() && crlf[k + 1] == '\n'))
            out += crlf[k];
    return out;
}
inline std::string WithCrLf(const std::string& lf)
{
    std::string out;
    out.reserve(lf.size() + lf.size() / 16);
    for (char c : lf) {
        if (c == '\n')
            out += '\r';
        out += c;
    }
    return out;
}

// FNV-1a, 64 bits.
inline std::uint64_t HashOf(const char* data, std::size_t size)
{
    std::uint64_t hash = 1469598103934665603ull;
    for (std::size_t k = 0; k < size; ++k) {
        hash ^= static_cast<unsigned char>(data[k]);
        hash *= 1099511628211ull;
    }
    return hash;
}
inline std::uint64_t HashOf(const std::string& text) { return HashOf(text.data(), text.size()); }

// How often `word` occurs in `text`.
inline std::size_t CountOf(const std::string& text, const std::string& word)
{
    std::size_t count = 0;
    for (std::size_t at = text.find(word); at != std::string::npos; at = text.find(word, at + word.size()))
        ++count;
    return count;
}

} // namespace bench
