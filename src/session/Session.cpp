#include "session/Session.h"

#include <algorithm>

#include "base/FileIO.h"
#include "base/PathText.h"
#include "codec/AllStarCheck.h"
#include "codec/OffsetCheck.h"
#include "codec/RomReader.h"
#include "codec/RomWriter.h"
#include "interchange/PlayerFile.h"
#include "interchange/ProjectFile.h"
#include "interchange/TeamFile.h"

namespace {

std::string offsetProblem(const OffsetSet& offsets, ConsoleKind kind, const RomImage& image) {
    return OffsetCheck::check(offsets, kind, static_cast<std::int64_t>(image.size())).describe();
}

}  // namespace

void Session::selectOffsetSet(ConsoleKind kind) {
    if (kind == Console::Nes) active_ = settings_.nesOffsets;
    if (kind == Console::Snes) active_ = settings_.snesOffsets;
}

LoadResult Session::open(const std::string& path, ConsoleKind kind) {
    RomImage image;
    FileIO::FileStamp stamp;
    FileIO::FileError why;
    const LoadOutcome read = loadOutcomeOfRead(RomFile::readRomFile(path, kind, image, stamp, why));
    if (read == LoadOutcome::FileUnreadable) return {read, why.text()};
    if (read != LoadOutcome::Loaded) return {read, {}};
    const OffsetSet offsets = kind == Console::Nes ? settings_.nesOffsets : settings_.snesOffsets;
    // Decoded into a copy: the fields the decoder leaves alone keep what the league in
    // memory holds, and a decode that fails changes nothing.
    clsProject decoded = league_;
    if (loadProjectFromRom(decoded, image, offsets, kind) != Result::Ok)
        return {LoadOutcome::DataUnreadable, offsetProblem(offsets, kind, image)};
    image_ = std::move(image);
    kind_ = kind;
    path_ = path;
    active_ = offsets;
    settings_.lastFolder = PathText::folderOf(path);
    league_ = std::move(decoded);
    valid_ = true;
    stamp_ = stamp;
    baseline_ = image_;
    savedLeague_ = league_;
    history_.clear();
    notify({LeagueEvent::Nature::Replaced, "Open", LeagueChange::ofLeague()});
    return {};
}

void Session::revert() {
    if (!valid_ || !modified()) return;
    league_ = savedLeague_;
    history_.clear();
    notify({LeagueEvent::Nature::Replaced, "Revert", LeagueChange::ofLeague()});
}

SaveResult Session::encode(RomImage& image, clsProject& league) const {
    const SaveOutcome outcome = saveOutcomeOfEncode(saveProjectToRom(league, image, active_, kind_));
    SaveResult result{outcome, {}, {}};
    if (outcome == SaveOutcome::EncodeFailed) {
        result.detail = offsetProblem(active_, kind_, image);
        for (const AllStarCheck::Problem& p : AllStarCheck::findProblems(league))
            result.damagedSlots.push_back(AllStarCheck::describe(p));
    }
    return result;
}

SaveResult Session::encodeCopy(RomImage& out) const {
    if (!valid_) return {SaveOutcome::NoValidRom, {}, {}};
    RomImage image = image_;
    clsProject league = league_;
    SaveResult result = encode(image, league);
    if (result.ok()) out = std::move(image);
    return result;
}

// Over the file read (sameFile): the bytes beyond the image kept, and only while the file
// is still the one read. To another file: exactly the image, whatever that file held.
SaveResult Session::writeOut(const std::string& path, bool sameFile, const char* label, BackupChoice backup) {
    if (!valid_) return {SaveOutcome::NoValidRom, {}, {}};
    RomImage image = image_;
    clsProject league = league_;  // the encoder places the players' data pointers
    SaveResult result = encode(image, league);
    if (!result.ok()) return result;
    const std::string full = FileIO::fullPath(path);
    if (backups_.keepsBackups() && !backedUp_.contains(full)) {
        FileIO::FileError why;
        if (backup == BackupChoice::Keep && backups_.keepFile(path, Platform::localTimeNow(), why) != Result::Ok)
            return {SaveOutcome::BackupFailed, why.text(), {}};
        backedUp_.insert(full);
    }
    FileIO::FileStamp stamp = sameFile ? stamp_ : FileIO::FileStamp{};
    FileIO::FileError why;
    const ResultCode written = FileIO::writeFileIfUnchanged(path, image.data(), image.size(), sameFile, stamp, why);
    if (written == FileIO::kChangedOnDisk) return {SaveOutcome::FileChanged, path, {}};
    if (written != Result::Ok) return {SaveOutcome::WriteFailed, why.text(), {}};
    image_ = std::move(image);
    league_ = std::move(league);
    path_ = path;
    stamp_ = stamp;
    baseline_ = image_;
    savedLeague_ = league_;
    notify({LeagueEvent::Nature::Saved, label, {}});
    return result;
}

SaveResult Session::save(BackupChoice backup) { return writeOut(path_, true, "Save", backup); }

bool Session::changedOnDisk() const { return valid_ && !FileIO::unchangedSince(path_, stamp_); }

SaveResult Session::saveAs(const std::string& path, BackupChoice backup) {
    SaveResult result = writeOut(path, false, "Save As", backup);
    if (result.ok()) settings_.lastFolder = PathText::folderOf(path);
    return result;
}

ImportResult Session::importProject(const std::string& path) {
    ImportResult result;
    clsProject before = league_;
    result.imported = ProjectFile::importProject(league_, path, result.report) == Result::Ok;
    if (result.imported) changed("Import Project", LeagueChange::ofLeague(), std::move(before));
    return result;
}

ImportResult Session::importTeam(int team, const std::string& path) {
    ImportResult result;
    clsTeam* record = league_.getTeamRef(team);
    if (record == nullptr) {
        result.report.reason = "there is no team " + std::to_string(team);
        return result;
    }
    clsProject before = league_;
    result.imported = TeamFile::importTeam(*record, path, result.report) == Result::Ok;
    if (result.imported) changed("Import Team", LeagueChange::ofWholeTeam(team), std::move(before));
    return result;
}

ImportResult Session::importPlayer(int team, int player, const std::string& path) {
    ImportResult result;
    clsTeam* teamRecord = league_.getTeamRef(team);
    // The roster slots 0..11; the team record's spare slot 12 is no player of the league.
    clsPlayer* record = teamRecord != nullptr && player < clsTeam::kRoster ? teamRecord->getPlayerRef(player) : nullptr;
    if (record == nullptr) {
        result.report.reason = "there is no player " + std::to_string(player) + " of team " + std::to_string(team);
        return result;
    }
    clsProject before = league_;
    result.imported = PlayerFile::importPlayer(*record, path, result.report) == Result::Ok;
    if (result.imported) changed("Import Player", LeagueChange::ofPlayer({team, player}), std::move(before));
    return result;
}

bool Session::restoreLeague(const clsProject& league) {
    if (!valid_ || league == league_) return false;
    clsProject before = std::move(league_);
    league_ = league;
    changed("Restore Backup", LeagueChange::ofLeague(), std::move(before));
    return true;
}

bool Session::edit(const std::string& label, LeagueChange change, const std::function<void(clsProject&)>& apply) {
    clsProject before = league_;
    apply(league_);
    if (league_ == before) return false;
    changed(label, std::move(change), std::move(before));
    return true;
}

void Session::changed(const std::string& label, LeagueChange change, clsProject before) {
    history_.record(label, change, std::move(before));
    notify({LeagueEvent::Nature::Changed, label, std::move(change)});
}

bool Session::undo() {
    const std::optional<UndoHistory::Taken> step = history_.undo(league_);
    if (step) notify({LeagueEvent::Nature::Restored, step->label, step->change});
    return step.has_value();
}

bool Session::redo() {
    const std::optional<UndoHistory::Taken> step = history_.redo(league_);
    if (step) notify({LeagueEvent::Nature::Restored, step->label, step->change});
    return step.has_value();
}

int Session::observe(Observer observer) {
    observers_.emplace_back(nextObserver_, std::move(observer));
    return nextObserver_++;
}

void Session::forget(int id) {
    std::erase_if(observers_, [id](const auto& entry) { return entry.first == id; });
}

void Session::notify(LeagueEvent event) {
    std::vector<int> ids;
    for (const auto& entry : observers_) ids.push_back(entry.first);
    for (int id : ids) {
        auto it =
            std::find_if(observers_.begin(), observers_.end(), [id](const auto& entry) { return entry.first == id; });
        if (it == observers_.end()) continue;  // forgotten by an observer told before it
        const Observer observer = it->second;
        observer(event);
    }
}
