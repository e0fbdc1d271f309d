#pragma once
#include "model/clsProject.h"

// A league with every field set, as a target for the imports: the demo league of both
// editions decoded one over the other (so both uniform sets are filled) and a player in
// every team's spare slot 12. An import must leave it exactly as it is when it fails.
const clsProject& sampleLeague();
