#include "catalog/jetreader/WireWriter.h"

#include <cstring>

namespace jetreader {

WireWriter::WireWriter(std::FILE* out) : m_out(out) {
    m_buffer.reserve(1 << 20);
}

WireWriter::~WireWriter() {
    flush();
}

void WireWriter::byte(std::uint8_t value) {
    m_buffer += static_cast<char>(value);
    if (m_buffer.size() >= (1 << 20))
        flush();
}

void WireWriter::u32(std::uint32_t value) {
    for (int i = 0; i < 4; ++i)
        m_buffer += static_cast<char>((value >> (8 * i)) & 0xFF);
}

void WireWriter::u64(std::uint64_t value) {
    for (int i = 0; i < 8; ++i)
        m_buffer += static_cast<char>((value >> (8 * i)) & 0xFF);
}

void WireWriter::f64(double value) {
    std::uint64_t bits = 0;
    std::memcpy(&bits, &value, sizeof bits);
    u64(bits);
}

void WireWriter::str(const std::string& value) {
    bytes(value.data(), value.size());
}

void WireWriter::bytes(const void* data, size_t size) {
    u32(static_cast<std::uint32_t>(size));
    m_buffer.append(static_cast<const char*>(data), size);
    if (m_buffer.size() >= (1 << 20))
        flush();
}

void WireWriter::raw(const void* data, size_t size) {
    m_buffer.append(static_cast<const char*>(data), size);
}

void WireWriter::flush() {
    if (!m_buffer.empty())
        std::fwrite(m_buffer.data(), 1, m_buffer.size(), m_out);
    m_buffer.clear();
    std::fflush(m_out);
}

} // namespace jetreader
