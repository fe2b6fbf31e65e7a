#pragma once

// The grid every road piece sits on. The road pictures ("roadstr", "roadstrvert",
// "roadroters") are drawn at exactly this size and the track compiler places pieces at
// multiples of it, so neighbouring pieces meet edge to edge.
inline constexpr int kRoadTileSize = 256;

// Width of the kerb stripe painted along each road edge, inside the tile.
inline constexpr int kRoadKerbWidth = 14;
