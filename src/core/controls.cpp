#include "core/controls.h"

namespace candelor {
namespace {

struct ControlInfo {
  std::string_view name;
  std::string_view startUpText;
  int typingLimit;
};

constexpr std::array<ControlInfo, kControlCount> kControls = {{
    {"RL", "10", 4},
    {"RW", "10", 4},
    {"RCH", "6", 5},
    {"NOL", "2", 3},
    {"LL", "2850", 6},
    {"LLD", "0.90", 4},
    {"LDD", "0.85", 4},
    {"COU", "0.55", 4},
    {"NOF", "2", 0},
    {"LLV", "60", 0},
    {"Job", "Job and/or Room Name", 0},
    {"RA", "100", 0},
    {"RCR", "6", 0},
    {"LLF", ".76", 0},
    {"FS", "--", 0},
    {"Uniformity", "1", 0},
    {"LabelTime", "Label1", 0},
    {"Unit0", "Ft", 0},
    {"Unit1", "Ft", 0},
    {"Unit2", "Ft", 0},
    {"Unit3", "Ft", 0},
    {"Area", "SqFt", 0},
    {"Stat", "", 0},
    {"LU", "FC", 0},
    {"Imperial", "Imperial", 0},
    {"Metric", "Metric", 0},
    {"PasteClip", "Paste to Clipboard", 0},
    {"SSFrame1", "Room Length", 0},
    {"Frame3D2", "Room Width", 0},
    {"Frame3D3", "Room Cavity Height", 0},
    {"Frame3D4", "Number of Lamps", 0},
    {"Frame3D5", "Lamp Lumens", 0},
    {"Frame3D6", "LLD", 0},
    {"Frame3D7", "Coefficient of Utilization", 0},
    {"Frame3D8", "Number of Luminaires", 0},
    {"Frame3D9", "Lighting Level", 0},
    {"Frame3D10", "LDD", 0},
    {"Frame3D11", "Room Area", 0},
    {"Frame3D12", "Room Cavity Ratio", 0},
    {"Frame3D13", "LLF", 0},
    {"Frame3D14", "Units", 0},
    {"Frame3D15", "Spacing", 0},
    {"Frame3D16", "Uniformity", 0},
    {"Label1", "", 0},
    {"Label2", "", 0},
    {"Label3", "", 0},
    {"Background", "", 0},
}};

}  // namespace

std::string_view ControlName(Control c) {
  return kControls[static_cast<int>(c)].name;
}
std::string_view StartUpText(Control c) {
  return kControls[static_cast<int>(c)].startUpText;
}
int TypingLimit(Control c) {
  return kControls[static_cast<int>(c)].typingLimit;
}

}  // namespace candelor
