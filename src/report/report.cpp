#include "report/report.h"
#include "core/texts.h"

namespace candelor {
namespace {

constexpr std::string_view kCrLf = "\r\n";
constexpr std::string_view kRule = "=============================================================";

}  // namespace

std::string BuildCalculationReport(const ReportFields& f, std::string_view timestamp) {
  std::string r;
  auto line = [&](std::initializer_list<std::string_view> parts) {
    for (std::string_view p : parts) r += p;
    r += kCrLf;
  };
  line({"Lighting Calculations - Date: ", timestamp});
  line({"Job Name/Room Name: ", f.job});
  line({kRule});
  line({"Room Length = ", f.length, " ", f.lengthUnit, "\t", "|Width = ", f.width, " ",
        f.lengthUnit, "\t", "|Area = ", f.area, " ", f.areaUnit});
  line(
      {"Room Cavity Height = ", f.cavityHeight, " ", f.lengthUnit, "\t", "|RCR = ", f.cavityRatio});
  line({"Luminaire COU = ", f.cou});
  line({"Light Loss Factor = ", f.lightLoss, "\t", "(LLD = ", f.lld, ")", "x", "(LDD = ", f.ldd,
        ")"});
  line({"Lamp Lumens = ", f.lampLumens, "\t", "   | No of lamps = ", f.lamps});
  line({"Number of Luminaires = ", f.luminaires});
  line({"Lighting Level = ", f.level, " ", f.levelUnit});
  line({kRule});
  line({});
  return r;
}

std::string ReportTimestamp(const LocalDateTime& t, std::string_view date, std::string_view time) {
  std::string stamp(date);
  if (t.hour != 0 || t.minute != 0 || t.second != 0) {
    stamp += ' ';
    stamp += time;
  }
  return stamp;
}

ReportFields ReadReportFields(const Session& s) {
  ReportFields f;
  f.job = s.Read(Control::Job);
  f.length = s.Read(Control::RL);
  f.width = s.Read(Control::RW);
  f.lengthUnit = s.Read(Control::Unit1);  // the unit beside the room width
  f.area = s.Read(Control::RA);
  f.areaUnit = s.Read(Control::Area);
  f.cavityHeight = s.Read(Control::RCH);
  f.cavityRatio = s.Read(Control::RCR);
  f.cou = s.Read(Control::COU);
  f.lightLoss = s.Read(Control::LLF);
  f.lld = s.Read(Control::LLD);
  f.ldd = s.Read(Control::LDD);
  f.lampLumens = s.Read(Control::LL);
  f.lamps = s.Read(Control::NOL);
  f.luminaires = s.Read(Control::NOF);
  f.level = s.Read(Control::LLV);
  f.levelUnit = s.Read(Control::LU);
  return f;
}


void PasteCalculationReport(Session& s) {
  // The timestamp is that of the click, taken before the confirmation.
  const LocalDateTime now = s.form.Now();
  const std::string report = BuildCalculationReport(
      ReadReportFields(s), ReportTimestamp(now, s.form.LocaleDate(now), s.form.LocaleTime(now)));
  if (s.Ask(PasteConfirmationMessage()) == MessageAnswer::Ok) {
    if (!s.form.PutOnClipboard(report)) s.Ask(ClipboardUnavailableMessage());
  }
  s.form.Focus(Control::Job);
  s.SelectAll(Control::Job);
}

}  // namespace candelor
