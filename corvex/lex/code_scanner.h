// Scans a stretch of one line as code of a CodeSyntax, continuing a multi-line comment
// or string from the state, and stopping early at "stop" texts that end an embedded
// block (</script, ?>, %>) or open another one (<?, <%).
#pragma once

#include "corvex/lex/code_syntax.h"
#include "corvex/lex/span_sink.h"

#include <cstdint>
#include <string_view>

namespace corvex::lex {

struct Stop {
    std::string_view text;
    bool ignoreCase = false;
};

struct StopSet {
    const Stop* stops = nullptr;
    int count = 0;
    // Stops end the code also inside strings and block comments (HTML ends a script
    // at the first </script whatever the script says). Line comments always end at a stop.
    bool insideTokens = false;
};

// Index of the stop that begins at `pos`, or -1.
int stopAt(const StopSet& stops, std::string_view line, std::size_t pos);

struct CodeScanEnd {
    std::size_t end; // where scanning ended: the line's size, or the start of the stop
    int stop;        // index of the stop found at `end`, -1 at the line's end
};

// Scans line[begin, size) from the code state `state` (updated to the state at `end`)
// and emits spans for the bytes scanned. States fit 8 bits unless the syntax has raw strings.
CodeScanEnd scanCode(const CodeSyntax& syntax, std::string_view line, std::size_t begin,
                     std::uint32_t& state, SpanSink& sink, const StopSet& stops = StopSet());

} // namespace corvex::lex
