// The command line of a bench: its own options ("--scale 500", "--maker=NISSAN")
// are taken out, and the rest is left for Qt and the benchmark library.
//
//     benchsupport::BenchOptions options(argc, argv);
//     const int scale = options.number("--scale", 500);
//     QApplication application(options.count(), options.arguments());
//     benchmark::Initialize(&options.count(), options.arguments());
#pragma once

#include <string>
#include <vector>

namespace benchsupport {

class BenchOptions {
public:
    // Copies the arguments; argv itself is not changed.
    BenchOptions(int argc, char** argv);

    // The whole number given as "name N" or "name=N", taken out of the
    // arguments; fallback when the option is absent. Ends the program with
    // a message when the value is not a whole number.
    int number(const std::string& name, int fallback);
    // The text given as "name TEXT" or "name=TEXT", taken out of the
    // arguments; fallback when the option is absent.
    std::string text(const std::string& name, const std::string& fallback);

    // The arguments left, the program's name first, for Qt and the benchmark
    // library (both may take out their own in turn).
    int& count() { return m_count; }
    char** arguments() { return m_arguments.data(); }

private:
    std::vector<char*> m_arguments; // ends with a null pointer, as argv does
    int m_count = 0;
};

} // namespace benchsupport
