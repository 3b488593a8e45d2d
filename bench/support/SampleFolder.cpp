#include "bench/support/SampleFolder.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStringList>
#include <QTemporaryDir>

#include <stdexcept>
#include <string>

namespace benchsupport {
namespace {

constexpr const char* DriveVariable = "VEXORIN_DRIVE_C";

} // namespace

SampleFolder::SampleFolder()
    : m_folder(std::make_unique<QTemporaryDir>(QDir::tempPath() + QStringLiteral("/vexorin-bench-XXXXXX"))),
      m_hadDriveC(qEnvironmentVariableIsSet(DriveVariable)), m_previousDriveC(qgetenv(DriveVariable)) {
    if (!m_folder->isValid())
        throw std::runtime_error("cannot make a temporary folder: " + m_folder->errorString().toStdString());
    qputenv(DriveVariable, QFile::encodeName(m_folder->path()));
}

SampleFolder::SampleFolder(SampleFolder&& other) noexcept
    : m_folder(std::move(other.m_folder)), m_hadDriveC(other.m_hadDriveC),
      m_previousDriveC(std::move(other.m_previousDriveC)) {}

SampleFolder::~SampleFolder() {
    if (!m_folder)
        return;
    if (m_hadDriveC)
        qputenv(DriveVariable, m_previousDriveC);
    else
        qunsetenv(DriveVariable);
    // QTemporaryDir removes the folder with everything in it.
}

std::filesystem::path SampleFolder::driveC() const {
    return m_folder ? std::filesystem::path(m_folder->path().toStdString()) : std::filesystem::path();
}

std::filesystem::path SampleFolder::dataFolder() const {
    const std::filesystem::path data = driveC() / "Vexorin" / "DATA";
    std::filesystem::create_directories(data);
    return data;
}

void SampleFolder::writeSample(int scale) const {
    const std::filesystem::path tool = VEXORIN_CATALOG_TOOL;
    if (!std::filesystem::exists(tool))
        throw std::runtime_error("no " + tool.string() + ": build the target vexorin-catalog first");
    const std::filesystem::path data = dataFolder();
    QProcess process;
    process.setStandardOutputFile(QProcess::nullDevice());
    // Its complaints, if any, are the reader's only clue.
    process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    process.start(QString::fromStdString(tool.string()),
                  {QStringLiteral("sample"), QString::fromStdString(data.string()), QStringLiteral("--scale"),
                   QString::number(scale)});
    const bool finished = process.waitForFinished(-1);
    if (!finished || process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0 ||
        !std::filesystem::exists(data / "PartsNo.MDB"))
        throw std::runtime_error("vexorin-catalog sample --scale " + std::to_string(scale) + " did not make " +
                                 (data / "PartsNo.MDB").string());
}

void SampleFolder::remove() {
    if (m_folder)
        m_folder->remove();
}

} // namespace benchsupport
