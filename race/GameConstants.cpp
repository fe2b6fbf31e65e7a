#include "race/GameConstants.h"

namespace race {

// Display order; preview pictures and data files are numbered differently on purpose.
const std::array<TrackConstants, kTrackCount> kTracks = {{
    {"tr_track3", "Data\\data4.prd", "696.9", 5, 4, {100, 70, 50}},
    {"tr_track12", "Data\\data13.prd", "685.5", 6, 4, {120, 90, 80}},
    {"tr_track4", "Data\\data5.prd", "614.5", 5, 5, {150, 120, 100}},
    {"tr_track1", "Data\\data3.prd", "882.2", 5, 5, {180, 150, 130}},
    {"tr_track11", "Data\\data12.prd", "954.6", 6, 6, {220, 200, 180}},
    {"tr_track7", "Data\\data8.prd", "1107.9", 5, 6, {250, 230, 200}},
    {"tr_track6", "Data\\data7.prd", "704.1", 6, 7, {300, 270, 250}},
    {"tr_track5", "Data\\data6.prd", "728.2", 5, 7, {350, 310, 260}},
    {"tr_track8", "Data\\data9.prd", "803.9", 6, 7, {380, 350, 310}},
    {"tr_track2", "Data\\data2.prd", "879.5", 7, 7, {420, 380, 350}},
    {"tr_track10", "Data\\data11.prd", "959.6", 8, 7, {450, 430, 410}},
    {"tr_track9", "Data\\data10.prd", "955.9", 8, 7, {500, 450, 420}},
}};

const std::array<CarConstants, kCarCount> kCars = {{
    {GameText::CarRoadster, "c_car1", "car2", "car1", 10.0, 0.045, 1.7, 0.78},
    {GameText::CarTurbo, "c_car2", "car3", "car2", 5.5, 0.08, 1.6, 0.9},
    {GameText::CarVolcano, "c_car3", "car1", "car3", 7.3, 0.05, 1.9, 0.82},
    {GameText::CarHawk, "c_car4", "car4", "car4", 6.0, 0.07, 1.65, 0.8},
    {GameText::CarBeast, "c_car5", "car5", "car5", 12.0, 0.04, 1.75, 0.87},
}};

}  // namespace race
