#include "core/texts.h"

#include <string>

namespace candelor {

Message GreaterThanZeroMessage() {
  return {"This Value must be greater then 0", std::string(kDataInputTitle), MessageIcon::Warning};
}
Message LessThanTenThousandMessage() {
  return {"This Value must be less then 10000", std::string(kDataInputTitle), MessageIcon::Warning};
}
Message DepreciationRangeMessage() {
  return {"This Value must be between 0.01 and 1", std::string(kDataInputTitle),
          MessageIcon::Warning};
}
Message UtilizationRangeMessage() {
  return {
      "This Value must be between 0.01 and 1.4  \r\n"
      "Values greater than one are only acceptable for some LED powered luminaires.\r\n"
      "For traditional light sources the COU is always below 1",
      "Please correct input", MessageIcon::Warning};
}
Message CavityTooHighMessage() {
  return {
      "The RCR value is unrealistically high. The Zonal Cavity Calculation Method is "
      "intended for rooms with RCR value in the 0...10 range.",
      std::string(kDataInputTitle), MessageIcon::Error};
}

Message IncorrectDataMessage() {
  return {"Incorrect data. Verify", std::string(kDataInputTitle), MessageIcon::Warning};
}
Message VerifyDataMessage() {
  return {"Verify Data", std::string(kDataInputTitle), MessageIcon::Warning};
}
Message OutOfRangeMessage() {
  return {"Sorry input data is out of this calculator range", std::string(kDataInputTitle),
          MessageIcon::Warning};
}

Message PasteConfirmationMessage() {
  return {"Click OK to override current clipboard content\r\nClick Cancel to abort",
          std::string(kPasteTitle), MessageIcon::Warning, MessageButtons::OkCancel};
}

Message ClipboardUnavailableMessage() {
  return {
      "The clipboard is not available at the moment, so the calculation was not placed on "
      "it. Please try again.",
      std::string(kPasteTitle), MessageIcon::Warning, MessageButtons::Ok};
}

std::string SpelledUnit(std::string_view caption) {
  if (caption == "Ft") return "feet";
  if (caption == "m") return "metres";
  if (caption == "SqFt") return "square feet";
  if (caption == "Sqm") return "square metres";
  if (caption == "FC") return "foot-candles";
  if (caption == "Lux") return "lux";
  return std::string(caption);
}

Message LevelAdviceMessage() {
  return {std::string(kLevelAdviceText), std::string(kApplicationTitle), MessageIcon::Information};
}

Message LampReadMeMessage() {
  return {std::string(kLampReadMeText), std::string(kApplicationTitle), MessageIcon::Information};
}

}  // namespace candelor
