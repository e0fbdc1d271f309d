// Project and Analysis menus: placeholder until the interchange commands land.
#include "ui/frmMain.h"

void frmMain::menuProjectExport_Click() {}
void frmMain::menuProjectImport_Click() {}
void frmMain::menuProjectExportTeam_Click() {}
void frmMain::menuProjectImportTeam_Click() {}
void frmMain::menuProjectExportPlayer_Click() {}
void frmMain::meunProjectImportPlayer_Click() {}
void frmMain::menuAnalysisAtt_Click(int) {}
void frmMain::menuAnalysisSortByPos_Click() {}
QString frmMain::askFile(bool, const QString&) { return {}; }
void frmMain::relabelTeamNodes() {}
