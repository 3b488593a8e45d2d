// A file that is written under a temporary name beside its final place and
// put there only by commit(), so that a failed or interrupted run leaves no
// half-written file under the final name and no existing file is replaced.
//
// Errors: throws std::runtime_error (policy of tools/, see SqliteStatement.h).
// The destructor never throws.
#pragma once

#include <filesystem>

namespace tools {

class PendingFile {
public:
    // Throws when target exists already. Removes a temporary file left by an
    // earlier run that was interrupted.
    explicit PendingFile(std::filesystem::path target);
    // Removes the temporary file unless committed.
    ~PendingFile();
    PendingFile(PendingFile&& other) noexcept;
    PendingFile& operator=(PendingFile&& other) noexcept;
    PendingFile(const PendingFile&) = delete;
    PendingFile& operator=(const PendingFile&) = delete;

    const std::filesystem::path& target() const { return m_target; }
    // Where to write the content (closed again before commit()).
    const std::filesystem::path& temporary() const { return m_temporary; }
    // Moves the temporary file to the target. Throws when the target has
    // appeared meanwhile or the move fails.
    void commit();

private:
    void discard() noexcept;

    std::filesystem::path m_target;
    std::filesystem::path m_temporary;
    bool m_pending = false;
};

} // namespace tools
