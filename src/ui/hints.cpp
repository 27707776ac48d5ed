#include "ui/hints.h"

#include <string>

namespace candelor {
namespace {

Message Explanation(const char* title, std::initializer_list<const char*> lines) {
  std::string text;
  bool first = true;
  for (const char* line : lines) {
    if (!first) text += '\n';  // explanations join their lines with a single line feed
    text += line;
    first = false;
  }
  return {text, title, MessageIcon::Information, MessageButtons::Ok};
}

}  // namespace

std::optional<std::string_view> MouseOverHint(Control c, std::string_view levelUnitCaption) {
  switch (c) {
    case Control::Frame3D3:
      return " Room Cavity Height - The distance between bottom of luminaire and top of work "
             "plane.";
    case Control::Frame3D4:
      return " Number of lamps in one luminaire.";
    case Control::Frame3D6:
      return " Lamp Lumens Depreciation - loss of initial light output due to lamp aging.";
    case Control::Frame3D7:
      return " Coefficient of Utilization - look-up this value from luminaire manufacturer "
             "data.  Click for more.";
    case Control::Frame3D10:
      return " LDD - Luminaire Dirt Depreciation - usually between 0.6 and 0.9    Click for more.";
    case Control::Frame3D12:
      return " Room Cavity Ratio. Use this value to lookup the Coefficient of Utilization from "
             "luminaire spec.";
    case Control::Frame3D13:
      return " Light Loss Factor = LLD x LDD";
    case Control::Frame3D15:
      return " Equal luminaire spacing = square root of luminaire area. Click for more.";
    case Control::Frame3D16:
      return " Uniformity = spacing/room cavity height. Look-up value from luminaire spec.- "
             "Usually < 1.5";
    case Control::COU:
    case Control::LDD:
    case Control::LLD:
    case Control::LLV:
      return "  ";
    case Control::LU:
      return levelUnitCaption == "FC" ? " Foot-candle.  Click to change to Lux."
                                      : " Lux. Also called meter-candle. Click to change to FC.";
    case Control::Job:
      return kJobHint;
    case Control::PasteClip:
      return " Click to paste calculation report to Clipboard ";
    case Control::Label1:
    case Control::Label2:
    case Control::Label3:
      return " Use keyboard arrows to scroll the values in active boxes. Use Tab key to switch "
             "between boxes";
    default:
      return std::nullopt;
  }
}

std::optional<Message> TermExplanation(Control c) {
  switch (c) {
    case Control::Frame3D7:
      return Explanation(
          "Coefficient of Utilization (COU)",
          {"Coefficient of Utilization (COU) describes what portion of the luminaire light output",
           "reaches the work surface. This value is affected by:", " - Luminaire design",
           " - Room; ceiling, wall and floor reflectances",
           " - Room dimensions / Room Cavity Ratio (RCR)",
           "This value (COU) is unique for each luminaire and is provided by luminaire "
           "manufacturer.",
           "Verify and change COU when the; luminaire, room reflectances or RCR is changed.", "",
           "For traditional light sources the COU value was always below 1.",
           "Typically only LED luminaires can have values exceeding 1.0 ",
           "(This is because the zonal cavity calculation method was conceived in times when",
           " efficiency of luminaires was much lower than presently possible.)"});
    case Control::Frame3D10:
      return Explanation(
          "LDD - Luminaire Dirt Depreciation",
          {"Depreciation of initial lighting level due to accumulation of dirt on the lamp and "
           "luminaire surface.",
           "This value is affected by luminaire design, type of interior environment and lamp "
           "used.",
           "LDD value is usually between 0.6 and 0.9"});
    case Control::Frame3D15:
    case Control::FS:
    case Control::Unit0:
    case Control::Unit1:
    case Control::Unit2:
    case Control::Unit3:
      return Explanation("Equal Luminaire Spacing",
                         {"This value is calculated as a square root of Luminaire Area.",
                          "Luminaire Area is the Room Area divided by the Number of Luminaires."});
    default:
      return std::nullopt;
  }
}

Pointer GroupPointer(Control c) {
  switch (c) {
    case Control::Frame3D7:
    case Control::Frame3D10:
      return Pointer::ArrowQuestion;
    case Control::Frame3D15:
      return Pointer::Icon;
    case Control::Frame3D11:
      return Pointer::Arrow;
    default:
      return Pointer::Default;
  }
}

std::optional<Message> HelpFor(Control c) {
  switch (c) {
    case Control::COU:
      return TermExplanation(Control::Frame3D7);
    case Control::LDD:
      return TermExplanation(Control::Frame3D10);
    case Control::FS:
    case Control::Uniformity:
      return TermExplanation(Control::Frame3D15);
    default:
      return std::nullopt;
  }
}

}  // namespace candelor
