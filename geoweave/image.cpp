#include "geoweave/image.h"

#include <cerrno>
#include <cstring>
#include <new>

#include "image/rgb_image.h"

namespace geoweave {

using namespace detail;

Status writeBmp(const Image& image, const std::string& path, std::string* error) {
  auto refuse = [&](Status status, const std::string& why) {
    if (error != nullptr) *error = "cannot write " + path + ": " + why;
    return status;
  };
  try {
    const size_t expected = static_cast<size_t>(image.width < 0 ? 0 : image.width) *
                            static_cast<size_t>(image.height < 0 ? 0 : image.height) * 3;
    if (image.width < 0 || image.height < 0 || image.rgb.size() != expected) {
      return refuse(Status::kUnusable, "the image's pixels do not fit its size");
    }
    RgbImage file(image.width, image.height);
    if (!file.ok()) return refuse(Status::kOutOfMemory, "out of memory");
    // The file's rows run bottom to top, each pixel blue, green, red.
    for (int y = 0; y < image.height; ++y) {
      for (int x = 0; x < image.width; ++x) {
        const uint8_t* p = image.pixel(x, image.height - 1 - y);
        file.at(x, y) = Rgb{p[2], p[1], p[0]};
      }
    }
    if (file.writeBmp(path.c_str())) return Status::kOk;
    return refuse(Status::kWriteFailed, std::strerror(errno));
  } catch (const std::bad_alloc&) {
    return refuse(Status::kOutOfMemory, "out of memory");
  }
}

}  // namespace geoweave
