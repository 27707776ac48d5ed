#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <sstream>

#include "bad_input_doc.h"
#include "core/driver.h"
#include "input/bad_input_table.h"
#include "input/commit.h"
#include "support/harness.h"

namespace candelor {
namespace {

using namespace bad_input;
using testing::Harness;

std::optional<Message> MessageOf(MessageId id) {
  switch (id) {
    case kNone:
      return std::nullopt;
    case kM1:
      return GreaterThanZeroMessage();
    case kM2:
      return LessThanTenThousandMessage();
    case kM3:
      return DepreciationRangeMessage();
    case kM4:
      return UtilizationRangeMessage();
    case kM5:
      return CavityTooHighMessage();
    case kIncorrectData:
      return IncorrectDataMessage();
    case kVerifyData:
      return VerifyDataMessage();
    case kOutOfRange:
      return OutOfRangeMessage();
  }
  return std::nullopt;
}

std::string Committed(const CalcState& s, Control c) {
  switch (c) {
    case Control::RL:
      return SingleText(s.RL);
    case Control::RW:
      return SingleText(s.RW);
    case Control::RCH:
      return SingleText(s.RCH);
    case Control::COU:
      return SingleText(s.COU);
    case Control::LL:
      return IntegerText(s.LL);
    case Control::LLD:
      return SingleText(s.LLD);
    case Control::LDD:
      return SingleText(s.LDD);
    case Control::NOF:
      return SingleText(s.NOF);
    case Control::LLV:
      return SingleText(s.LLV);
    default:
      return "";
  }
}

class BadInput : public ::testing::TestWithParam<Row> {};

TEST_P(BadInput, EndsInTheDefinedStateAndTheTicksGoOn) {
  const Row& row = GetParam();
  Harness h;
  if (row.box == Control::NOF) h.Click(Control::NOF);  // as a user solving the level would
  h.SelectAllIn(row.box);
  const std::string input = row.input ? row.input : std::string(10000, '7');
  if (input.empty()) {
    h.Delete();
  } else {
    h.Paste(input);
  }
  const auto& messages = h.form.Messages();
  auto expected = MessageOf(row.message);
  ASSERT_EQ(messages.size(), expected ? 1u : 0u);
  if (expected) {
    EXPECT_EQ(messages[0], *expected);
  }
  EXPECT_EQ(h.Text(row.box), row.text ? row.text : std::string(10000, '7'));
  EXPECT_EQ(Committed(h.state(), row.box), row.value);

  const std::size_t before = messages.size();
  h.Advance(50);
  auto tick = MessageOf(row.tick);
  ASSERT_EQ(h.form.Messages().size(), before + (tick ? 1 : 0));
  if (tick) {
    EXPECT_EQ(h.form.Messages()[before], *tick);
  }

  // Whatever happened, time goes on to a defined result: recovery, reset or solved values.
  h.Advance(10000);
  const CalcState& s = h.state();
  for (float v : {s.RL, s.RW, s.RCH, s.RA, s.RCR, s.COU, s.LLD, s.LDD, s.LLF, s.NOF, s.LLV}) {
    EXPECT_TRUE(std::isfinite(v));
  }
  EXPECT_FALSE(h.form.IsTimerRunning(Timer::Timer1) && h.form.IsTimerRunning(Timer::Timer2));
}

INSTANTIATE_TEST_SUITE_P(EveryBox, BadInput, ::testing::ValuesIn(kRows), [](const auto& info) {
  return std::string(ControlName(info.param.box)) + "_" + std::to_string(info.index);
});

TEST(BadInputDoc, IsRenderedFromTheTable) {
  std::ifstream file(CANDELOR_SOURCE_DIR "/docs/bad-input.md", std::ios::binary);
  ASSERT_TRUE(file) << "docs/bad-input.md is missing: build the bad-input-doc target";
  std::stringstream content;
  content << file.rdbuf();
  EXPECT_EQ(content.str(), RenderBadInputDoc())
      << "docs/bad-input.md is out of date: build the bad-input-doc target";
}

}  // namespace
}  // namespace candelor
