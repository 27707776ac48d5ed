#include "input/bad_input_doc.h"

#include "core/driver.h"
#include "input/bad_input_table.h"
#include "input/commit.h"

namespace candelor {
namespace {

using namespace bad_input;

std::string Shown(const char* text) {
  if (!text) return "10,000 × \"7\"";
  std::string s = text;
  if (s.empty()) return "(empty)";
  std::string out = "`";
  for (char c : s) {
    if (c == '\t') {
      out += "\\t";
    } else if (c == '\n') {
      out += "\\n";
    } else if (c == '|') {
      out += "\\|";
    } else {
      out += c;
    }
  }
  out += "`";
  return out;
}

std::string Input(const char* input) {
  if (!input) return "paste of 10,000 × \"7\"";
  if (!*input) return "Delete over the whole text";
  return Shown(input);
}

std::string MessageName(MessageId id) {
  switch (id) {
    case kNone:
      return "";
    case kM1:
      return "\"" + GreaterThanZeroMessage().text + "\"";
    case kM2:
      return "\"" + LessThanTenThousandMessage().text + "\"";
    case kM3:
      return "\"" + DepreciationRangeMessage().text + "\"";
    case kM4:
      return "\"This Value must be between 0.01 and 1.4 ...\"";
    case kM5:
      return "\"The RCR value is unrealistically high. ...\"";
    case kIncorrectData:
      return "\"" + IncorrectDataMessage().text + "\"";
    case kVerifyData:
      return "\"" + VerifyDataMessage().text + "\"";
    case kOutOfRange:
      return "\"" + OutOfRangeMessage().text + "\"";
  }
  return "";
}

std::string Heading(Control box) {
  const char* caption = "";
  switch (box) {
    case Control::RL:
      caption = "Room Length";
      break;
    case Control::RW:
      caption = "Room Width";
      break;
    case Control::RCH:
      caption = "Room Cavity Height";
      break;
    case Control::NOL:
      caption = "Number of Lamps";
      break;
    case Control::LL:
      caption = "Lamp Lumens";
      break;
    case Control::LLD:
      caption = "Lamp lumen depreciation";
      break;
    case Control::LDD:
      caption = "Luminaire dirt depreciation";
      break;
    case Control::COU:
      caption = "Coefficient of Utilization";
      break;
    case Control::NOF:
      caption = "Number of Luminaires";
      break;
    case Control::LLV:
      caption = "Lighting Level";
      break;
    default:
      caption = "Job and/or room name";
      break;
  }
  return std::string(caption) + " (`" + std::string(ControlName(box)) + "`)";
}

}  // namespace

std::string RenderBadInputDoc() {
  std::string doc =
      "# What Candelor does with bad input\n\n"
      "Generated from the table of `tests/input/bad_input_table.h`, which the tests check row by "
      "row; rebuild with `cmake --build build/default --target bad-input-doc`.\n\n"
      "Each input is pasted over the whole selected text of one box (a paste is cut at the box's "
      "typing limit, as typing is), in a calculator just started; for the number of luminaires "
      "the user has first clicked into the box, so the level is being solved. *Message* is what "
      "the box's commit shows, *Text* what the box holds afterwards, *Value* the quantity "
      "committed, and *Next tick* what the next recalculation says. Afterwards the calculator "
      "always reaches a defined state: solved values, the 4-second recovery after a data error, "
      "or the reset after a value out of its range.\n";
  Control current = Control::Background;
  for (const Row& row : kRows) {
    if (row.box != current) {
      current = row.box;
      doc += "\n## " + Heading(current) + "\n\n";
      doc += "| Input | Message | Text | Value | Next tick |\n|---|---|---|---|---|\n";
    }
    doc += "| " + Input(row.input) + " | " + MessageName(row.message) + " | " + Shown(row.text) +
           " | " + (*row.value ? row.value : "(read by the tick)") + " | " + MessageName(row.tick) +
           " |\n";
  }
  return doc;
}

}  // namespace candelor
