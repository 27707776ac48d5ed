#include "report/report.h"

#include <gtest/gtest.h>

#include "core/texts.h"
#include "support/harness.h"

namespace candelor {
namespace {

using testing::Harness;

const char* const kExample =
    "Lighting Calculations - Date: 6/26/2023 3:45:12 PM\r\n"
    "Job Name/Room Name: Office 12\r\n"
    "=============================================================\r\n"
    "Room Length = 12 Ft\t|Width = 10 Ft\t|Area = 120 SqFt\r\n"
    "Room Cavity Height = 5 Ft\t|RCR = 4.58\r\n"
    "Luminaire COU = 0.55\r\n"
    "Light Loss Factor = 0.77\t(LLD = 0.90)x(LDD = 0.85)\r\n"
    "Lamp Lumens = 2850\t   | No of lamps = 2\r\n"
    "Number of Luminaires = 2.5\r\n"
    "Lighting Level = 50 FC\r\n"
    "=============================================================\r\n"
    "\r\n";

ReportFields Example() {
  return {"Office 12", "12",   "10",   "Ft",   "120", "SqFt", "5",  "4.58", "0.55",
          "0.77",      "0.90", "0.85", "2850", "2",   "2.5",  "50", "FC"};
}

std::size_t CountCrLf(const std::string& s) {
  std::size_t n = 0;
  for (auto p = s.find("\r\n"); p != std::string::npos; p = s.find("\r\n", p + 2)) ++n;
  return n;
}

TEST(Report, TheExampleToTheCharacter) {
  std::string report = BuildCalculationReport(Example(), "6/26/2023 3:45:12 PM");
  EXPECT_EQ(report, kExample);
  EXPECT_EQ(CountCrLf(report), 12u);
  EXPECT_EQ(report.find('\n'), report.find("\r\n") + 1);  // no bare line feed anywhere
}

TEST(Report, EmptyJobMetricAndLux) {
  ReportFields f = Example();
  f.job = "";
  f.lengthUnit = "m";
  f.areaUnit = "Sqm";
  f.levelUnit = "Lux";
  std::string report = BuildCalculationReport(f, "1/2/2026");
  EXPECT_NE(report.find("\r\nJob Name/Room Name: \r\n"), std::string::npos);
  EXPECT_NE(report.find("Room Length = 12 m\t|Width = 10 m\t|Area = 120 Sqm\r\n"),
            std::string::npos);
  EXPECT_NE(report.find("Room Cavity Height = 5 m\t|RCR"), std::string::npos);
  EXPECT_NE(report.find("Lighting Level = 50 Lux\r\n"), std::string::npos);
  EXPECT_EQ(CountCrLf(report), 12u);
}

TEST(Report, TimestampIsTheDateAloneAtExactlyMidnight) {
  EXPECT_EQ(ReportTimestamp({2023, 6, 26, 15, 45, 12, 1}, "6/26/2023", "3:45:12 PM"),
            "6/26/2023 3:45:12 PM");
  EXPECT_EQ(ReportTimestamp({2023, 6, 26, 0, 0, 0, 1}, "6/26/2023", "12:00:00 AM"), "6/26/2023");
  EXPECT_EQ(ReportTimestamp({2023, 6, 26, 0, 0, 1, 1}, "6/26/2023", "12:00:01 AM"),
            "6/26/2023 12:00:01 AM");
}

TEST(PasteReport, OkPutsExactlyTheShownValuesOnTheClipboard) {
  Harness h;
  h.form.SetClock({2023, 6, 26, 15, 45, 12, 1});
  h.Enter(Control::RL, "12");
  h.Enter(Control::RCH, "5");
  h.form.SetText(Control::LDD, "0.85");
  h.form.SetText(Control::LLD, "0.8");
  h.form.SetText(Control::LLD, "0.90");  // committed again: the factor is now derived
  h.Advance(50);
  h.Enter(Control::Job, "Office 12");
  h.Click(Control::LLV);
  h.SelectAllOf(Control::LLV);
  h.Type("50");  // still being typed when the button is clicked
  h.form.clipboard = "previous";
  h.calc.PasteClicked();
  ASSERT_EQ(h.form.Messages().size(), 1u);
  EXPECT_EQ(h.form.Messages()[0],
            (Message{"Click OK to override current clipboard content\r\nClick Cancel to abort",
                     "Pasting Calculation to Clipboard", MessageIcon::Warning,
                     MessageButtons::OkCancel}));
  std::string expected = kExample;
  expected.replace(expected.find("Number of Luminaires = 2.5"), 26, "Number of Luminaires = 3.0");
  EXPECT_EQ(h.form.clipboard, expected);
  EXPECT_EQ(h.form.Focused(), Control::Job);
  EXPECT_EQ(h.form.GetSelection(Control::Job), (Selection{0, 9}));
}

TEST(PasteReport, CancelLeavesTheClipboardAndStillSelectsTheJob) {
  Harness h;
  h.form.clipboard = "previous";
  h.form.ScriptAnswer(MessageAnswer::Cancel);
  h.calc.PasteClicked();
  EXPECT_EQ(h.form.clipboard, "previous");
  EXPECT_EQ(h.form.Focused(), Control::Job);
  EXPECT_EQ(h.form.GetSelection(Control::Job), (Selection{0, 20}));
  EXPECT_EQ(h.Text(Control::Stat), "  ");  // the job's focus alone sets no hint
}

TEST(PasteReport, TheTimestampIsTheClicksNotTheOks) {
  Harness h;
  h.form.SetClock({2023, 6, 26, 23, 59, 59, 1});
  h.form.ScriptAnswer([&](const Message&) {
    h.Advance(5000);  // the user reads the question for five seconds, past midnight
    return MessageAnswer::Ok;
  });
  h.calc.PasteClicked();
  EXPECT_EQ(h.form.clipboard.substr(0, 52),
            "Lighting Calculations - Date: 6/26/2023 11:59:59 PM\r");
}

TEST(PasteReport, AClipboardThatCannotBeWrittenIsSaidAndTheCalculatorGoesOn) {
  Harness h;
  h.form.clipboardWritable = false;
  h.calc.PasteClicked();
  ASSERT_EQ(h.form.Messages().size(), 2u);
  EXPECT_EQ(h.form.Messages()[1], ClipboardUnavailableMessage());
  EXPECT_EQ(h.form.Focused(), Control::Job);
  h.Advance(50);
  EXPECT_EQ(h.Text(Control::NOF), "2.5");
}

}  // namespace
}  // namespace candelor
