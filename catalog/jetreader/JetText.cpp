#include "catalog/jetreader/JetText.h"

#include "catalog/Utf8.h"

#include <iconv.h>

#include <cerrno>
#include <stdexcept>
#include <vector>

namespace jetreader {
namespace {

using catalog::appendUtf8;

const iconv_t NoConverter = reinterpret_cast<iconv_t>(-1);


const char32_t Replacement = 0xFFFD;

} // namespace

JetText::JetText(bool jet4, unsigned codePage) : m_jet4(jet4) {
    if (jet4)
        return;
    const std::string name = "CP" + std::to_string(codePage == 0 ? 1252 : codePage);
    iconv_t converter = iconv_open("UTF-8", name.c_str());
    if (converter == NoConverter)
        throw std::runtime_error("the file's code page " + name + " cannot be converted on this system");
    m_iconv = converter;
}

JetText::~JetText() {
    if (m_iconv)
        iconv_close(static_cast<iconv_t>(m_iconv));
}

std::string JetText::decode(const unsigned char* data, size_t size) const {
    return m_jet4 ? decodeUcs2(data, size) : decodeCodePage(data, size);
}

std::string JetText::decodeCodePage(const unsigned char* data, size_t size) const {
    auto converter = static_cast<iconv_t>(m_iconv);
    iconv(converter, nullptr, nullptr, nullptr, nullptr);
    std::string out;
    std::vector<char> buffer(size * 4 + 16);
    auto* in = reinterpret_cast<char*>(const_cast<unsigned char*>(data));
    size_t inLeft = size;
    while (inLeft > 0) {
        char* outPtr = buffer.data();
        size_t outLeft = buffer.size();
        const size_t rc = iconv(converter, &in, &inLeft, &outPtr, &outLeft);
        out.append(buffer.data(), outPtr);
        if (rc == static_cast<size_t>(-1)) {
            if (errno == E2BIG)
                continue;
            // A byte the code page leaves undefined: keep its place.
            appendUtf8(out, Replacement);
            ++in;
            --inLeft;
            iconv(converter, nullptr, nullptr, nullptr, nullptr);
        }
    }
    return out;
}

std::string JetText::decodeUcs2(const unsigned char* data, size_t size) const {
    std::vector<char16_t> units;
    units.reserve(size);
    if (size >= 2 && data[0] == 0xFF && data[1] == 0xFE) {
        bool compressed = true;
        for (size_t i = 2; i < size;) {
            if (data[i] == 0) {
                compressed = !compressed;
                ++i;
            } else if (compressed) {
                units.push_back(data[i++]);
            } else if (i + 1 < size) {
                units.push_back(static_cast<char16_t>(data[i] | (data[i + 1] << 8)));
                i += 2;
            } else {
                break;
            }
        }
    } else {
        for (size_t i = 0; i + 1 < size; i += 2)
            units.push_back(static_cast<char16_t>(data[i] | (data[i + 1] << 8)));
    }
    std::string out;
    out.reserve(units.size());
    for (size_t i = 0; i < units.size(); ++i) {
        const char16_t u = units[i];
        if (u >= 0xD800 && u <= 0xDBFF && i + 1 < units.size() && units[i + 1] >= 0xDC00 && units[i + 1] <= 0xDFFF) {
            appendUtf8(out, 0x10000 + ((u - 0xD800) << 10) + (units[i + 1] - 0xDC00));
            ++i;
        } else if (u >= 0xD800 && u <= 0xDFFF) {
            appendUtf8(out, Replacement);
        } else {
            appendUtf8(out, u);
        }
    }
    return out;
}

} // namespace jetreader
