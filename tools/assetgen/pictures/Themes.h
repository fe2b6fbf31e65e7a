#pragma once

class ArtBook;

// Each theme file adds the pictures it draws.
void addButtonArt(ArtBook& book);            // labelled buttons, switches, edit frames
void addCarArt(ArtBook& book);               // race cars, showroom cars, splash cars
void addRoadArt(ArtBook& book);              // grass, road pieces, paint, lines, skid smoke
void addSceneryArt(ArtBook& book);           // trees, houses, rocks, arches, walls, flowers
void addLandscapeSceneryArt(ArtBook& book);  // the other landscapes' scenery, ponds
void addHudArt(ArtBook& book);               // speedometer, radar, lights, start arrows
void addRacePanelArt(ArtBook& book);         // pause, quit, race over and game over panels
void addMenuSceneArt(ArtBook& book);         // backgrounds, splash, logo, title, cursor, lamps
void addMenuPanelArt(ArtBook& book);         // panels of the menu screens
void addHelpArt(ArtBook& book);              // help pages and animated key icons
void addTrackPreviewArt(ArtBook& book);      // track previews and the locked preview
void addGlyphSheetArt(ArtBook& book);        // the bitmap font sheet
