// A TextSource over a std::string, lines ending at '\n' (a '\r' before it is part of
// the line end).
#pragma once

#include "corvex/engine/text_source.h"

#include <algorithm>
#include <string>
#include <vector>

namespace corvex::test {

class StringSource final : public TextSource {
public:
    explicit StringSource(std::string text = {}) { assign(std::move(text)); }

    void assign(std::string text) {
        text_ = std::move(text);
        starts_.assign(1, 0);
        for (std::size_t k = 0; k < text_.size(); ++k)
            if (text_[k] == '\n') starts_.push_back(k + 1);
    }
    const std::string& str() const { return text_; }

    std::size_t size() const override { return text_.size(); }
    char at(std::size_t offset) const override { return text_[offset]; }
    std::size_t lineCount() const override { return starts_.size(); }
    std::size_t lineStart(std::size_t line) const override { return starts_[line]; }
    std::size_t lineLength(std::size_t line) const override {
        std::size_t end = line + 1 < starts_.size() ? starts_[line + 1] - 1 : text_.size();
        if (end > starts_[line] && text_[end - 1] == '\r' && line + 1 < starts_.size()) --end;
        return end - starts_[line];
    }
    std::size_t lineOfOffset(std::size_t offset) const override {
        return static_cast<std::size_t>(std::upper_bound(starts_.begin(), starts_.end(), offset) -
                                        starts_.begin()) - 1;
    }
    std::string text(std::size_t offset, std::size_t length) const override {
        if (offset >= text_.size()) return {};
        return text_.substr(offset, length);
    }

private:
    std::string text_;
    std::vector<std::size_t> starts_;
};

} // namespace corvex::test
