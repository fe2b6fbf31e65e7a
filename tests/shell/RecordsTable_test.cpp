// Entering a total score into the local records table.
#include "shell/RecordsTable.h"

#include <gtest/gtest.h>

#include "shell/Settings.h"

namespace {

std::array<RecordRow, 10> DefaultTable() {
  GameState state;
  ResetRecords(state);  // "Пилот" with 1000, 900, ... 100
  return state.Records;
}

std::string Describe(const std::array<RecordRow, 10>& table) {
  std::string text;
  for (const RecordRow& row : table)
    text += row.Place + " " + row.Name + " " + row.ScoreText + "; ";
  return text;
}

}  // namespace

TEST(RecordsTable, AScoreTakesItsPlaceAndTheTableStaysSortedWithTenRows) {
  struct Case {
    const char* What;
    std::string Name;
    int32_t Score;
    int Row;  // where the name stands afterwards, -1: not in the table
  };
  const Case cases[] = {
      {"below the last row", "Ann", 100, -1},
      {"just above the last row", "Ann", 101, 9},
      {"in the middle, after an equal score", "Ann", 500, 6},
      {"at the top", "Ann", 5000, 0},
      {"negative", "Ann", -20, -1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.What);
    std::array<RecordRow, 10> table = DefaultTable();
    EnterScore(table, c.Name, c.Score);
    int row = -1;
    for (int i = 0; i < 10; ++i) {
      if (table[static_cast<size_t>(i)].Name == c.Name) row = i;
    }
    EXPECT_EQ(row, c.Row) << Describe(table);
    for (int i = 0; i < 10; ++i) {
      EXPECT_EQ(table[static_cast<size_t>(i)].Place, std::to_string(i + 1));
      if (i > 0) {
        EXPECT_GE(std::stoi(table[static_cast<size_t>(i - 1)].ScoreText),
                  std::stoi(table[static_cast<size_t>(i)].ScoreText));
      }
    }
  }
}

TEST(RecordsTable, ANameAlreadyListedKeepsOneRowThatOnlyRises) {
  std::array<RecordRow, 10> table = DefaultTable();
  EnterScore(table, "Ann", 450);
  EnterScore(table, "Ann", 300);  // lower: the row keeps 450
  EXPECT_EQ(table[6].Name, "Ann");
  EXPECT_EQ(table[6].ScoreText, "450");
  EnterScore(table, "Ann", 950);  // higher: the same row moves up
  EXPECT_EQ(table[1].Name, "Ann");
  EXPECT_EQ(table[1].ScoreText, "950");
  int rows = 0;
  for (const RecordRow& row : table) rows += row.Name == "Ann";
  EXPECT_EQ(rows, 1) << Describe(table);
}

TEST(RecordsTable, ARowWithAScoreThatIsNoNumberGivesWay) {
  std::array<RecordRow, 10> table = DefaultTable();
  table[9].ScoreText = "%%%";
  EnterScore(table, "Ann", 0);
  EXPECT_EQ(table[9].Name, "Ann");
  EXPECT_EQ(table[9].ScoreText, "0");
}

TEST(RecordsTable, ThePlayersRowsClaimNoMoreThanTheSavedScore) {
  std::array<RecordRow, 10> table = DefaultTable();
  EnterScore(table, "Ann", 1080);  // the table of a race whose progress was never saved
  EnterScore(table, "Bob", 650);
  ASSERT_EQ(table[0].Name, "Ann");

  EXPECT_TRUE(LimitPlayerRecords(table, "Ann", 980));
  EXPECT_EQ(table[0].Name, kDefaultRecordName) << Describe(table);
  EXPECT_EQ(table[1].Name, "Ann");
  EXPECT_EQ(table[1].ScoreText, "980");
  EXPECT_EQ(table[1].Place, "2");
  EXPECT_EQ(table[5].Name, "Bob");  // another name's row is no claim of this progress
  EXPECT_EQ(table[5].ScoreText, "650");

  // A table the progress explains stays as it is, and so do the default rows whatever the
  // player is called.
  const std::array<RecordRow, 10> consistent = table;
  EXPECT_FALSE(LimitPlayerRecords(table, "Ann", 980));
  EXPECT_FALSE(LimitPlayerRecords(table, "Ann", 5000));
  EXPECT_FALSE(LimitPlayerRecords(table, kDefaultRecordName, 0));
  EXPECT_EQ(Describe(table), Describe(consistent));
}
