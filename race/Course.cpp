#include "race/Course.h"

#include <cmath>
#include <utility>

void PrepareCourse(RaceCourse& course) {
  std::vector<PathPoint>& p = course.Points;
  const int32_t n = course.PointCount;
  for (int32_t i = 1; i < n; ++i) {
    int32_t smallest = i;
    for (int32_t j = i + 1; j <= n; ++j) {
      if (p[j].Order < p[smallest].Order) smallest = j;
    }
    std::swap(p[i], p[smallest]);
  }
  if (n >= 1) course.Distance[1] = 0;
  for (int32_t i = 2; i <= n; ++i) {
    course.Distance[i] =
        course.Distance[i - 1] + std::sqrt((p[i].X - p[i - 1].X) * (p[i].X - p[i - 1].X) +
                                           (p[i].Y - p[i - 1].Y) * (p[i].Y - p[i - 1].Y)) /
                                     10;
  }
}
