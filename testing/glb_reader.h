#pragma once

// Test support: a glTF binary file (GLB) read back, its container checked,
// and the Khronos validator's verdict on it.

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <fstream>
#include <iterator>
#include <nlohmann/json.hpp>
#include <string>
#include <vector>

#include "testing/test_command.h"

namespace geoweave::detail {

// A GLB's JSON and binary chunk.
struct Glb {
  nlohmann::json gltf;
  std::string bin;

  // The values of a float accessor (tightly packed), in order.
  std::vector<float> floats(int accessor) const {
    const nlohmann::json& a = gltf["accessors"][accessor];
    EXPECT_EQ(a["componentType"], 5126);
    const size_t per = a["type"] == "VEC2" ? 2 : a["type"] == "VEC3" ? 3 : 1;
    std::vector<float> values(a["count"].get<size_t>() * per);
    std::memcpy(values.data(), bin.data() + offsetOf(a), values.size() * sizeof(float));
    return values;
  }

  // The values of a 16- or 32-bit index accessor.
  std::vector<uint32_t> indices(int accessor) const {
    const nlohmann::json& a = gltf["accessors"][accessor];
    const size_t size = a["componentType"] == 5123 ? 2 : 4;
    std::vector<uint32_t> values(a["count"].get<size_t>());
    for (size_t k = 0; k < values.size(); ++k) {
      uint32_t v = 0;  // little-endian hosts only, as the tests run on
      std::memcpy(&v, bin.data() + offsetOf(a) + k * size, size);
      values[k] = v;
    }
    return values;
  }

  // The bytes of an image stored in the binary chunk.
  std::string imageBytes(int image) const {
    const nlohmann::json& view =
        gltf["bufferViews"][gltf["images"][image]["bufferView"].get<int>()];
    return bin.substr(view["byteOffset"].get<size_t>(), view["byteLength"].get<size_t>());
  }

 private:
  size_t offsetOf(const nlohmann::json& accessor) const {
    const nlohmann::json& view = gltf["bufferViews"][accessor["bufferView"].get<int>()];
    return view["byteOffset"].get<size_t>() + accessor.value("byteOffset", size_t{0});
  }
};

inline uint32_t glbWord(const std::string& bytes, size_t at) {
  uint32_t v = 0;
  for (int k = 3; k >= 0; --k) v = v << 8 | static_cast<uint8_t>(bytes[at + k]);
  return v;
}

// Reads path into *out after checking the 12-byte header (magic, version 2,
// the file's length), the JSON chunk and the binary chunk that fills the
// rest.
inline testing::AssertionResult readGlb(const std::string& path, Glb* out) {
  std::ifstream in(path, std::ios::binary);
  const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  if (bytes.size() < 28 || bytes.compare(0, 4, "glTF") != 0 || glbWord(bytes, 4) != 2 ||
      glbWord(bytes, 8) != bytes.size() || glbWord(bytes, 16) != 0x4E4F534Au) {
    return testing::AssertionFailure() << path << " has no GLB header and JSON chunk";
  }
  const size_t jsonLength = glbWord(bytes, 12);
  const size_t binAt = 20 + jsonLength;
  if (jsonLength % 4 != 0 || binAt + 8 > bytes.size() || glbWord(bytes, binAt + 4) != 0x004E4942u ||
      binAt + 8 + glbWord(bytes, binAt) != bytes.size()) {
    return testing::AssertionFailure() << path << " has no binary chunk filling the file";
  }
  out->gltf = nlohmann::json::parse(bytes.substr(20, jsonLength), nullptr, false);
  out->bin = bytes.substr(binAt + 8);
  if (out->gltf.is_discarded()) return testing::AssertionFailure() << path << ": bad JSON";
  return testing::AssertionSuccess();
}

// Runs the Khronos glTF validator (tools/gltf, set up by npm ci) on path: a
// test failure, with its report, unless it finds no error and no warning
// (infos and hints pass). A missing node or validator fails too.
inline void expectValidGltf(const std::string& validator, const std::string& path) {
  const std::string report = runCommand("node '" + validator + "' '" + path + "' 2>&1");
  EXPECT_NE(report.find(": 0 errors, 0 warnings,"), std::string::npos) << path << ":\n" << report;
}

}  // namespace geoweave::detail
