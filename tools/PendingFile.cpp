#include "tools/PendingFile.h"

#include <stdexcept>
#include <system_error>
#include <utility>

namespace tools {

PendingFile::PendingFile(std::filesystem::path target) : m_target(std::move(target)) {
    if (std::filesystem::exists(m_target))
        throw std::runtime_error(m_target.string() + " exists already; it is not replaced");
    m_temporary = m_target;
    m_temporary += ".partial";
    std::filesystem::remove(m_temporary);
    m_pending = true;
}

PendingFile::~PendingFile() {
    discard();
}

PendingFile::PendingFile(PendingFile&& other) noexcept
    : m_target(std::move(other.m_target)), m_temporary(std::move(other.m_temporary)),
      m_pending(std::exchange(other.m_pending, false)) {}

PendingFile& PendingFile::operator=(PendingFile&& other) noexcept {
    if (this != &other) {
        discard();
        m_target = std::move(other.m_target);
        m_temporary = std::move(other.m_temporary);
        m_pending = std::exchange(other.m_pending, false);
    }
    return *this;
}

void PendingFile::discard() noexcept {
    if (m_pending) {
        std::error_code ignored;
        std::filesystem::remove(m_temporary, ignored);
        m_pending = false;
    }
}

void PendingFile::commit() {
    if (!m_pending)
        throw std::runtime_error("nothing to put in place for " + m_target.string());
    // Checked again: another program may have made the file while this one wrote.
    if (std::filesystem::exists(m_target))
        throw std::runtime_error(m_target.string() + " exists already; it is not replaced");
    std::filesystem::rename(m_temporary, m_target);
    m_pending = false;
}

} // namespace tools
