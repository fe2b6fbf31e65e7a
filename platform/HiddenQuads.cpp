#include "platform/HiddenQuads.h"

#include <algorithm>
#include <cmath>

namespace {

// A quad seen in more pieces than this is drawn whole: each piece costs a draw call.
constexpr size_t kMostPieces = 4;
// Rectangles painted over that a quad is tested against; later (higher) ones first.
constexpr size_t kMostCovers = 32;

bool Same(float a, float b) {
  return std::fabs(a - b) < 1.0f / 256.0f;
}

bool Upright(const QuadVertex v[4]) {
  return (Same(v[0].Y, v[1].Y) && Same(v[1].X, v[2].X) && Same(v[2].Y, v[3].Y) &&
          Same(v[3].X, v[0].X)) ||
         (Same(v[0].X, v[1].X) && Same(v[1].Y, v[2].Y) && Same(v[2].X, v[3].X) &&
          Same(v[3].Y, v[0].Y));
}

struct Span {
  float MinX, MaxX, MinY, MaxY;
};

Span SpanOf(const QuadVertex v[4]) {
  Span s{v[0].X, v[0].X, v[0].Y, v[0].Y};
  for (int i = 1; i < 4; ++i) {
    s.MinX = std::min(s.MinX, v[i].X);
    s.MaxX = std::max(s.MaxX, v[i].X);
    s.MinY = std::min(s.MinY, v[i].Y);
    s.MaxY = std::max(s.MaxY, v[i].Y);
  }
  return s;
}

// `from` less `cut`, as up to four rectangles appended to `out`: the full-width bands
// above and below the cut, then the parts left and right of it.
void Subtract(const PixelRect& from, const PixelRect& cut, std::vector<PixelRect>& out) {
  if (cut.Left >= from.Right || cut.Right <= from.Left || cut.Top >= from.Bottom ||
      cut.Bottom <= from.Top) {
    out.push_back(from);
    return;
  }
  const int top = std::max(from.Top, cut.Top);
  const int bottom = std::min(from.Bottom, cut.Bottom);
  const PixelRect parts[4] = {{from.Left, from.Top, from.Right, top},
                              {from.Left, bottom, from.Right, from.Bottom},
                              {from.Left, top, std::max(from.Left, cut.Left), bottom},
                              {std::min(from.Right, cut.Right), top, from.Right, bottom}};
  for (const PixelRect& part : parts) {
    if (!part.Empty()) out.push_back(part);
  }
}

// What of `area` the covers leave seen; stops early once more than kMostPieces remain.
std::vector<PixelRect> SeenParts(const PixelRect& area, const std::vector<PixelRect>& covers) {
  std::vector<PixelRect> seen{area};
  std::vector<PixelRect> next;
  for (const PixelRect& cover : covers) {
    next.clear();
    for (const PixelRect& part : seen) Subtract(part, cover, next);
    seen.swap(next);
    if (seen.empty() || seen.size() > kMostPieces) break;
  }
  return seen;
}

}  // namespace

PixelRect OuterPixels(const QuadVertex v[4]) {
  const Span s = SpanOf(v);
  return {static_cast<int>(std::floor(s.MinX)) - 1, static_cast<int>(std::floor(s.MinY)) - 1,
          static_cast<int>(std::ceil(s.MaxX)) + 2, static_cast<int>(std::ceil(s.MaxY)) + 2};
}

PixelRect InnerPixels(const QuadVertex v[4]) {
  if (!Upright(v)) return {};
  // Pixel i spans i - 0.5 .. i + 0.5.
  constexpr float kSlack = 1.0f / 256.0f;
  const Span s = SpanOf(v);
  return {static_cast<int>(std::ceil(s.MinX + 0.5f - kSlack)),
          static_cast<int>(std::ceil(s.MinY + 0.5f - kSlack)),
          static_cast<int>(std::floor(s.MaxX + 0.5f + kSlack)),
          static_cast<int>(std::floor(s.MaxY + 0.5f + kSlack))};
}

int LeaveOutHiddenQuads(std::vector<PendingQuad>& frame) {
  std::vector<PendingQuad> kept;  // back to front
  kept.reserve(frame.size());
  std::vector<PixelRect> covers;
  int changed = 0;
  for (auto quad = frame.rbegin(); quad != frame.rend(); ++quad) {
    if (covers.empty()) {
      kept.push_back(*quad);
    } else {
      const PixelRect area = OuterPixels(quad->Vertices);
      const std::vector<PixelRect> seen = SeenParts(area, covers);
      if (seen.size() == 1 && seen[0] == area) {
        kept.push_back(*quad);
      } else if (seen.size() > kMostPieces) {
        kept.push_back(*quad);
      } else {
        ++changed;
        for (const PixelRect& part : seen) {
          PendingQuad piece = *quad;
          piece.Clipped = true;
          piece.Clip = part;
          kept.push_back(piece);
        }
      }
    }
    if (quad->Replaces && covers.size() < kMostCovers) {
      const PixelRect inner = InnerPixels(quad->Vertices);
      if (!inner.Empty()) covers.push_back(inner);
    }
  }
  frame.assign(kept.rbegin(), kept.rend());
  return changed;
}
