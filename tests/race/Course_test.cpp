#include "race/Course.h"

#include <gtest/gtest.h>

TEST(PrepareCourse, SortsByOrderNumberWithTheUnstableSelectionSort) {
  RaceCourse course;
  course.PointCount = 3;
  // Order numbers 2, 2, 1 at file positions 1, 2, 3 (X records the file position).
  course.Points[1] = {1, 0, 2, 0};
  course.Points[2] = {2, 0, 2, 0};
  course.Points[3] = {3, 0, 1, 0};
  PrepareCourse(course);
  EXPECT_EQ(course.Points[1].X, 3);
  EXPECT_EQ(course.Points[2].X, 2);
  EXPECT_EQ(course.Points[3].X, 1);
}

TEST(PrepareCourse, MeasuresTheOpenPathInTenthsOfPixels) {
  RaceCourse course;
  course.PointCount = 3;
  course.Points[1] = {0, 0, 1, 0};
  course.Points[2] = {30, 40, 2, 0};
  course.Points[3] = {30, 140, 3, 0};
  PrepareCourse(course);
  EXPECT_DOUBLE_EQ(course.Distance[1], 0);
  EXPECT_DOUBLE_EQ(course.Distance[2], 5);
  EXPECT_DOUBLE_EQ(course.Distance[3], 15);
  EXPECT_DOUBLE_EQ(course.LapLength(), 15);  // the way back to point 1 is not counted
}
