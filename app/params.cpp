#include "app/params.h"

float riverFlowThreshold = kRiverFlowThresholdStart;
float majorRiverFlowThreshold = kMajorRiverFlowThresholdStart;

void resetRiverThresholds() {
  riverFlowThreshold = kRiverFlowThresholdStart;
  majorRiverFlowThreshold = kMajorRiverFlowThresholdStart;
}
