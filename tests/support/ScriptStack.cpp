#include "tests/support/ScriptStack.h"

#include <gtest/gtest.h>

#include <sys/mman.h>
#include <ucontext.h>
#include <unistd.h>

#include <cstdint>
#include <exception>
#include <stdexcept>

#if defined(__SANITIZE_ADDRESS__)
#include <sanitizer/common_interface_defs.h>
#define VEXORIN_ASAN_FIBERS 1
#endif

namespace testsupport {

struct ScriptStack::Contexts {
    ucontext_t caller{};
    ucontext_t body{};
#if defined(VEXORIN_ASAN_FIBERS)
    void* fakeStack = nullptr;
    const void* callerBottom = nullptr;
    std::size_t callerSize = 0;
#endif
};

ScriptStack::ScriptStack(std::function<void()> body, std::size_t stackBytes)
    : m_body(std::move(body)), m_contexts(std::make_unique<Contexts>()), m_stackBytes(stackBytes) {
    const std::size_t page = static_cast<std::size_t>(sysconf(_SC_PAGESIZE));
    // One guard page below the stack turns an overflow into a crash at once, not into corruption.
    m_stack = mmap(nullptr, m_stackBytes + page, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (m_stack == MAP_FAILED)
        throw std::runtime_error("no memory for the script's stack");
    mprotect(m_stack, page, PROT_NONE);
    getcontext(&m_contexts->body);
    m_contexts->body.uc_stack.ss_sp = static_cast<char*>(m_stack) + page;
    m_contexts->body.uc_stack.ss_size = m_stackBytes;
    m_contexts->body.uc_link = &m_contexts->caller;
    const auto self = reinterpret_cast<std::uintptr_t>(this);
    makecontext(&m_contexts->body, reinterpret_cast<void (*)()>(&ScriptStack::trampoline), 2,
                static_cast<unsigned>(self >> 32), static_cast<unsigned>(self & 0xffffffffu));
}

ScriptStack::~ScriptStack() {
    const std::size_t page = static_cast<std::size_t>(sysconf(_SC_PAGESIZE));
    munmap(m_stack, m_stackBytes + page);
}

void ScriptStack::trampoline(unsigned high, unsigned low) {
    auto* self = reinterpret_cast<ScriptStack*>((static_cast<std::uintptr_t>(high) << 32) | low);
    self->enter();
}

void ScriptStack::enter() {
#if defined(VEXORIN_ASAN_FIBERS)
    __sanitizer_finish_switch_fiber(nullptr, &m_contexts->callerBottom, &m_contexts->callerSize);
#endif
    try {
        m_body();
    } catch (const std::exception& error) {
        ADD_FAILURE() << "the script threw: " << error.what();
    } catch (...) {
        ADD_FAILURE() << "the script threw an unknown exception";
    }
    m_finished = true;
    m_running = false;
#if defined(VEXORIN_ASAN_FIBERS)
    __sanitizer_start_switch_fiber(nullptr, m_contexts->callerBottom, m_contexts->callerSize);
#endif
    // Returning follows uc_link back to the caller of resume().
}

void ScriptStack::resume() {
    if (m_running || m_finished)
        return;
    m_running = true;
#if defined(VEXORIN_ASAN_FIBERS)
    const std::size_t page = static_cast<std::size_t>(sysconf(_SC_PAGESIZE));
    __sanitizer_start_switch_fiber(&m_contexts->fakeStack, static_cast<char*>(m_stack) + page, m_stackBytes);
#endif
    swapcontext(&m_contexts->caller, &m_contexts->body);
#if defined(VEXORIN_ASAN_FIBERS)
    __sanitizer_finish_switch_fiber(m_contexts->fakeStack, nullptr, nullptr);
#endif
}

void ScriptStack::yield() {
    if (!m_running)
        return;
    m_running = false;
#if defined(VEXORIN_ASAN_FIBERS)
    void* fake = nullptr;
    __sanitizer_start_switch_fiber(&fake, m_contexts->callerBottom, m_contexts->callerSize);
#endif
    swapcontext(&m_contexts->body, &m_contexts->caller);
#if defined(VEXORIN_ASAN_FIBERS)
    __sanitizer_finish_switch_fiber(fake, &m_contexts->callerBottom, &m_contexts->callerSize);
#endif
}

} // namespace testsupport
