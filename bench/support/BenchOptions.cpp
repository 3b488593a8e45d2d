#include "bench/support/BenchOptions.h"

#include <cstdlib>
#include <iostream>

namespace benchsupport {

BenchOptions::BenchOptions(int argc, char** argv) : m_arguments(argv, argv + argc), m_count(argc) {
    m_arguments.push_back(nullptr);
}

std::string BenchOptions::text(const std::string& name, const std::string& fallback) {
    std::string value = fallback;
    const std::string withValue = name + "=";
    for (int i = 1; i < m_count;) {
        const std::string argument = m_arguments[i];
        int taken = 0;
        if (argument == name && i + 1 < m_count) {
            value = m_arguments[i + 1];
            taken = 2;
        } else if (argument.rfind(withValue, 0) == 0) {
            value = argument.substr(withValue.size());
            taken = 1;
        }
        if (taken == 0) {
            ++i;
            continue;
        }
        m_arguments.erase(m_arguments.begin() + i, m_arguments.begin() + i + taken);
        m_count -= taken;
    }
    return value;
}

int BenchOptions::number(const std::string& name, int fallback) {
    const std::string value = text(name, std::to_string(fallback));
    char* end = nullptr;
    const long number = std::strtol(value.c_str(), &end, 10);
    if (value.empty() || *end != '\0' || number < 0 || number > 1000000) {
        std::cerr << m_arguments[0] << ": " << name << " wants a whole number from 0 to 1000000, not \"" << value
                  << "\"\n";
        std::exit(2);
    }
    return static_cast<int>(number);
}

} // namespace benchsupport
