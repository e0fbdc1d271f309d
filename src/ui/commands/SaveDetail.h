#pragma once
#include <QString>

#include "session/Outcome.h"

// What a failed save leaves to mend, below its message: the write's cause or the offset
// region that does not fit the image, then one line for each all-star slot naming no
// player. Empty for a save that succeeded.
QString saveDetail(const SaveResult& result);
