#include "image/rgb_image.h"

#include <cstdint>
#include <cstring>

#include "base/allocation.h"
#include "image/bmp_writer.h"

namespace geoweave::detail {

RgbImage::RgbImage(int w, int h) : width(w > 0 ? w : 0), height(h > 0 ? h : 0) {
  const size_t count = static_cast<size_t>(width) * static_cast<size_t>(height);
  // An image without pixels (a map too small to have rows) keeps a null
  // buffer; it can still be written as a bare header.
  if (count == 0) return;
  // No object may span more than PTRDIFF_MAX bytes; a bigger picture cannot
  // be had, however much memory there is.
  if (count > static_cast<size_t>(PTRDIFF_MAX) / sizeof(Rgb)) {
    failed = true;
    return;
  }
  const size_t bytes = count * sizeof(Rgb);
  void* storage = tryAllocate(bytes);
  if (storage == nullptr) {
    failed = true;
    return;
  }
  std::memset(storage, 0, bytes);
  pixels = static_cast<Rgb*>(storage);
}

RgbImage::~RgbImage() {
  releaseStorage(pixels);
  pixels = nullptr;
  width = 0;
  height = 0;
}

bool RgbImage::writeBmp(const char* name) const {
  return writeBmpFile(*this, name, -1);
}

}  // namespace geoweave::detail
