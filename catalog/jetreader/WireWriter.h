// Buffered writer of the Jet reader's stream (see catalog/JetWire.h) to standard output.
#pragma once

#include <cstdint>
#include <cstdio>
#include <string>

namespace jetreader {

class WireWriter {
public:
    explicit WireWriter(std::FILE* out);
    ~WireWriter();
    WireWriter(const WireWriter&) = delete;
    WireWriter& operator=(const WireWriter&) = delete;

    void byte(std::uint8_t value);
    void u32(std::uint32_t value);
    void u64(std::uint64_t value);
    void f64(double value);
    void str(const std::string& value);
    // A length, then the bytes.
    void bytes(const void* data, size_t size);
    // The bytes alone.
    void raw(const void* data, size_t size);
    void flush();

private:
    std::FILE* m_out;
    std::string m_buffer;
};

} // namespace jetreader
