#include "rtf/RtfCodePage.h"

#include <iconv.h>

#include <cerrno>
#include <string>
#include <vector>

namespace rtf {

namespace {

constexpr char16_t ReplacementCharacter = 0xFFFD;

std::vector<std::string> iconvNamesFor(int codePage) {
    switch (codePage) {
    case 10000:
        return {"MACINTOSH"};
    case 932:
        return {"CP932", "SHIFT_JIS"};
    case 936:
        return {"CP936", "GBK"};
    case 949:
        return {"CP949", "UHC", "EUC-KR"};
    case 950:
        return {"CP950", "BIG5"};
    case 65001:
        return {"UTF-8"};
    default:
        return {"CP" + std::to_string(codePage)};
    }
}

iconv_t openToUtf16(int codePage) {
    for (const std::string& name : iconvNamesFor(codePage)) {
        iconv_t cd = iconv_open("UTF-16LE", name.c_str());
        if (cd != reinterpret_cast<iconv_t>(-1))
            return cd;
    }
    return reinterpret_cast<iconv_t>(-1);
}

// Converts as much of in as possible; a byte iconv rejects becomes U+FFFD and conversion goes on after it.
void convert(iconv_t cd, std::string_view in, QString& out) {
    std::vector<char16_t> buffer(in.size() + 4);
    char* inPtr = const_cast<char*>(in.data());
    std::size_t inLeft = in.size();
    while (inLeft > 0) {
        char* outPtr = reinterpret_cast<char*>(buffer.data());
        std::size_t outLeft = buffer.size() * sizeof(char16_t);
        const std::size_t result = iconv(cd, &inPtr, &inLeft, &outPtr, &outLeft);
        const auto produced = static_cast<qsizetype>((buffer.size() * sizeof(char16_t) - outLeft) / 2);
        out.append(QStringView(buffer.data(), produced));
        if (result != static_cast<std::size_t>(-1))
            break;
        if (errno == E2BIG)
            continue;
        out.append(QChar(ReplacementCharacter));
        ++inPtr;
        --inLeft;
        iconv(cd, nullptr, nullptr, nullptr, nullptr);
    }
}

} // namespace

int codePageForCharset(int charset) {
    switch (charset) {
    case 0:
        return 1252;
    case 77:
        return 10000;
    case 128:
        return 932;
    case 129:
        return 949;
    case 134:
        return 936;
    case 136:
        return 950;
    case 161:
        return 1253;
    case 162:
        return 1254;
    case 163:
        return 1258;
    case 177:
        return 1255;
    case 178:
        return 1256;
    case 186:
        return 1257;
    case 204:
        return 1251;
    case 222:
        return 874;
    case 238:
        return 1250;
    case 255:
        return 437;
    default:
        return 0;
    }
}

struct CodePageDecoder::Converter {
    iconv_t cd = reinterpret_cast<iconv_t>(-1);
    bool multiByte = false;
    std::array<char16_t, 256> table{};

    ~Converter() {
        if (cd != reinterpret_cast<iconv_t>(-1))
            iconv_close(cd);
    }
};

CodePageDecoder::CodePageDecoder() = default;
CodePageDecoder::~CodePageDecoder() = default;

bool CodePageDecoder::isMultiByte(int codePage) {
    return codePage == 932 || codePage == 936 || codePage == 949 || codePage == 950 || codePage == 65001;
}

CodePageDecoder::Converter& CodePageDecoder::converterFor(int codePage) {
    auto found = converters_.find(codePage);
    if (found != converters_.end())
        return *found->second;
    auto converter = std::make_unique<Converter>();
    converter->cd = openToUtf16(codePage);
    if (converter->cd == reinterpret_cast<iconv_t>(-1) && codePage != 1252) {
        // A code page the C library does not know is read as the Western one rather than dropped.
        Converter& fallback = converterFor(1252);
        converter->table = fallback.table;
    } else {
        converter->multiByte = isMultiByte(codePage);
        for (int byte = 0; byte < 256; ++byte) {
            const char c = static_cast<char>(byte);
            QString one;
            if (converter->cd != reinterpret_cast<iconv_t>(-1))
                convert(converter->cd, std::string_view(&c, 1), one);
            converter->table[byte] = one.size() == 1 ? one.at(0).unicode()
                                     : byte < 0x80   ? static_cast<char16_t>(byte)
                                                     : ReplacementCharacter;
        }
    }
    return *converters_.emplace(codePage, std::move(converter)).first->second;
}

void CodePageDecoder::decode(int codePage, std::string_view bytes, QString& out) {
    Converter& converter = converterFor(codePage);
    if (converter.multiByte) {
        convert(converter.cd, bytes, out);
        iconv(converter.cd, nullptr, nullptr, nullptr, nullptr);
        return;
    }
    const qsizetype start = out.size();
    out.resize(start + static_cast<qsizetype>(bytes.size()));
    QChar* target = out.data() + start;
    for (const char c : bytes)
        *target++ = QChar(converter.table[static_cast<unsigned char>(c)]);
}

} // namespace rtf
