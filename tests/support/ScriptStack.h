// A function run on a stack of its own, on the calling thread: the body can
// stop half-way (yield) and carry on later (resume) from wherever the caller is,
// including from inside a nested event loop that an action of the body opened.
// This is what lets a test script read like a user's session while modal
// shows and message boxes nest beneath it.
#pragma once

#include <cstddef>
#include <functional>
#include <memory>

namespace testsupport {

class ScriptStack {
public:
    // body runs at the first resume(); an exception leaving it is reported as a test failure.
    explicit ScriptStack(std::function<void()> body, std::size_t stackBytes = 8u << 20);
    ~ScriptStack();
    ScriptStack(const ScriptStack&) = delete;
    ScriptStack& operator=(const ScriptStack&) = delete;

    // Runs the body until it yields or returns. Not from inside the body.
    void resume();
    // From inside the body: back to the resume() that runs it.
    void yield();

    bool running() const { return m_running; }
    bool finished() const { return m_finished; }

private:
    static void trampoline(unsigned high, unsigned low);
    void enter();

    struct Contexts;
    std::function<void()> m_body;
    std::unique_ptr<Contexts> m_contexts;
    void* m_stack = nullptr;
    std::size_t m_stackBytes;
    bool m_running = false;
    bool m_finished = false;
};

} // namespace testsupport
