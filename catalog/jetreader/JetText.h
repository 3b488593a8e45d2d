// Decoding of the text stored in Jet files into UTF-8: Jet 3 text in the
// file's own code page, Jet 4 text in UCS-2, plain or in the compressed form
// (marked by FF FE, runs of one-byte characters switched by zero bytes).
//
// Errors: the constructor throws std::runtime_error for a code page that
// this system cannot convert.
#pragma once

#include <cstddef>
#include <string>

namespace jetreader {

class JetText {
public:
    // jet4 selects the Unicode forms; otherwise codePage (1252 when 0) applies.
    JetText(bool jet4, unsigned codePage);
    ~JetText();
    JetText(const JetText&) = delete;
    JetText& operator=(const JetText&) = delete;

    std::string decode(const unsigned char* data, size_t size) const;

private:
    std::string decodeCodePage(const unsigned char* data, size_t size) const;
    std::string decodeUcs2(const unsigned char* data, size_t size) const;

    bool m_jet4;
    void* m_iconv = nullptr; // iconv_t, kept out of this header
};

} // namespace jetreader
