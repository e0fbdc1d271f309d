// Team editor panel: placeholder until the team editor lands.
#include <QGroupBox>

#include "ui/frmMain.h"

void frmMain::buildTeamEditor(QGroupBox*) {}
void frmMain::connectTeamPanel() {}
void frmMain::fillTeamPanel() {}
void frmMain::enableTeamPanel(bool) {}
void frmMain::showPaletteBoxes() {}
void frmMain::showNesUniform(bool) {}
void frmMain::showSnesUniform(bool) {}
void frmMain::storeTeamFields() {}
void frmMain::lblnespal_Click(int) {}
void frmMain::lblsnespal_Click(int) {}
void frmMain::picPlayerRenderNES_Click() {}
void frmMain::picPlayerRenderSNES_Click() {}
frmPaletteTool* frmMain::paletteTool(bool) { return nullptr; }
