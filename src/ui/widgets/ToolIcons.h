#pragma once
#include <QIcon>
#include <QPixmap>

// The 16 x 16 pictures of the tool strip, drawn by the program itself, and the program's
// icon.
namespace ToolIcons {

// The application icon in every size it is drawn in (16 to 256 pixels), from the
// program's resources; main() gives it to every window.
QIcon applicationIcon();

QPixmap openPicture();  // an opened yellow folder
QPixmap savePicture();  // a blue floppy disk
QPixmap exitPicture();  // a door with an arrow leaving it
QPixmap testPicture();  // a grey game pad with a green arrow to play

}  // namespace ToolIcons
