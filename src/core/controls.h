#pragma once

#include <array>
#include <cstdint>
#include <string_view>

namespace candelor {

// Every control of the main window that the logic reads, writes or hears from. The names are
// those of the window: the same name serves the control and the quantity it shows.
enum class Control : std::uint8_t {
  // The ten input boxes, in tab order, then the job box.
  RL,
  RW,
  RCH,
  NOL,
  LL,
  LLD,
  LDD,
  COU,
  NOF,
  LLV,
  Job,
  // Labels and captions the logic writes.
  RA,
  RCR,
  LLF,
  FS,
  Uniformity,
  LabelTime,
  Unit0,
  Unit1,
  Unit2,
  Unit3,
  Area,
  Stat,
  // Buttons and options.
  LU,
  Imperial,
  Metric,
  PasteClip,
  // Framed groups and the caption-less strips between the columns.
  SSFrame1,
  Frame3D2,
  Frame3D3,
  Frame3D4,
  Frame3D5,
  Frame3D6,
  Frame3D7,
  Frame3D8,
  Frame3D9,
  Frame3D10,
  Frame3D11,
  Frame3D12,
  Frame3D13,
  Frame3D14,
  Frame3D15,
  Frame3D16,
  Label1,
  Label2,
  Label3,
  // The bare window background (for the hint line).
  Background,
};

inline constexpr int kControlCount = static_cast<int>(Control::Background) + 1;

// The ten input boxes in tab order.
inline constexpr std::array<Control, 10> kInputBoxes = {
    Control::RL,  Control::RW,  Control::RCH, Control::NOL, Control::LL,
    Control::LLD, Control::LDD, Control::COU, Control::NOF, Control::LLV};

constexpr bool IsInputBox(Control c) {
  return c <= Control::LLV;
}

// A control that holds editable text (the input boxes and the job box).
constexpr bool IsTextBox(Control c) {
  return c <= Control::Job;
}

// The name of a control as the window calls it ("RL", "Frame3D7", ...).
std::string_view ControlName(Control c);

// The text or caption a control shows when the window opens.
std::string_view StartUpText(Control c);

// How many characters a user may type or paste into a box; 0 for no limit.
int TypingLimit(Control c);

}  // namespace candelor
