// One run of the Jet reader helper (vexorin-jet-reader, found beside the
// running executable) and the reading of its stream (see JetWire.h), with a
// time bound on the whole run: a helper that overruns is killed, and one that
// dies or sends malformed data is a failure, never a hang.
//
// Errors: every read throws CatalogError naming the file and what went wrong.
#pragma once

#include <chrono>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace catalog {

class JetReaderProcess {
public:
    // Starts helper with the arguments; description names the file in messages.
    JetReaderProcess(const std::string& helper, const std::vector<std::string>& arguments,
                     std::chrono::milliseconds timeout, std::string description);
    // Kills the helper when it is still running.
    ~JetReaderProcess();
    JetReaderProcess(JetReaderProcess&&) noexcept;
    JetReaderProcess& operator=(JetReaderProcess&&) noexcept;
    JetReaderProcess(const JetReaderProcess&) = delete;
    JetReaderProcess& operator=(const JetReaderProcess&) = delete;

    // The helper beside the running executable.
    static std::string helperPath();
    // The time bound for reading a file of that size: it grows with the size.
    static std::chrono::milliseconds timeoutFor(std::uintmax_t fileSize);

    std::uint8_t byte();
    std::uint32_t u32();
    std::uint64_t u64();
    double f64();
    // A length-prefixed string of at most maxLength bytes.
    std::string str(std::uint32_t maxLength);
    // Reads the failure frame's description and throws it.
    [[noreturn]] void failureFrame();
    // Expects the end of the stream and a clean exit.
    void finish();
    [[noreturn]] void malformed(const std::string& what);

    class Impl;

private:
    std::unique_ptr<Impl> m_impl;
};

} // namespace catalog
