#pragma once
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "base/FileIO.h"
#include "base/Platform.h"
#include "base/ResultCode.h"

// The earlier contents of the ROM files the program replaces, kept so that a save regretted
// after the editor was closed can still be undone. Under the store's folder each file has a
// folder of its own, named after the file and a short hash of its full path (two game.nes in
// different folders never mix); each backup in it is named by the local time it was taken,
// "YYYYMMDD-HHMMSS" ("-2", "-3", ... after it for a second backup in the same second), then the
// file's extension. A backup holding the same bytes as the newest one is not kept again, and
// only the newest kKept are kept. Files in those folders of any other name are left alone.
class BackupStore {
public:
    static constexpr std::size_t kKept = 20;

    struct Backup {
        std::string path;  // the backup file
        std::string time;  // when it was taken, local time: "YYYY-MM-DD HH:MM:SS"
        std::uint64_t size = 0;
    };

    // A store keeping nothing: keep succeeds without writing, list finds nothing.
    BackupStore() = default;
    explicit BackupStore(std::string folder) : folder_(std::move(folder)) {}
    const std::string& folder() const { return folder_; }
    bool keepsBackups() const { return !folder_.empty(); }

    // The folder that holds the backups of file.
    std::string folderFor(const std::string& file) const;

    // Keeps bytes as the newest backup of file, taken at the time when, and removes the oldest
    // beyond kKept. Nothing is written when the newest backup already holds these bytes. Fails
    // (result 1, why in error) when the folder cannot be made or the backup not written.
    ResultCode keep(const std::string& file, const std::vector<std::uint8_t>& bytes, const Platform::LocalTime& when,
                    FileIO::FileError& error) const;
    // Keeps what the file holds now; nothing to keep (Ok) when there is no such file. A file
    // that is there but cannot be read fails.
    ResultCode keepFile(const std::string& file, const Platform::LocalTime& when, FileIO::FileError& error) const;

    // The backups of file, newest first.
    std::vector<Backup> list(const std::string& file) const;

private:
    std::string folder_;
};
