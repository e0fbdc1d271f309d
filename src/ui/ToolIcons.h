#pragma once
#include <QIcon>
#include <QPixmap>

// The 16 x 16 pictures of the tool strip, drawn by the program itself.
namespace ToolIcons {

QPixmap openPicture();   // an opened yellow folder
QPixmap savePicture();   // a blue floppy disk
QPixmap exitPicture();   // a door with an arrow leaving it

}  // namespace ToolIcons
