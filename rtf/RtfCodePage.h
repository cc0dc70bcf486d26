#pragma once

#include <QString>

#include <array>
#include <map>
#include <memory>
#include <string_view>

namespace rtf {

// The Windows code page that an RTF \fcharset value stands for, or 0 when the charset names none.
int codePageForCharset(int charset);

// Turns the 8-bit text of a document into Unicode. Single-byte code pages go through a table built once
// with iconv; multi-byte ones (the East Asian pages) through iconv on the whole run, so that a character
// split over two \'hh escapes still comes out whole.
class CodePageDecoder {
public:
    CodePageDecoder();
    ~CodePageDecoder();
    CodePageDecoder(const CodePageDecoder&) = delete;
    CodePageDecoder& operator=(const CodePageDecoder&) = delete;

    void decode(int codePage, std::string_view bytes, QString& out);

    static bool isMultiByte(int codePage);

private:
    struct Converter;
    Converter& converterFor(int codePage);

    std::map<int, std::unique_ptr<Converter>> converters_;
};

} // namespace rtf
