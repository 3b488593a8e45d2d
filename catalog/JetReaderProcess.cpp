#include "catalog/JetReaderProcess.h"

#include "catalog/CatalogError.h"
#include "catalog/JetWire.h"

#include <QByteArray>
#include <QProcess>
#include <QStringList>

#include <algorithm>
#include <cstring>
#include <filesystem>

#ifdef _WIN32
#include <windows.h>
#endif

namespace catalog {

class JetReaderProcess::Impl {
public:
    Impl(const std::string& helper, const std::vector<std::string>& arguments, std::chrono::milliseconds timeout,
         std::string description)
        : m_description(std::move(description)), m_timeout(timeout),
          m_deadline(std::chrono::steady_clock::now() + timeout) {
        QStringList list;
        for (const std::string& argument : arguments)
            list << QString::fromStdString(argument);
        // libmdb warns on standard error, endlessly on some damaged files:
        // nobody reads it, so it must not pile up.
        m_process.setStandardErrorFile(QProcess::nullDevice());
        m_process.setStandardInputFile(QProcess::nullDevice());
        m_process.start(QString::fromStdString(helper), list, QIODevice::ReadOnly);
        if (!m_process.waitForStarted(static_cast<int>(remaining().count())))
            fail("the Jet reader " + helper + " cannot be started (" + m_process.errorString().toStdString() + ")");
    }

    ~Impl() {
        if (m_process.state() != QProcess::NotRunning) {
            m_process.kill();
            m_process.waitForFinished(5000);
        }
    }

    std::chrono::milliseconds remaining() const {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(m_deadline -
                                                                                std::chrono::steady_clock::now());
        return std::max(left, std::chrono::milliseconds(0));
    }

    [[noreturn]] void fail(const std::string& what) {
        if (m_process.state() != QProcess::NotRunning) {
            m_process.kill();
            m_process.waitForFinished(5000);
        }
        throw CatalogError(m_description + ": " + what);
    }

    std::string exitDescription() {
        if (m_process.exitStatus() == QProcess::CrashExit)
            return "the Jet reader crashed";
        return "the Jet reader stopped with exit status " + std::to_string(m_process.exitCode());
    }

    // Makes count bytes available at m_position, waiting for the helper within the time bound.
    const char* need(size_t count) {
        while (static_cast<size_t>(m_buffer.size()) - m_position < count) {
            if (m_position > (1 << 20)) {
                m_buffer.remove(0, static_cast<qsizetype>(m_position));
                m_position = 0;
            }
            const auto left = remaining();
            if (left.count() == 0)
                fail("the Jet reader did not finish within " + std::to_string(m_timeout.count() / 1000) +
                     " s; the file may be damaged");
            if (m_process.state() == QProcess::NotRunning) {
                const QByteArray rest = m_process.readAllStandardOutput();
                if (rest.isEmpty())
                    fail(exitDescription() + " before the end of its answer; the file may be damaged");
                m_buffer += rest;
                continue;
            }
            m_process.waitForReadyRead(static_cast<int>(std::min<long long>(left.count(), 250)));
            m_buffer += m_process.readAllStandardOutput();
        }
        const char* data = m_buffer.constData() + m_position;
        m_position += count;
        return data;
    }

    void finish() {
        if (static_cast<size_t>(m_buffer.size()) != m_position)
            fail("the Jet reader sent more than its answer");
        const auto left = remaining();
        if (!m_process.waitForFinished(static_cast<int>(std::max<long long>(left.count(), 1))))
            fail("the Jet reader did not finish within its time bound");
        if (!m_process.readAllStandardOutput().isEmpty())
            fail("the Jet reader sent more than its answer");
        if (m_process.exitStatus() != QProcess::NormalExit || m_process.exitCode() != 0)
            fail(exitDescription());
    }

    QProcess m_process;
    QByteArray m_buffer;
    size_t m_position = 0;
    std::string m_description;
    std::chrono::milliseconds m_timeout;
    std::chrono::steady_clock::time_point m_deadline;
};

JetReaderProcess::JetReaderProcess(const std::string& helper, const std::vector<std::string>& arguments,
                                   std::chrono::milliseconds timeout, std::string description)
    : m_impl(std::make_unique<Impl>(helper, arguments, timeout, std::move(description))) {
    const char* magic = m_impl->need(sizeof jetwire::Magic);
    if (std::memcmp(magic, jetwire::Magic, sizeof jetwire::Magic) != 0)
        malformed("the Jet reader's answer does not begin as it must");
}

JetReaderProcess::~JetReaderProcess() = default;
JetReaderProcess::JetReaderProcess(JetReaderProcess&&) noexcept = default;
JetReaderProcess& JetReaderProcess::operator=(JetReaderProcess&&) noexcept = default;

std::string JetReaderProcess::helperPath() {
    namespace fs = std::filesystem;
#ifdef _WIN32
    wchar_t buffer[32768];
    const DWORD length = GetModuleFileNameW(nullptr, buffer, static_cast<DWORD>(std::size(buffer)));
    const fs::path self(std::wstring(buffer, length));
    return (self.parent_path() / "vexorin-jet-reader.exe").string();
#else
    std::error_code error;
    const fs::path self = fs::read_symlink("/proc/self/exe", error);
    return (self.parent_path() / "vexorin-jet-reader").string();
#endif
}

std::chrono::milliseconds JetReaderProcess::timeoutFor(std::uintmax_t fileSize) {
    // Five seconds for any file, two more per MiB: far above what a sound
    // file of that size takes, far below what a user would wait.
    return std::chrono::milliseconds(5000 + static_cast<long long>(fileSize / (1 << 20)) * 2000);
}

std::uint8_t JetReaderProcess::byte() {
    return static_cast<std::uint8_t>(*m_impl->need(1));
}

std::uint32_t JetReaderProcess::u32() {
    const auto* p = reinterpret_cast<const unsigned char*>(m_impl->need(4));
    return p[0] | (p[1] << 8) | (p[2] << 16) | (static_cast<std::uint32_t>(p[3]) << 24);
}

std::uint64_t JetReaderProcess::u64() {
    const auto* p = reinterpret_cast<const unsigned char*>(m_impl->need(8));
    std::uint64_t value = 0;
    for (int i = 7; i >= 0; --i)
        value = (value << 8) | p[i];
    return value;
}

double JetReaderProcess::f64() {
    const std::uint64_t bits = u64();
    double value = 0;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}

std::string JetReaderProcess::str(std::uint32_t maxLength) {
    const std::uint32_t length = u32();
    if (length > maxLength)
        malformed("the Jet reader sent a value of " + std::to_string(length) + " bytes");
    const char* data = m_impl->need(length);
    return std::string(data, length);
}

void JetReaderProcess::failureFrame() {
    const std::string description = str(jetwire::MaxNameLength * 4);
    m_impl->fail(description);
}

void JetReaderProcess::finish() {
    m_impl->finish();
}

void JetReaderProcess::malformed(const std::string& what) {
    m_impl->fail(what + "; its answer is malformed");
}

} // namespace catalog
