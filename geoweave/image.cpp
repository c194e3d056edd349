#include "geoweave/image.h"

#include <cerrno>
#include <cstring>

#include "image/rgb_image.h"

namespace geoweave {

using namespace detail;

bool writeBmp(const Image& image, const std::string& path, std::string* error) {
  const size_t expected = static_cast<size_t>(image.width < 0 ? 0 : image.width) *
                          static_cast<size_t>(image.height < 0 ? 0 : image.height) * 3;
  if (image.width < 0 || image.height < 0 || image.rgb.size() != expected) {
    if (error != nullptr)
      *error = "could not write " + path + ": the image's pixels do not fit its size";
    return false;
  }
  RgbImage file(image.width, image.height);
  if (!file.ok()) {
    if (error != nullptr) *error = "could not write " + path + ": out of memory";
    return false;
  }
  // The file's rows run bottom to top, each pixel blue, green, red.
  for (int y = 0; y < image.height; ++y) {
    for (int x = 0; x < image.width; ++x) {
      const uint8_t* p = image.pixel(x, image.height - 1 - y);
      file.at(x, y) = Rgb{p[2], p[1], p[0]};
    }
  }
  if (file.writeBmp(path.c_str())) return true;
  if (error != nullptr) *error = "could not write " + path + ": " + std::strerror(errno);
  return false;
}

}  // namespace geoweave
