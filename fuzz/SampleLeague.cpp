#include "SampleLeague.h"

#include "codec/RomReader.h"
#include "demo/DemoRom.h"

const clsProject& sampleLeague() {
    static const clsProject league = [] {
        clsProject p;
        loadProjectFromRom(p, DemoRom::makeNes(), OffsetSet::nesDefaults(), Console::Nes);
        loadProjectFromRom(p, DemoRom::makeSnes(), OffsetSet::snesDefaults(), Console::Snes);
        for (int t = 0; t < clsProject::kTeams; ++t) {
            clsTeam& team = *p.getTeamRef(t);
            *team.getPlayerRef(clsTeam::kRoster) = *team.getPlayerRef(t % clsTeam::kRoster);
            for (int i = 0; i < clsTeam::kRoster; ++i) team.getPlayerRef(i)->setDataPtr(0x8000 + 32 * i);
        }
        return p;
    }();
    return league;
}
