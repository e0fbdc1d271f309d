#pragma once
#include <functional>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "base/FileIO.h"
#include "base/LineReport.h"
#include "base/OffsetSet.h"
#include "base/ResultCode.h"
#include "base/RomImage.h"
#include "model/clsProject.h"
#include "session/BackupStore.h"
#include "session/LeagueEvent.h"
#include "session/Outcome.h"
#include "session/UndoHistory.h"
#include "settings/Settings.h"

// Whether a save first keeps a backup of the file it replaces (see Session::save), or goes on
// without one, as the user may choose once keeping it failed.
enum class BackupChoice { Keep, GoOnWithout };

// An import of an interchange file: done, or refused with the line at fault and why.
struct ImportResult {
    bool imported = false;
    LineReport report;
};

// What the program has open: the settings (remembered folder and both offset sets), the
// active offset set, the image with its edition and path, whether the last open
// succeeded, and the league decoded from it. Everything that changes the league goes
// through here, and the observers hear of it.
class Session {
public:
    using Observer = std::function<void(const LeagueEvent&)>;

    SettingsData& settings() { return settings_; }
    const SettingsData& settings() const { return settings_; }
    // The offset set of the edition last read successfully; zeros before that.
    const OffsetSet& activeOffsets() const { return active_; }
    // NES or SNES copies that edition's set from the settings; any other kind changes nothing.
    void selectOffsetSet(ConsoleKind kind);

    // The image in memory. Changing it here bypasses the observers; only the program's
    // older entry points (modGlobals) do so.
    RomImage& image() { return image_; }
    const RomImage& image() const { return image_; }
    ConsoleKind kind() const { return kind_; }
    const std::string& path() const { return path_; }
    // True once a file was opened (a failed open keeps the one before): saving is refused
    // before.
    bool valid() const { return valid_; }
    clsProject& league() { return league_; }
    const clsProject& league() const { return league_; }

    // The image as it was opened or last saved.
    const RomImage& baseline() const { return baseline_; }
    // Whether the league differs from the league as it was opened or last saved.
    bool modified() const { return league_ != savedLeague_; }

    // Reads the file and decodes its league. Only an open that succeeds changes anything:
    // then the image, kind, path and league are the file's, the edition's offset set is
    // active, the remembered folder is the file's folder, the history starts afresh and the
    // observers hear Replaced ("Open", the whole league). An open that fails leaves the session as it was: the
    // file open before stays open, valid and saveable, with its league and history.
    LoadResult open(const std::string& path, ConsoleKind kind);
    // Takes the league back to the file as opened or last saved, dropping its edits: the
    // history starts afresh, as after opening the file again, and the observers hear
    // Replaced ("Revert"). Nothing while the league holds no edits.
    void revert();

    // Where saves keep backups of the files they replace; a store that keeps nothing (the
    // default) makes none.
    void setBackups(BackupStore backups) { backups_ = std::move(backups); }
    const BackupStore& backups() const { return backups_; }

    // Encodes the league into the image and writes it over path() in one step, bytes of
    // a longer file beyond the image kept. Refused (NoValidRom) while not valid, and
    // (FileChanged) when the file on disk is no longer the one opened or last saved here:
    // another program wrote it meanwhile, and its work would be lost. A failed encode or
    // write leaves image and league as they were. Observers hear Saved ("Save").
    // The first time this session replaces a file, what the file held is kept in backups()
    // first; when that fails nothing is written (BackupFailed, why in the detail), until the
    // save is made again with GoOnWithout, which also asks no more for that file.
    SaveResult save(BackupChoice backup = BackupChoice::Keep);
    // As save, to another file, which becomes path() once written, its folder the
    // remembered one; the old file is not touched. The new file holds exactly the image;
    // whatever the file held before is replaced (and kept as save keeps it). Observers hear
    // Saved ("Save As").
    SaveResult saveAs(const std::string& path, BackupChoice backup = BackupChoice::Keep);
    // While valid: whether the file at path() is no longer the one opened or last saved here.
    bool changedOnDisk() const;
    // The image that save() would now write, into out (unchanged on failure); no file is
    // written and nothing in the session changes.
    SaveResult encodeCopy(RomImage& out) const;

    // Imports through the interchange files, all or nothing. On success the import is one
    // step of the history and the observers hear Changed: "Import Project" (the whole
    // league), "Import Team" (the team's own fields and its twelve players) or "Import
    // Player" (the one player); a refused file changes nothing and the report says why.
    ImportResult importProject(const std::string& path);
    ImportResult importTeam(int team, const std::string& path);
    ImportResult importPlayer(int team, int player, const std::string& path);

    // Puts another league in place of the open one (a backup's, read by readOtherLeague) as
    // one step of the history; the image and its bytes outside the league stay, and nothing
    // is written until a save. Observers hear Changed ("Restore Backup", the whole league),
    // which keeps the window's selection, as any other step does. False, and no step, when
    // the league is the same.
    bool restoreLeague(const clsProject& league);

    // Runs apply on the league; change says what it changes (the window shows that anew).
    // When the league differs afterwards, the edit is one step of the history, named by the
    // label, the observers hear Changed with the label and the change, and the result is
    // true; an edit that changes nothing is no step and no event.
    bool edit(const std::string& label, LeagueChange change, const std::function<void(clsProject&)>& apply);

    // The history of the league since it was opened: each edit and import one step. Undo
    // and redo take the league back or forward over one step; the observers hear Restored
    // with the step's label and change. False when there was no step to take.
    const UndoHistory& history() const { return history_; }
    bool undo();
    bool redo();

    // Observers: observe returns an id that forget takes. An observer may forget itself
    // or another while it is told of an event.
    int observe(Observer observer);
    void forget(int id);

private:
    SaveResult encode(RomImage& image, clsProject& league) const;
    SaveResult writeOut(const std::string& path, bool sameFile, const char* label, BackupChoice backup);
    void notify(LeagueEvent event);
    // Records the step from before to the league now held and tells the observers.
    void changed(const std::string& label, LeagueChange change, clsProject before);

    SettingsData settings_;
    OffsetSet active_{};
    RomImage image_;
    ConsoleKind kind_ = Console::None;
    std::string path_;
    FileIO::FileStamp stamp_;  // of the file at path_ as read or last written
    bool valid_ = false;
    clsProject league_;
    RomImage baseline_;
    clsProject savedLeague_;
    UndoHistory history_;
    BackupStore backups_;
    std::set<std::string> backedUp_;  // full paths of the files whose backup this session kept or waived
    std::vector<std::pair<int, Observer>> observers_;
    int nextObserver_ = 1;
};
