#pragma once

namespace geoweave::detail {

// Stage texts of the progress display. The display starts a new line when the
// text object changes, so each stage has exactly one object for the program.
inline constexpr char kStageNeighbors[] = "Prestoring neighbors and move fractions";
inline constexpr char kStageRoughness[] = "Creating roughness";
inline constexpr char kStageElevations[] = "Creating terrain elevations";
inline constexpr char kStageSeaLevel[] = "Calibrating sea level";
inline constexpr char kStageTemperatures[] = "Tweaking temperatures";
inline constexpr char kStageSetup[] = "Setting up iterations";
inline constexpr char kStageIterating[] = "Iterating";
inline constexpr char kStageRivers[] = "Making rivers";
inline constexpr char kStageDone[] = "Done generating planet";

}  // namespace geoweave::detail
