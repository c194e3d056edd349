#include "render/render_snapshot.h"

#include <climits>
#include <cstring>
#include <initializer_list>

#include "base/parallel.h"
#include "render/colors.h"
#include "render/interpolate_tile.h"
#include "render/river_overlay.h"

namespace geoweave::detail {

namespace {
// A side of the six-panel sheet; one too long for an image cannot be had
// (the canvas is then not ok() and the sheet is left empty).
bool sheetFits(int panelSize, int panels) {
  return static_cast<int64_t>(panelSize) * panels <= INT_MAX;
}
int sheetSize(int panelSize, int panels) {
  return sheetFits(panelSize, panels) ? panelSize * panels : 0;
}

// Colours the rows [firstRow, endRow) of the seven panels; rows are
// independent, so they are shared out between the processors. With shading
// set, each pixel's relief shade is worked out first, from the elevation of
// the tile blended for its colours (the same bits interpolateElevation
// gives) and its north-west neighbour's; the map's top row has no row to
// its north and stays unshaded. The blended tiles go to the canvas's
// blended table when it has one.
void drawRows(SnapshotCanvas& panels, int firstRow, int endRow, const PlanetStatistics& statistics,
              const RiverNetwork& rivers, const PlanetGrid& planet, bool shading,
              float altitudeShadeScale) {
  const PixelMap& map = panels.map;
  const float inverseRange = inverseElevationRange(statistics);
  const int shadedRows = map.mapHeight - 1 - map.firstRow;
  Tile* const blended = panels.blended.size != 0 ? panels.blended.data : nullptr;
  for (int y = firstRow; y < endRow; ++y) {
    for (int x = 0; x < map.width; ++x) {
      const size_t pixel = static_cast<size_t>(y) * map.width + x;
      const Tile t = interpolateTile(planet, map.exact[pixel]);
      if (blended != nullptr) blended[pixel] = t;
      if (shading && y < shadedRows) {
        Tile northWest;
        northWest.elevation = interpolateElevation(planet, map.relief[pixel]);
        panels.shade[pixel] = reliefShade(t, northWest, statistics, altitudeShadeScale);
      }
      drawGroundCover(t, panels.shade[pixel], statistics, rivers, panels.ground.at(x, y),
                      panels.riverMask.at(x, y));
      panels.elevation.at(x, y) = elevationPanelColor(t, statistics, inverseRange);
      panels.rain.at(x, y) = rainPanelColor(t, statistics);
      panels.temperature.at(x, y) = temperaturePanelColor(t, statistics);
      panels.humidity.at(x, y) = humidityPanelColor(t);
      panels.sediment.at(x, y) = sedimentPanelColor(t, statistics);
    }
  }
}

// Two panels across, three down; buffer row 0 is the bottom of the file, so
// the ground map sits bottom left and temperature top left.
void compose(const SnapshotCanvas& panels, RgbImage& sheet, int width, int height) {
  const RgbImage* layout[3][2] = {{&panels.ground, &panels.sediment},
                                  {&panels.elevation, &panels.rain},
                                  {&panels.temperature, &panels.humidity}};
  for (int band = 0; band < 3; ++band) {
    for (int y = 0; y < height; ++y) {
      for (int column = 0; column < 2; ++column) {
        std::memcpy(&sheet.at(column * width, band * height + y), &layout[band][column]->at(0, y),
                    sizeof(Rgb) * static_cast<size_t>(width));
      }
    }
  }
}

}  // namespace

SnapshotCanvas::SnapshotCanvas(const PlanetGrid& planet, int w, int h, int workerCount)
    : SnapshotCanvas(planet, w, h, 0, h, workerCount, false) {}

SnapshotCanvas::SnapshotCanvas(const PlanetGrid& planet, int w, int mapH, int firstRow, int rows,
                               int workerCount, bool keepBlended)
    : workers(workerCount),
      map(planet, w, mapH, firstRow, rows, workerCount),
      ground(map.width, map.height),
      sediment(map.width, map.height),
      elevation(map.width, map.height),
      rain(map.width, map.height),
      temperature(map.width, map.height),
      humidity(map.width, map.height),
      riverMask(map.width, map.height),
      sheet(sheetSize(map.width, 2), sheetSize(map.height, 3)),
      shade(static_cast<size_t>(map.width) * map.height),
      blended(keepBlended ? static_cast<size_t>(map.width) * map.height : 0,
              BufferFill::kUnfilled) {}

bool SnapshotCanvas::ok() const {
  if (!sheetFits(map.width, 2) || !sheetFits(map.height, 3) || !map.ok() || !shade.ok()) {
    return false;
  }
  for (const RgbImage* image :
       {&ground, &sediment, &elevation, &rain, &temperature, &humidity, &riverMask, &sheet}) {
    if (!image->ok()) return false;
  }
  return true;
}

bool SnapshotCanvas::shadeIsFor(const PlanetStatistics& statistics,
                                float altitudeShadeScale) const {
  return shadeMade && shadeScale == altitudeShadeScale &&
         shadeElevationMax == statistics.elevationMax && shadeSeaLevel == statistics.seaLevel;
}

bool SnapshotCanvas::moveTo(const PlanetGrid& planet, int firstRow) {
  if (!map.moveTo(planet, firstRow, workers)) return false;
  // The shade belongs to the pixels it was worked out for.
  shadeMade = false;
  return true;
}

void drawSnapshot(SnapshotCanvas& canvas, float altitudeShadeScale,
                  const PlanetStatistics& statistics, const RiverNetwork& rivers,
                  const PlanetGrid& planet) {
  const int width = canvas.map.width;
  const int height = canvas.map.height;
  // Every pixel of the panels and the sheet is written below, so nothing
  // from the snapshot before shows through.
  const bool shading = !canvas.shadeIsFor(statistics, altitudeShadeScale);
  auto draw = [&](int64_t firstRow, int64_t endRow) {
    drawRows(canvas, static_cast<int>(firstRow), static_cast<int>(endRow), statistics, rivers,
             planet, shading, altitudeShadeScale);
  };
  parallelForChunks(canvas.workers, height, rowsPerChunk(width), draw);
  if (shading) {
    canvas.shadeMade = true;
    canvas.shadeScale = altitudeShadeScale;
    canvas.shadeElevationMax = statistics.elevationMax;
    canvas.shadeSeaLevel = statistics.seaLevel;
  }
  drawRiverRows(rivers, canvas.map.mapHeight, canvas.map.firstRow, canvas.ground, canvas.sediment,
                canvas.riverMask);
  if (width > 0) compose(canvas, canvas.sheet, width, height);
}

}  // namespace geoweave::detail
