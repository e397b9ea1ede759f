#include "corvex/lex/markup_lexer.h"

#include "corvex/lex/char_class.h"
#include "corvex/lex/code_scanner.h"

namespace corvex::lex {
namespace {

// Markup states: the mode in bits 0-3, the kind of the open tag in bits 4-5, an open
// server block in bit 6, the embedded script's code state in bits 8-15 and the server
// block's code state in bits 16-23.
enum Mode : std::uint32_t {
    Text, InTag, ValueDouble, ValueSingle, Comment, CfComment, CData, Declaration,
    Instruction, ScriptContent, ModeCount
};
enum TagKind : std::uint32_t { PlainTag, ScriptTag, StyleTag, CfScriptTag };

bool startsWith(std::string_view line, std::size_t pos, std::string_view text, bool ignoreCase) {
    if (line.size() - pos < text.size()) return false;
    for (std::size_t k = 0; k < text.size(); ++k) {
        char a = line[pos + k], b = text[k];
        if (ignoreCase ? asciiLower(a) != asciiLower(b) : a != b) return false;
    }
    return true;
}

bool equalsIgnoreCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() && startsWith(a, 0, b, true);
}

bool isNameByte(unsigned char c) {
    return isWordByte(c) || c == '-' || c == ':' || c == '.';
}

const Stop kScriptEnds[] = {{"</script", true}, {"</style", true}, {"</cfscript", true}};

class MarkupLine {
public:
    MarkupLine(const MarkupDialect& dialect, std::string_view line, LexState state,
               std::vector<Span>* spans)
        : d_(dialect), line_(line), n_(line.size()), sink_(spans) {
        mode_ = state & 0xF;
        tag_ = (state >> 4) & 3;
        server_ = (state >> 6) & 1;
        client_ = static_cast<std::uint8_t>(state >> 8);
        serverState_ = static_cast<std::uint8_t>(state >> 16);
        if (mode_ >= ModeCount || (d_.xml && (mode_ == ScriptContent || tag_ != PlainTag)))
            mode_ = Text;
        if (tag_ == CfScriptTag && !d_.coldFusion) tag_ = PlainTag;
        if (mode_ == ScriptContent && tag_ == PlainTag) mode_ = Text;
        if (d_.server == ServerBlocks::None) server_ = false;
    }

    LexState run();

private:
    const CodeSyntax& scriptSyntax() const {
        return tag_ == StyleTag ? syntax::css()
               : tag_ == CfScriptTag ? syntax::cfScript() : syntax::javaScript();
    }
    std::size_t serverOpenerLength(std::size_t pos) const;
    void openServer(std::size_t length);
    void serverBlock();
    void text();
    std::size_t tagStart();
    std::size_t entityLength() const;
    void insideTag();
    void quotedValue(char quote, bool opening);
    void until(std::string_view close, TokenKind kind, bool serverAware);
    void scriptContent();

    const MarkupDialect& d_;
    std::string_view line_;
    std::size_t n_;
    SpanSink sink_;
    std::size_t i_ = 0;
    std::uint32_t mode_;
    std::uint32_t tag_;
    bool server_;
    std::uint8_t client_;
    std::uint8_t serverState_;
    bool afterEquals_ = false;
};

std::size_t MarkupLine::serverOpenerLength(std::size_t pos) const {
    if (d_.server == ServerBlocks::Asp) {
        if (!startsWith(line_, pos, "<%", false)) return 0;
        bool marked = pos + 2 < n_ && (line_[pos + 2] == '=' || line_[pos + 2] == '@'); // <%= <%@
        return marked ? 3 : 2;
    }
    if (d_.server != ServerBlocks::Php || !startsWith(line_, pos, "<?", false)) return 0;
    if (startsWith(line_, pos, "<?php", true)) return 5;
    return startsWith(line_, pos, "<?=", false) ? 3 : 2;
}

void MarkupLine::openServer(std::size_t length) {
    sink_.emit(i_, i_ + length, TokenKind::ScriptTag);
    i_ += length;
    server_ = true;
    serverState_ = 0;
}

void MarkupLine::serverBlock() {
    const Stop closer{d_.server == ServerBlocks::Asp ? "%>" : "?>", false};
    // ASP ends a block at the first %> wherever it is; PHP only outside strings and comments.
    StopSet stops{&closer, 1, d_.server == ServerBlocks::Asp};
    const CodeSyntax& syntax = d_.server == ServerBlocks::Asp ? syntax::vbScript() : syntax::php();
    std::uint32_t state = serverState_;
    CodeScanEnd end = scanCode(syntax, line_, i_, state, sink_, stops);
    serverState_ = static_cast<std::uint8_t>(state); // embedded syntaxes keep 8-bit states
    i_ = end.end;
    if (end.stop >= 0) {
        sink_.emit(i_, i_ + 2, TokenKind::ScriptTag);
        i_ += 2;
        server_ = false;
        serverState_ = 0;
    }
}

std::size_t MarkupLine::entityLength() const {
    std::size_t k = i_ + 1;
    if (k < n_ && line_[k] == '#') ++k;
    std::size_t nameStart = k;
    while (k < n_ && k - i_ < 32 && isWordByte(static_cast<unsigned char>(line_[k]))) ++k;
    return (k > nameStart && k < n_ && line_[k] == ';') ? k + 1 - i_ : 0;
}

// Opens whatever starts with '<' at i_; returns 0 when the '<' is plain text.
std::size_t MarkupLine::tagStart() {
    const std::size_t start = i_;
    if (d_.coldFusion && startsWith(line_, i_, "<!---", false)) {
        i_ += 5;
        mode_ = CfComment;
        sink_.emit(start, i_, TokenKind::Comment);
    } else if (startsWith(line_, i_, "<!--", false)) {
        i_ += 4;
        mode_ = Comment;
        sink_.emit(start, i_, TokenKind::Comment);
    } else if (startsWith(line_, i_, "<![CDATA[", false)) {
        i_ += 9;
        mode_ = CData;
        sink_.emit(start, i_, TokenKind::Tag);
    } else if (startsWith(line_, i_, "<!", false) && i_ + 2 < n_ && isAsciiAlpha(line_[i_ + 2])) {
        i_ += 2;
        mode_ = Declaration;
        sink_.emit(start, i_, TokenKind::Preprocessor);
    } else if (startsWith(line_, i_, "<?", false)) {
        i_ += 2;
        mode_ = Instruction;
        sink_.emit(start, i_, TokenKind::Preprocessor);
    } else {
        bool closing = i_ + 1 < n_ && line_[i_ + 1] == '/';
        std::size_t nameStart = i_ + (closing ? 2 : 1);
        if (nameStart >= n_ || !(isAsciiAlpha(line_[nameStart]) || line_[nameStart] == '_'))
            return 0;
        std::size_t k = nameStart;
        while (k < n_ && isNameByte(static_cast<unsigned char>(line_[k]))) ++k;
        std::string_view name = line_.substr(nameStart, k - nameStart);
        sink_.emit(start, nameStart, TokenKind::Tag);
        bool cfTag = d_.coldFusion && name.size() > 2 && startsWith(name, 0, "cf", true);
        sink_.emit(nameStart, k, cfTag ? TokenKind::Keyword : TokenKind::Tag);
        tag_ = PlainTag;
        if (!closing && !d_.xml) {
            if (equalsIgnoreCase(name, "script")) tag_ = ScriptTag;
            else if (equalsIgnoreCase(name, "style")) tag_ = StyleTag;
            else if (d_.coldFusion && equalsIgnoreCase(name, "cfscript")) tag_ = CfScriptTag;
        }
        i_ = k;
        mode_ = InTag;
        afterEquals_ = false;
    }
    return i_ - start;
}

void MarkupLine::text() {
    const std::size_t start = i_;
    const char c = line_[i_];
    if (c == '<') {
        if (tagStart() == 0) sink_.emit(start, ++i_, TokenKind::Text);
        return;
    }
    if (c == '&') {
        std::size_t length = entityLength();
        i_ += length ? length : 1;
        sink_.emit(start, i_, length ? TokenKind::Entity : TokenKind::Text);
        return;
    }
    while (i_ < n_ && line_[i_] != '<' && line_[i_] != '&') ++i_;
    sink_.emit(start, i_, TokenKind::Text);
}

void MarkupLine::quotedValue(char quote, bool opening) {
    const std::size_t start = i_;
    mode_ = quote == '"' ? ValueDouble : ValueSingle;
    if (opening) ++i_;
    while (i_ < n_) {
        if (serverOpenerLength(i_)) break;
        if (line_[i_++] == quote) {
            mode_ = InTag;
            break;
        }
    }
    sink_.emit(start, i_, TokenKind::String);
}

void MarkupLine::insideTag() {
    const std::size_t start = i_;
    const unsigned char c = static_cast<unsigned char>(line_[i_]);
    if (isBlank(c)) {
        while (i_ < n_ && isBlank(static_cast<unsigned char>(line_[i_]))) ++i_;
        sink_.emit(start, i_, TokenKind::Text);
    } else if (c == '>' || (c == '/' && i_ + 1 < n_ && line_[i_ + 1] == '>')) {
        bool selfClosing = c == '/';
        i_ += selfClosing ? 2 : 1;
        sink_.emit(start, i_, TokenKind::Tag);
        mode_ = (tag_ != PlainTag && !selfClosing) ? ScriptContent : Text;
        if (mode_ == Text) tag_ = PlainTag;
        client_ = 0;
    } else if (c == '"' || c == '\'') {
        afterEquals_ = false;
        quotedValue(static_cast<char>(c), true);
    } else if (c == '=') {
        afterEquals_ = true;
        sink_.emit(start, ++i_, TokenKind::Operator);
    } else if (c == '<') {
        mode_ = Text; // an unclosed tag: the next one starts here
        tag_ = PlainTag;
    } else if (afterEquals_) {
        while (i_ < n_ && !isBlank(static_cast<unsigned char>(line_[i_])) && line_[i_] != '>' &&
               !serverOpenerLength(i_))
            ++i_;
        afterEquals_ = false;
        sink_.emit(start, i_, TokenKind::String);
    } else if (isNameByte(c)) {
        while (i_ < n_ && isNameByte(static_cast<unsigned char>(line_[i_]))) ++i_;
        sink_.emit(start, i_, TokenKind::Attribute);
    } else {
        sink_.emit(start, ++i_, TokenKind::Text);
    }
}

// Runs `kind` up to and including `close`, then returns to text.
void MarkupLine::until(std::string_view close, TokenKind kind, bool serverAware) {
    const std::size_t start = i_;
    while (i_ < n_) {
        if (serverAware && serverOpenerLength(i_)) break;
        if (startsWith(line_, i_, close, false)) {
            i_ += close.size();
            mode_ = Text;
            break;
        }
        ++i_;
    }
    sink_.emit(start, i_, kind);
}

void MarkupLine::scriptContent() {
    Stop stops[2] = {kScriptEnds[tag_ - ScriptTag], {}};
    int count = 1;
    if (d_.server == ServerBlocks::Asp) stops[count++] = {"<%", false};
    if (d_.server == ServerBlocks::Php) stops[count++] = {"<?", false};
    std::uint32_t state = client_;
    CodeScanEnd end = scanCode(scriptSyntax(), line_, i_, state, sink_, StopSet{stops, count, true});
    client_ = static_cast<std::uint8_t>(state);
    i_ = end.end;
    if (end.stop == 0) {
        mode_ = Text; // the closing tag is lexed as a tag
        tag_ = PlainTag;
        client_ = 0;
    } else if (end.stop > 0) {
        openServer(serverOpenerLength(i_));
    }
}

LexState MarkupLine::run() {
    while (i_ < n_) {
        if (server_) {
            serverBlock();
            continue;
        }
        if (mode_ != ScriptContent) {
            if (std::size_t length = serverOpenerLength(i_)) {
                openServer(length);
                continue;
            }
        }
        switch (mode_) {
        case Text: text(); break;
        case InTag: insideTag(); break;
        case ValueDouble: quotedValue('"', false); break;
        case ValueSingle: quotedValue('\'', false); break;
        case Comment: until("-->", TokenKind::Comment, true); break;
        case CfComment: until("--->", TokenKind::Comment, false); break;
        case CData:
            if (startsWith(line_, i_, "]]>", false)) {
                sink_.emit(i_, i_ + 3, TokenKind::Tag);
                i_ += 3;
                mode_ = Text;
            } else {
                std::size_t start = i_;
                while (i_ < n_ && !startsWith(line_, i_, "]]>", false)) ++i_;
                sink_.emit(start, i_, TokenKind::Text);
            }
            break;
        case Declaration: until(">", TokenKind::Preprocessor, true); break;
        case Instruction: until("?>", TokenKind::Preprocessor, false); break;
        default: scriptContent(); break;
        }
    }
    return mode_ | tag_ << 4 | static_cast<std::uint32_t>(server_) << 6 |
           static_cast<std::uint32_t>(client_) << 8 | static_cast<std::uint32_t>(serverState_) << 16;
}

} // namespace

LexState MarkupLexer::lexLine(std::string_view line, LexState start, std::vector<Span>* spans) const {
    return MarkupLine(dialect_, line, start, spans).run();
}

} // namespace corvex::lex
