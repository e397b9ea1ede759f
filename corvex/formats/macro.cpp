#include "corvex/formats/macro.h"

#include "corvex/formats/byte_io.h"

namespace corvex::formats {

namespace {
constexpr std::uint8_t kReplaceFlags =
    kFindMatchCase | kFindWholeWord | kReplacePreserveCase | kReplaceEvery | kReplaceInSelection;
}

void Macro::addText(std::string_view text) {
    if (text.empty()) return;
    if (!actions.empty() && actions.back().op == MacroOp::InsertText) {
        actions.back().text += text;
        return;
    }
    MacroAction action;
    action.op = MacroOp::InsertText;
    action.text = std::string(text);
    actions.push_back(std::move(action));
}

bool isValidAction(const MacroAction& a) {
    switch (a.op) {
    case MacroOp::InsertText: return !a.text.empty() && a.text.size() < kMacroMaxSize;
    case MacroOp::Find: return !a.text.empty() && a.text.size() <= kFindTextLimit;
    case MacroOp::Replace:
        return !a.text.empty() && a.text.size() <= kFindTextLimit && a.replacement.size() <= kFindTextLimit;
    case MacroOp::GoToLine: return a.line >= 1;
    case MacroOp::Command: return isKnownCommand(a.command) && !isMacroCommand(a.command);
    case MacroOp::Move: return static_cast<int>(a.move) < kMoveKindCount;
    case MacroOp::DeleteBackward: case MacroOp::DeleteForward: case MacroOp::Newline:
    case MacroOp::Tab: case MacroOp::ToggleOverwrite: return true;
    }
    return false;
}

std::vector<std::uint8_t> serializeMacro(const Macro& macro) {
    std::size_t valid = 0;
    for (const MacroAction& a : macro.actions) valid += isValidAction(a);
    if (valid == 0) return {};
    ByteWriter w;
    w.raw(std::string_view(kMacroMagic, 4));
    w.u32(0); // total size, patched below
    w.u16(1);
    w.u16(0);
    w.u32(static_cast<std::uint32_t>(valid));
    for (const MacroAction& a : macro.actions) {
        if (!isValidAction(a)) continue;
        w.u8(static_cast<std::uint8_t>(a.op));
        switch (a.op) {
        case MacroOp::InsertText:
            w.u32(static_cast<std::uint32_t>(a.text.size()));
            w.raw(a.text);
            break;
        case MacroOp::DeleteBackward:
        case MacroOp::DeleteForward:
            w.u8(a.flags & kWholeWordUnit);
            break;
        case MacroOp::Move:
            w.u8(static_cast<std::uint8_t>(a.move));
            w.u8(a.flags & kExtendSelection);
            break;
        case MacroOp::Command:
            w.u8(static_cast<std::uint8_t>(a.command.target));
            w.u16(a.command.code);
            break;
        case MacroOp::Find:
            w.u8(a.flags & (kFindMatchCase | kFindWholeWord | kFindBackwards));
            w.u32(static_cast<std::uint32_t>(a.text.size()));
            w.raw(a.text);
            break;
        case MacroOp::Replace:
            w.u8(a.flags & kReplaceFlags);
            w.u32(static_cast<std::uint32_t>(a.text.size()));
            w.raw(a.text);
            w.u32(static_cast<std::uint32_t>(a.replacement.size()));
            w.raw(a.replacement);
            break;
        case MacroOp::GoToLine:
            w.u32(a.line);
            break;
        case MacroOp::Newline:
        case MacroOp::Tab:
        case MacroOp::ToggleOverwrite:
            break;
        }
    }
    if (w.size() > kMacroMaxSize) return {};
    w.patchU32(4, static_cast<std::uint32_t>(w.size()));
    return w.take();
}

namespace {

bool readAction(ByteReader& r, MacroAction& a) {
    a.op = static_cast<MacroOp>(r.u8());
    switch (a.op) {
    case MacroOp::InsertText: {
        std::uint32_t length = r.u32();
        if (length == 0 || length > r.remaining()) return false;
        a.text = r.raw(length);
        return true;
    }
    case MacroOp::DeleteBackward:
    case MacroOp::DeleteForward:
        a.flags = r.u8();
        return a.flags <= kWholeWordUnit;
    case MacroOp::Move: {
        std::uint8_t kind = r.u8();
        a.flags = r.u8();
        a.move = static_cast<MoveKind>(kind);
        return kind < kMoveKindCount && a.flags <= kExtendSelection;
    }
    case MacroOp::Command: {
        std::uint8_t target = r.u8();
        a.command.code = r.u16();
        a.command.target = static_cast<CommandTarget>(target);
        return target <= 2 && isKnownCommand(a.command) && !isMacroCommand(a.command);
    }
    case MacroOp::Find: {
        a.flags = r.u8();
        std::uint32_t length = r.u32();
        if (a.flags > 7 || length == 0 || length > kFindTextLimit || length > r.remaining()) return false;
        a.text = r.raw(length);
        return true;
    }
    case MacroOp::Replace: {
        a.flags = r.u8();
        const std::uint32_t length = r.u32();
        if ((a.flags & ~kReplaceFlags) != 0 || length == 0 || length > kFindTextLimit || length > r.remaining())
            return false;
        a.text = r.raw(length);
        const std::uint32_t replacementLength = r.u32();
        if (replacementLength > kFindTextLimit || replacementLength > r.remaining()) return false;
        a.replacement = r.raw(replacementLength);
        return true;
    }
    case MacroOp::GoToLine:
        a.line = r.u32();
        return a.line >= 1;
    case MacroOp::Newline:
    case MacroOp::Tab:
    case MacroOp::ToggleOverwrite:
        return true;
    }
    return false;
}

} // namespace

std::optional<Macro> parseMacro(const std::uint8_t* data, std::size_t size) {
    if (!data || size < kMacroHeaderSize || size > kMacroMaxSize) return std::nullopt;
    if (macroBlobSize(data) != size) return std::nullopt;
    ByteReader r(data + 8, size - 8);
    std::uint16_t version = r.u16();
    std::uint16_t reserved = r.u16();
    std::uint32_t count = r.u32();
    // Every action takes at least one byte, which also bounds the allocation below.
    if (version != 1 || reserved != 0 || count == 0 || count > r.remaining()) return std::nullopt;
    Macro macro;
    macro.actions.reserve(count);
    for (std::uint32_t k = 0; k < count; ++k) {
        MacroAction action;
        if (!readAction(r, action) || r.failed()) return std::nullopt;
        macro.actions.push_back(std::move(action));
    }
    if (r.remaining() != 0) return std::nullopt;
    return macro;
}

std::size_t macroBlobSize(const void* data) {
    return declaredBlobSize(data, kMacroMagic, kMacroHeaderSize, kMacroMaxSize);
}

std::optional<Macro> parseMacro(const void* data) {
    std::size_t size = macroBlobSize(data);
    if (size == 0) return std::nullopt;
    return parseMacro(static_cast<const std::uint8_t*>(data), size);
}

} // namespace corvex::formats
