#pragma once
#include <string>
#include <vector>

#include "race/TrackFile.h"

// The compiled courses some pictures are drawn from (the menu background from the demo
// course, the previews from the catalogue's tracks). They are read from one folder, the
// game's Data/ that tools/trackc fills before the pictures are drawn.
void setCompiledTrackFolder(const std::string& folder);
// The records of "data<number>.prd" in that folder; throws TrackFileError when it is
// missing or damaged, so a picture is never drawn from a track that is not there.
const std::vector<TrackRecord>& compiledTrack(int number);
