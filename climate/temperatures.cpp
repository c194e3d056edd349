#include "climate/temperatures.h"

#include <cmath>

#include "grid/planet.h"

void adjustTemperatures(Planet& planet, PlanetParams& params) {
  params.temperatureMin = planet.tiles[0].temperature;
  params.temperatureMax = params.temperatureMin;
  const double seaLevel = params.seaLevel;
  const double heightRange = static_cast<double>(params.elevationMax) - seaLevel;
  TileCursor cursor;
  for (cursor.start(planet.side); cursor.valid(); cursor.advance()) {
    const TileCoord c = cursor.coord();
    Tile t = *planet.tileAt(c);
    float lat, lon;
    planet.mapCoordinates(TilePoint{c, 0, 0}, lat, lon);
    t.temperature = static_cast<float>(static_cast<double>(t.temperature) + 40.0 -
                                       120.0 * std::fabs(static_cast<double>(lat) - 0.5));
    // High ground is pulled towards -40; with no height range there is none.
    double h = heightRange != 0 ? (t.surfaceHeight() - seaLevel) / heightRange : 0.0;
    if (h < 0) h = 0;
    double f = 1.2 * h * h;
    if (f > 1) f = 1;
    const double temperature = t.temperature;
    t.temperature = static_cast<float>(temperature - (temperature + 40.0) * f);
    if (t.temperature < params.temperatureMin) {
      params.temperatureMin = t.temperature;
    } else if (t.temperature > params.temperatureMax) {
      params.temperatureMax = t.temperature;
    }
    t.humidity = t.isSea() ? 0.5f : 0.1f;
    planet.storeToAllCopies(t, c);
  }
}
