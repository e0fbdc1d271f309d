#pragma once
#include <QString>
#include <functional>

#include "ui/platform/FileDialogs.h"
#include "ui/platform/MessageSink.h"

// The save dialogue of every command that writes a file. The name chosen is settled first
// (by default a name without an extension gets the one of the chosen filter line); then, when
// a file of that name exists, the user is asked "game.nes already exists. Replace it?" (Yes,
// No) through the message seam, once, for the name that will be written. No, or Escape, shows
// the dialogue again; the dialogue's own check is off.
namespace SaveDialog {

// Turns the name chosen and the 1-based filter line into the name to write.
using Settle = std::function<QString(const QString& chosen, const QString& filter, int filterLine)>;

// The extension of a filter line's pattern ("Project (*.tpr)| *.tpr" line 1: ".tpr");
// empty when the line names none.
QString extensionOf(const QString& filter, int filterLine);
// The chosen name, with the filter line's extension added when it has none.
QString withFilterExtension(const QString& chosen, const QString& filter, int filterLine);

// The settled name (absolute) and the filter line; an empty name when the user cancelled.
FileChoice choose(FileDialogs& dialogs, MessageSink& messages, QWidget* parent, const QString& filter,
                  const QString& folder, const Settle& settle = withFilterExtension);

}  // namespace SaveDialog
