#include "core/plan.h"

#include <algorithm>
#include <cmath>

#include "core/driver.h"
#include "core/model.h"
#include "core/text.h"
#include "core/texts.h"

namespace candelor {
namespace {

// The spacing-to-height ratio most luminaires' data allow.
constexpr double kUsualSpacingRatio = 1.5;

std::string Counted(int n, const char* one, const char* many) {
  return std::to_string(n) + " " + (n == 1 ? one : many);
}

std::string Tenths(double v) {
  return FormatFixed(static_cast<float>(v), "0.0");
}

std::string Hundredths(double v) {
  return FormatFixed(static_cast<float>(v), "0.00");
}

// Why no layout can be drawn now, if that is so.
std::optional<std::string> NoLayoutReason(const Session& s) {
  if (const Message* m = s.OpenMessage()) {
    // Only a complaint about the data puts the plan on hold; an explanation does not.
    if (m->title == kDataInputTitle || m->title == UtilizationRangeMessage().title) {
      return "Waiting for the message to be answered: " + m->text;
    }
  }
  if (!s.form.IsTimerRunning(Timer::Timer1) && !s.form.IsTimerRunning(Timer::Timer2)) {
    return std::string("Waiting for the data to be corrected");
  }
  return std::nullopt;
}

RoomPlan NoLayout(std::string reason) {
  RoomPlan p;
  p.description = "No layout: " + reason;
  p.figures = {"No layout", std::move(reason)};
  return p;
}

}  // namespace

PlanGrid GridWithRows(int count, int rows) {
  rows = std::clamp(rows, 1, std::max(count, 1));
  return {rows, (count + rows - 1) / rows};
}

PlanGrid ChooseGrid(int count, double length, double width) {
  const double x = std::sqrt(count * width / length);
  const auto floor = static_cast<int>(std::clamp(std::floor(x), 1.0, double(count)));
  const auto ceil = static_cast<int>(std::clamp(std::ceil(x), 1.0, double(count)));
  // How far from square a grid's cells are: the larger spacing over the smaller.
  auto unevenness = [&](PlanGrid g) {
    const double along = length / g.perRow, across = width / g.rows;
    return std::max(along, across) / std::min(along, across);
  };
  const PlanGrid a = GridWithRows(count, floor), b = GridWithRows(count, ceil);
  const long long hungA = 1LL * a.rows * a.perRow, hungB = 1LL * b.rows * b.perRow;
  if (hungA != hungB) return hungA < hungB ? a : b;
  const double ua = unevenness(a), ub = unevenness(b);
  if (ua != ub) return ua < ub ? a : b;
  return a;  // the fewer rows
}

RoomPlan PlanView::Compute(const Session& s) {
  last_ = [&] {
    if (auto reason = NoLayoutReason(s)) return NoLayout(*reason);
    const std::string countText = s.Read(Control::NOF);
    const double value = IsNumberText(countText) ? ToSingle(NumberFromText(countText)) : 0.0;
    if (!(value > 0.0) || value >= kLuminairesLimit) {
      return NoLayout("The number of luminaires is not a positive number");
    }
    const float length = ToSingle(LeadingValue(s.Read(Control::RL)));
    const float width = ToSingle(LeadingValue(s.Read(Control::RW)));
    if (!(length > 0.0f && width > 0.0f && std::isfinite(length) && std::isfinite(width))) {
      return NoLayout("The room has no length or width");
    }
    const int needed = static_cast<int>(std::ceil(value));
    const Key key{needed, length, width};
    if (key != key_) rows_.reset();
    key_ = key;

    RoomPlan p;
    p.layout = true;
    p.count = needed;
    p.grid = rows_ ? GridWithRows(needed, *rows_) : ChooseGrid(needed, length, width);
    p.length = length;
    p.width = width;
    p.lengthUnit = s.Read(Control::Unit0);
    const int hung = p.grid.rows * p.grid.perRow;
    p.drawable = hung <= kMostDrawnLuminaires;

    const std::string levelUnit = s.Read(Control::LU);
    const std::string& u = p.lengthUnit;
    const double along = double(length) / p.grid.perRow, across = double(width) / p.grid.rows;
    const TickReading reading = ReadTick(s, Control::NOF);
    std::string level = "--";
    if (auto in = reading.Inputs(s.state.units)) {
      in->given = static_cast<float>(hung);
      const SolveResult r = SolveLevel(*in);
      if (r.outcome == SolveOutcome::Solved) level = FormatFixed(r.value, "0") + " " + levelUnit;
    }
    p.figures.push_back(Counted(hung, "luminaire", "luminaires") + ": " +
                        Counted(p.grid.rows, "row", "rows") + " of " +
                        std::to_string(p.grid.perRow));
    p.figures.push_back(s.form.IsTimerRunning(Timer::Timer1)
                            ? "Needed: " + Tenths(value)
                            : "Entered: " + SingleText(static_cast<float>(value)));
    p.figures.push_back("Lighting level with " + std::to_string(hung) + ": " + level);
    p.figures.push_back("Spacing: " + Tenths(along) + " " + u + " along, " + Tenths(across) + " " +
                        u + " across; " + Tenths(along / 2) + " " + u + " and " +
                        Tenths(across / 2) + " " + u + " from the walls");
    if (reading.RCH > 0.0f) {
      const double ratioAlong = along / reading.RCH, ratioAcross = across / reading.RCH;
      std::string ratios = "Spacing to height: " + Hundredths(ratioAlong) + " along, " +
                           Hundredths(ratioAcross) + " across";
      if (std::max(ratioAlong, ratioAcross) > kUsualSpacingRatio) {
        ratios += "; above the usual 1.5: check the luminaire's data";
      }
      p.figures.push_back(ratios);
    }
    if (!p.drawable) p.figures.push_back("Too many luminaires to draw");
    const std::string spelled = SpelledUnit(u);
    p.description = Counted(p.grid.rows, "row", "rows") + " of " +
                    Counted(p.grid.perRow, "luminaire", "luminaires") + ", " + Tenths(along) + " " +
                    spelled + " apart along the length and " + Tenths(across) + " " + spelled +
                    " across, " + Tenths(along / 2) + " and " + Tenths(across / 2) + " " + spelled +
                    " from the walls";
    return p;
  }();
  return last_;
}

void PlanView::ChooseRows(int rows) {
  if (!last_.layout) return;
  rows_ = std::clamp(rows, 1, last_.count);
}

}  // namespace candelor
