#pragma once
#include <cstdint>

// The road pieces beyond the straights and quarter turns, one road-part record a grid cell,
// their variant in the record's A. A loader that does not know them keeps them as road
// without a picture, so their files stay readable.
//
// Wide curve: a quarter turn over 2 x 2 cells around a corner of the block; its road is the
// ring between one and two cells from that corner. Variant = turn * 4 + cell, where turn
// names the corner as the quarter-turn picture's tiles do (0 bottom-right, 1 bottom-left,
// 2 top-left, 3 top-right) and cell the block's cell (0 top-left, 1 top-right, 2 bottom-left,
// 3 bottom-right).
// Narrowing: a straight whose road closes in to kNarrowestRoad in the cell's middle and
// opens out again. Variant 0 runs east-west, 1 north-south.
// Chicane: a straight whose road narrows as a narrowing's does and swings to one side and
// then the other in an S, back in line and full width at both ends. Variant 0 east-west (first
// toward the top), 1 north-south (first toward the left).
// Diagonal: half a cell, the triangle on one side of a cell diagonal, holding the corner
// named by the variant (0 top-left, 1 top-right, 2 bottom-right, 3 bottom-left). It opens
// the two full edges that meet at that corner, so a staircase of halves, each opening to
// the next, is a road at 45 degrees whose edges are straight lines through the cell
// corners, kDiagonalRoad wide. A straight joins a diagonal at a cell edge, turning by 45
// degrees there.
namespace road_piece {
constexpr int32_t WideCurve = 3;
constexpr int32_t Narrowing = 4;
constexpr int32_t Chicane = 5;
constexpr int32_t Diagonal = 6;
constexpr int32_t WideCurveVariants = 16;
constexpr int32_t NarrowingVariants = 2;
constexpr int32_t ChicaneVariants = 2;
constexpr int32_t DiagonalVariants = 4;
}  // namespace road_piece

// Road width in the middle of a narrowing, in pixels (the full road is one cell wide).
constexpr double kNarrowestRoad = 144;
// Road width across a diagonal: a cell's edge over the square root of two.
constexpr double kDiagonalRoad = 181.01933598375618;

bool IsShapedRoadPart(int32_t kind);
// The wide curve's centre, from the top-left corner of its cell.
void WideCurveCentre(int32_t variant, double& x, double& y);
// Half the road's width at `along` pixels into a narrowing or a chicane (0..cell size).
double NarrowingHalfWidth(double along);
// Sideways shift of a chicane's centre line at `along` pixels into it (0..cell size).
double ChicaneShift(double along);
// The corner a diagonal half holds, from the top-left corner of its cell.
void DiagonalCorner(int32_t variant, double& x, double& y);
// Signed distance from a point (from the cell's top-left corner) to the road's edge,
// negative on the road, for a shaped kind; the cell's box is not taken into account.
double ShapedRoadDistance(int32_t kind, int32_t variant, double x, double y);
// Whether a point (from the cell's top-left corner) is on the piece's road: the whole cell
// for the straights and quarter turns (the ground sensors' rule for them), the shape itself
// for the shaped kinds.
bool RoadPartCovers(int32_t kind, int32_t variant, double x, double y);
// Whether the cell's centre lies inside the piece's road, not on its edge or beyond: where a
// car put back on the course at a check line centred on the cell lands on the road.
bool CellCentreOnRoad(int32_t kind, int32_t variant);
