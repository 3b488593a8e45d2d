// A folder of its own for one bench run that stands for drive C:, with the
// sample catalogue of the catalogue tool in C:\Vexorin\DATA, so that the
// program's fixed database paths reach the sample.
//
//     benchsupport::SampleFolder folder;   // VEXORIN_DRIVE_C names the folder from here on
//     folder.writeSample(500);             // vexorin-catalog sample <data folder> --scale 500
//
// The folder and everything in it go when the SampleFolder does, and
// VEXORIN_DRIVE_C gets back the value it had. Needs a QCoreApplication.
#pragma once

#include <QByteArray>

#include <filesystem>
#include <memory>

class QTemporaryDir;

namespace benchsupport {

class SampleFolder {
public:
    // Makes the folder in the system's temporary folder. Throws
    // std::runtime_error when it cannot be made.
    SampleFolder();
    ~SampleFolder();
    SampleFolder(SampleFolder&& other) noexcept;
    SampleFolder& operator=(SampleFolder&&) = delete;
    SampleFolder(const SampleFolder&) = delete;
    SampleFolder& operator=(const SampleFolder&) = delete;

    // The folder that stands for C:; empty for a folder moved from.
    std::filesystem::path driveC() const;
    // C:\Vexorin\DATA in it, made when missing.
    std::filesystem::path dataFolder() const;

    // Runs "vexorin-catalog sample <data folder> --scale scale" (about 2000
    // parts numbers per unit of scale), the tool of this build.
    // Throws std::runtime_error when the tool is missing or fails, or has
    // made no PartsNo.MDB.
    void writeSample(int scale) const;

    // Removes the folder now, for a bench that has to end at once.
    void remove();

private:
    std::unique_ptr<QTemporaryDir> m_folder;
    bool m_hadDriveC = false;
    QByteArray m_previousDriveC;
};

} // namespace benchsupport
