#include "ToolRun.h"

#include <QProcess>
#include <QStringList>

#include <gtest/gtest.h>
#include <sqlite3.h>

#include <cstdlib>
#include <fstream>
#include <memory>
#include <sstream>
#include <stdexcept>

namespace tooltest {

std::vector<std::string> ToolResult::outLines() const {
    std::vector<std::string> lines;
    std::istringstream in(out);
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

ToolResult runTool(const std::vector<std::string>& args) {
    const char* binDir = std::getenv("VEXORIN_BIN_DIR");
    if (!binDir)
        throw std::runtime_error("VEXORIN_BIN_DIR is not set: run the test through ctest");
    QStringList arguments;
    for (const std::string& arg : args)
        arguments << QString::fromStdString(arg);
    QProcess process;
    process.start(QString::fromStdString((std::filesystem::path(binDir) / "vexorin-catalog").string()), arguments);
    if (!process.waitForStarted(30000))
        throw std::runtime_error("vexorin-catalog did not start: " + process.errorString().toStdString());
    process.closeWriteChannel();
    if (!process.waitForFinished(300000))
        throw std::runtime_error("vexorin-catalog did not finish");
    ToolResult result;
    result.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    result.out = process.readAllStandardOutput().toStdString();
    result.err = process.readAllStandardError().toStdString();
    return result;
}

std::filesystem::path jetTestData() {
    const char* testData = std::getenv("VEXORIN_TESTDATA");
    if (!testData)
        return {};
    const std::filesystem::path jet = std::filesystem::path(testData) / "jet";
    return std::filesystem::is_directory(jet) ? jet : std::filesystem::path();
}

namespace {

struct DbCloser {
    void operator()(sqlite3* db) const { sqlite3_close(db); }
};

} // namespace

std::vector<std::string> queryColumn(const std::filesystem::path& file, const std::string& sql,
                                     const std::filesystem::path& attached) {
    sqlite3* raw = nullptr;
    sqlite3_open_v2(file.string().c_str(), &raw, SQLITE_OPEN_READONLY, nullptr);
    std::unique_ptr<sqlite3, DbCloser> db(raw);
    if (!attached.empty()) {
        const std::string attach = "ATTACH '" + attached.string() + "' AS p";
        EXPECT_EQ(sqlite3_exec(raw, attach.c_str(), nullptr, nullptr, nullptr), SQLITE_OK) << sqlite3_errmsg(raw);
    }
    sqlite3_stmt* stmt = nullptr;
    if (sqlite3_prepare_v2(raw, sql.c_str(), -1, &stmt, nullptr) != SQLITE_OK) {
        ADD_FAILURE() << sqlite3_errmsg(raw) << " in: " << sql;
        return {};
    }
    std::vector<std::string> values;
    while (sqlite3_step(stmt) == SQLITE_ROW) {
        const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(stmt, 0));
        values.emplace_back(text ? text : "");
    }
    sqlite3_finalize(stmt);
    return values;
}

std::string readFile(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    std::ostringstream content;
    content << in.rdbuf();
    return content.str();
}

} // namespace tooltest
