#include "partsno/LineFormat.h"

namespace partsno {

std::string_view trimBlanks(std::string_view utf8) {
    const auto first = utf8.find_first_not_of(' ');
    if (first == std::string_view::npos)
        return {};
    return utf8.substr(first, utf8.find_last_not_of(' ') - first + 1);
}

void appendFixedField(std::string& line, std::string_view utf8, int width) {
    // The width counts characters as shown: every byte but a UTF-8
    // continuation byte starts one.
    long characters = 0;
    for (const char byte : utf8)
        if ((static_cast<unsigned char>(byte) & 0xC0) != 0x80)
            ++characters;
    line += utf8;
    if (characters < width)
        line.append(static_cast<std::size_t>(width - characters), ' ');
}

} // namespace partsno
