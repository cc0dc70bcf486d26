#pragma once

#include <cstddef>
#include <string_view>

namespace rtf {

enum class TokenType {
    GroupStart,
    GroupEnd,
    ControlWord,   // name in text, numeric parameter in param when hasParam
    ControlSymbol, // the character in symbol; for \'hh the byte value in param (hasParam false on bad hex)
    Text,          // a run of plain bytes in text, never containing CR or LF
    End,
};

struct Token {
    TokenType type = TokenType::End;
    std::string_view text;
    int param = 0;
    bool hasParam = false;
    char symbol = 0;
};

// Splits RTF bytes into tokens without any interpretation. Parameters are clamped to the int range so
// that absurd numbers in damaged files cannot overflow later arithmetic.
class Tokenizer {
public:
    explicit Tokenizer(std::string_view data) : data_(data) {}

    Token next();

    // The raw bytes that follow \binN, cut short when the data ends first.
    std::string_view takeBinary(int length);

    std::size_t position() const { return pos_; }

private:
    Token readControl();

    std::string_view data_;
    std::size_t pos_ = 0;
};

// The value of one hexadecimal digit, or -1 for any other character.
int hexValue(char c);

} // namespace rtf
