#pragma once

#include <string>
#include <string_view>

#include "core/session.h"

namespace candelor {

// The texts the window shows at the moment of the click, used unchanged.
struct ReportFields {
  std::string job, length, width, lengthUnit, area, areaUnit, cavityHeight, cavityRatio, cou,
      lightLoss, lld, ldd, lampLumens, lamps, luminaires, level, levelUnit;
};

// The plain-text report: eleven lines and an empty one, each ended by CR LF.
std::string BuildCalculationReport(const ReportFields& f, std::string_view timestamp);

// The report's timestamp: the locale's short date and long time, or the date alone at exactly
// midnight.
std::string ReportTimestamp(const LocalDateTime& t, std::string_view date, std::string_view time);

// Reads the fields from the window.
ReportFields ReadReportFields(const Session& s);

// The click of "Paste to Clipboard": compose, confirm, put on the clipboard on OK, and in every
// case leave the job box focused with its text selected.
void PasteCalculationReport(Session& s);

}  // namespace candelor
