#pragma once

#include <string_view>

namespace geoweave::detail {

// The files of globe.html that are made outside the C++ build, carried in the
// library (see cmake/embed_bytes.cmake): the page's HTML template from
// web/globe/src/page.html and its script, web/globe/dist/globe.js, the
// bundle that web/globe/build.sh makes. Both live as long as the program.
std::string_view globePageTemplate();
std::string_view globePageScript();

}  // namespace geoweave::detail
