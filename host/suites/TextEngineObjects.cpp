#include "host/suites/TextEngineObjects.h"

namespace host {

PartialCharacterFeatures assignedFeatures(const CharacterFeatures& features) {
  return PartialCharacterFeatures{features.font,       features.size,        features.horizontalScale,
                                  features.verticalScale, features.fillPaint, features.fillColor,
                                  features.strokePaint, features.strokeColor};
}

CharacterFeatures withAssigned(CharacterFeatures features, const PartialCharacterFeatures& change) {
  if (change.font) features.font = *change.font;
  if (change.size) features.size = *change.size;
  if (change.horizontalScale) features.horizontalScale = *change.horizontalScale;
  if (change.verticalScale) features.verticalScale = *change.verticalScale;
  if (change.fillPaint) features.fillPaint = *change.fillPaint;
  if (change.fillColor) features.fillColor = *change.fillColor;
  if (change.strokePaint) features.strokePaint = *change.strokePaint;
  if (change.strokeColor) features.strokeColor = *change.strokeColor;
  return features;
}

}  // namespace host
