#include "rtf/RtfTokenizer.h"

#include <algorithm>
#include <climits>
#include <cstdint>

namespace rtf {

namespace {

bool isLetter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}
bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

} // namespace

Token Tokenizer::next() {
    while (pos_ < data_.size()) {
        const char c = data_[pos_];
        if (c == '{') {
            ++pos_;
            return {TokenType::GroupStart, {}, 0, false, 0};
        }
        if (c == '}') {
            ++pos_;
            return {TokenType::GroupEnd, {}, 0, false, 0};
        }
        if (c == '\\')
            return readControl();
        if (c == '\r' || c == '\n') {
            ++pos_;
            continue;
        }
        const std::size_t start = pos_;
        while (pos_ < data_.size()) {
            const char d = data_[pos_];
            if (d == '{' || d == '}' || d == '\\' || d == '\r' || d == '\n')
                break;
            ++pos_;
        }
        return {TokenType::Text, data_.substr(start, pos_ - start), 0, false, 0};
    }
    return {};
}

Token Tokenizer::readControl() {
    ++pos_; // the backslash
    if (pos_ >= data_.size())
        return {};
    const char c = data_[pos_];
    if (!isLetter(c)) {
        ++pos_;
        Token token{TokenType::ControlSymbol, {}, 0, false, c};
        if (c == '\'') {
            const int high = pos_ < data_.size() ? hexValue(data_[pos_]) : -1;
            const int low = high >= 0 && pos_ + 1 < data_.size() ? hexValue(data_[pos_ + 1]) : -1;
            if (high >= 0 && low >= 0) {
                token.param = high * 16 + low;
                token.hasParam = true;
                pos_ += 2;
            } else if (high >= 0) {
                ++pos_;
            }
        }
        return token;
    }
    const std::size_t start = pos_;
    while (pos_ < data_.size() && isLetter(data_[pos_]))
        ++pos_;
    // Real control words are short; a longer run of letters is damage and is cut to a name nobody knows.
    Token token{TokenType::ControlWord, data_.substr(start, std::min<std::size_t>(pos_ - start, 32)), 0,
                false, 0};
    bool negative = false;
    if (pos_ + 1 < data_.size() && data_[pos_] == '-' && isDigit(data_[pos_ + 1])) {
        negative = true;
        ++pos_;
    }
    if (pos_ < data_.size() && isDigit(data_[pos_])) {
        std::int64_t value = 0;
        while (pos_ < data_.size() && isDigit(data_[pos_])) {
            value = std::min<std::int64_t>(value * 10 + (data_[pos_] - '0'), std::int64_t{INT_MAX} + 1);
            ++pos_;
        }
        if (negative)
            value = -value;
        token.param = static_cast<int>(std::clamp<std::int64_t>(value, INT_MIN, INT_MAX));
        token.hasParam = true;
    }
    if (pos_ < data_.size() && data_[pos_] == ' ')
        ++pos_;
    return token;
}

std::string_view Tokenizer::takeBinary(int length) {
    const std::size_t wanted = length > 0 ? static_cast<std::size_t>(length) : 0;
    const std::size_t count = std::min(wanted, data_.size() - pos_);
    const std::string_view bytes = data_.substr(pos_, count);
    pos_ += count;
    return bytes;
}

int hexValue(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

} // namespace rtf
