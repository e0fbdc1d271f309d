#include "ui/commands/PatchExport.h"

#include <cstdint>
#include <string_view>
#include <vector>

#include "base/FileIO.h"
#include "patch/PatchFormat.h"
#include "session/Session.h"
#include "ui/commands/SaveDetail.h"
#include "ui/commands/SaveDialog.h"
#include "ui/platform/FileDialogs.h"
#include "ui/platform/LocalPath.h"
#include "ui/platform/MessageSink.h"

namespace {

const QString kPatchFilter = QStringLiteral("BPS Patch (*.bps)|*.bps|IPS Patch (*.ips)|*.ips|");
const QString kIps = QStringLiteral(".ips");
const QString kBps = QStringLiteral(".bps");

// A name typed with a patch extension keeps it, and it gives the format; any other name gets
// the chosen line's extension, so that the patch never lands on the image it patches.
QString settlePatchName(const QString& chosen, const QString& filter, int filterLine) {
    if (chosen.endsWith(kIps, Qt::CaseInsensitive) || chosen.endsWith(kBps, Qt::CaseInsensitive)) return chosen;
    return chosen + SaveDialog::extensionOf(filter, filterLine);
}

}  // namespace

PatchExport::PatchExport(const Session& session, MessageSink& messages, FileDialogs& dialogs, const QString& folder,
                         QWidget* parent)
    : session_(session), messages_(messages), dialogs_(dialogs), folder_(folder), parent_(parent) {}

void PatchExport::run() {
    RomImage modified;
    const SaveResult encoded = session_.encodeCopy(modified);
    if (!encoded.ok()) {
        messages_.message(parent_, QString::fromLatin1(message(encoded.outcome)), iconFor(true), saveDetail(encoded));
        return;
    }

    const FileChoice choice = SaveDialog::choose(dialogs_, messages_, parent_, kPatchFilter, folder_, settlePatchName);
    if (choice.fileName.isEmpty()) return;
    const QString fileName = choice.fileName;
    const patch::PatchFormat format =
        fileName.endsWith(kIps, Qt::CaseInsensitive) ? patch::PatchFormat::Ips : patch::PatchFormat::Bps;

    std::vector<std::uint8_t> bytes;
    const patch::PatchResult made = patch::makePatch(format, session_.baseline(), modified, bytes);
    if (made != patch::PatchResult::Ok) {
        // The patch module's sentences end in "!" here, as every message of the editor does.
        const std::string_view sentence = patch::message(made);
        messages_.message(parent_, QString::fromUtf8(sentence.data(), static_cast<qsizetype>(sentence.size())) + u'!',
                          iconFor(true));
        return;
    }
    FileIO::WriteError why;
    const std::string path = LocalPath::toLocal(fileName);
    if (FileIO::writeFileAtomically(path, bytes.data(), bytes.size(), false, why) != Result::Ok) {
        messages_.message(parent_, QStringLiteral("Error writing file!"), iconFor(true),
                          LocalPath::fromLocal(why.text()));
        return;
    }
    messages_.message(parent_, QStringLiteral("Patch exported!"), iconFor(false));
}
