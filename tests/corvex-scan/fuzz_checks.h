// Properties that must hold for any input bytes, shared by the bounded fuzz tests and
// the libFuzzer drivers. Each returns an empty string or a description of the failure.
#pragma once

#include "corvex/formats/hotkey_table.h"
#include "corvex/formats/macro.h"
#include "corvex/lex/lexer_registry.h"

#include <cstdint>
#include <cstring>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace corvex::test {

inline std::string checkSpans(const std::vector<lex::Span>& spans, std::size_t length) {
    std::size_t next = 0;
    for (std::size_t k = 0; k < spans.size(); ++k) {
        if (spans[k].start != next || spans[k].length == 0) return "gap, overlap or empty span";
        if (k && spans[k - 1].kind == spans[k].kind) return "unmerged neighbours";
        if (static_cast<int>(spans[k].kind) >= lex::kTokenKindCount) return "unknown kind";
        next += spans[k].length;
    }
    return next == length ? "" : "spans do not end at the line's end";
}

// The first four bytes give a start state; the rest is lexed line by line in every language.
inline std::string fuzzLexers(const std::uint8_t* data, std::size_t size) {
    lex::LexState start = 0;
    for (std::size_t k = 0; k < 4 && k < size; ++k) start = start << 8 | data[k];
    std::string_view text(reinterpret_cast<const char*>(data), size);
    std::vector<lex::Span> spans;
    for (const char* name : lex::kLanguageNames) {
        const lex::Lexer* lexer = lex::lexerByName(name);
        lex::LexState state = start;
        std::size_t begin = 0;
        while (begin <= text.size()) {
            std::size_t end = std::min(text.find('\n', begin), text.size());
            // An exact-size copy, so that reading past the line is caught.
            std::unique_ptr<char[]> copy(new char[end - begin + 1]);
            if (end > begin) std::memcpy(copy.get(), text.data() + begin, end - begin);
            std::string_view line(copy.get(), end - begin);
            lex::LexState next = lexer->lexLine(line, state, &spans);
            std::string fault = checkSpans(spans, line.size());
            if (!fault.empty()) return std::string(name) + ": " + fault;
            if (lexer->lexLine(line, state, nullptr) != next) return std::string(name) + ": end state depends on spans";
            if (next == 0xFFFFFFFFu) return std::string(name) + ": reserved state";
            state = next;
            begin = end + 1;
        }
    }
    return "";
}

// Sized parses of any bytes either fail or give a value that serialises back to the
// same bytes; the unsized parses read nothing beyond a declared size that fits.
inline std::string fuzzFormats(const std::uint8_t* data, std::size_t size) {
    std::unique_ptr<std::uint8_t[]> exact(new std::uint8_t[size ? size : 1]);
    if (size) std::memcpy(exact.get(), data, size);
    const std::vector<std::uint8_t> input(data, data + size);
    if (auto macro = formats::parseMacro(exact.get(), size))
        if (formats::serializeMacro(*macro) != input) return "macro does not round-trip";
    if (auto keys = formats::parseHotKeys(exact.get(), size))
        if (formats::serializeHotKeys(*keys) != input) return "hot keys do not round-trip";
    if (size >= 8) {
        std::size_t declared = formats::macroBlobSize(exact.get());
        if (declared && declared <= size) {
            std::unique_ptr<std::uint8_t[]> blob(new std::uint8_t[declared]);
            std::memcpy(blob.get(), data, declared);
            formats::parseMacro(static_cast<const void*>(blob.get()));
        }
        declared = formats::hotKeyBlobSize(exact.get());
        if (declared && declared <= size) {
            std::unique_ptr<std::uint8_t[]> blob(new std::uint8_t[declared]);
            std::memcpy(blob.get(), data, declared);
            formats::parseHotKeys(static_cast<const void*>(blob.get()));
        }
    }
    return "";
}

} // namespace corvex::test
