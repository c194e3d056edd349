#include "export/world_file.h"

#include <cstdio>
#include <utility>

#include "image/atomic_file.h"

namespace geoweave::detail {

namespace {

std::string line(double value) {
  char text[40];
  std::snprintf(text, sizeof text, "%.17g\n", value);
  return text;
}

}  // namespace

std::string worldFileText(int width, int height) {
  const double degreesPerColumn = 360.0 / width;
  const double degreesPerRow = height > 1 ? -180.0 / (height - 1) : -180.0;
  const double latitudeOfRow0 = height > 1 ? 90.0 : 0.0;
  return line(degreesPerColumn) + line(0) + line(0) + line(degreesPerRow) + line(0) +
         line(latitudeOfRow0);
}

std::string auxXmlText() {
  return "<PAMDataset>\n"
         "  <SRS dataAxisToSRSAxisMapping=\"2,1\">GEOGCS[\"WGS 84\",DATUM[\"WGS_1984\","
         "SPHEROID[\"WGS 84\",6378137,298.257223563,AUTHORITY[\"EPSG\",\"7030\"]],"
         "AUTHORITY[\"EPSG\",\"6326\"]],PRIMEM[\"Greenwich\",0,AUTHORITY[\"EPSG\",\"8901\"]],"
         "UNIT[\"degree\",0.0174532925199433,AUTHORITY[\"EPSG\",\"9122\"]],"
         "AXIS[\"Latitude\",NORTH],AXIS[\"Longitude\",EAST],AUTHORITY[\"EPSG\",\"4326\"]]</SRS>\n"
         "  <Metadata>\n"
         "    <MDI key=\"AREA_OR_POINT\">Point</MDI>\n"
         "  </Metadata>\n"
         "</PAMDataset>\n";
}

const std::vector<std::string>& mapLayoutPngs() {
  static const std::vector<std::string> all = {"ground.png", "height.png", "mask.png", "biomes.png",
                                               "rivers.png"};
  return all;
}

std::string worldFileName(const std::string& png) {
  const std::string suffix = ".png";
  const bool hasSuffix = png.size() >= suffix.size() &&
                         png.compare(png.size() - suffix.size(), suffix.size(), suffix) == 0;
  return (hasSuffix ? png.substr(0, png.size() - suffix.size()) : png) + ".pgw";
}

std::string auxXmlName(const std::string& png) {
  return png + ".aux.xml";
}

std::vector<FileOutcome> writeWorldFiles(const std::string& dir, const std::string& png, int width,
                                         int height) {
  std::vector<FileOutcome> outcomes;
  const std::pair<std::string, std::string> files[] = {
      {worldFileName(png), worldFileText(width, height)}, {auxXmlName(png), auxXmlText()}};
  for (const auto& [name, text] : files) {
    FileOutcome outcome;
    outcome.name = name;
    outcome.written = writeWholeFile(pathIn(dir, name).c_str(), text, &outcome.error);
    outcomes.push_back(outcome);
  }
  return outcomes;
}

}  // namespace geoweave::detail
