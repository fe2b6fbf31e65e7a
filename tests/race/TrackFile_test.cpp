#include "race/TrackFile.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <fstream>

TEST(TrackFile, RecordsSurviveEncodingAndOnlyTheFirstTwentyBytesCount) {
  const std::vector<TrackRecord> records{{-5, 7, 0, 3, 12}, {100000, -200000, 88, -90, 4}};
  std::vector<uint8_t> bytes = EncodeTrackRecords(records);
  ASSERT_EQ(bytes.size(), 2 * kTrackRecordSize);
  for (size_t i = 20; i < kTrackRecordSize; ++i) bytes[i] = 0xAB;  // arbitrary filler
  const std::vector<TrackRecord> back = DecodeTrackRecords(bytes.data(), bytes.size(), "t.prd");
  ASSERT_EQ(back.size(), 2u);
  for (size_t i = 0; i < 2; ++i) {
    EXPECT_EQ(back[i].Y, records[i].Y);
    EXPECT_EQ(back[i].X, records[i].X);
    EXPECT_EQ(back[i].Kind, records[i].Kind);
    EXPECT_EQ(back[i].A, records[i].A);
    EXPECT_EQ(back[i].B, records[i].B);
  }
}

TEST(TrackFile, DamagedOrMissingFilesGiveATypedErrorNamingTheFile) {
  const std::filesystem::path dir =
      std::filesystem::temp_directory_path() / ("bk_trackfile_test-" + std::to_string(getpid()));
  std::filesystem::create_directories(dir);
  const std::filesystem::path shortFile = dir / "short.prd";
  {
    std::ofstream out(shortFile, std::ios::binary);
    out << std::string(130, 'x');
  }
  struct Case {
    std::filesystem::path file;
    TrackFileError::Reason reason;
  };
  const Case cases[] = {{dir / "missing.prd", TrackFileError::Reason::Missing},
                        {shortFile, TrackFileError::Reason::TruncatedRecord}};
  for (const Case& c : cases) {
    try {
      ReadTrackFile(c.file);
      ADD_FAILURE() << "no error for " << c.file;
    } catch (const TrackFileError& e) {
      EXPECT_EQ(e.Why(), c.reason);
      EXPECT_NE(std::string(e.what()).find(c.file.filename().string()), std::string::npos)
          << e.what();
    }
  }
  std::filesystem::remove_all(dir);
}
