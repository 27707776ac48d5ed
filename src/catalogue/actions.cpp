#include "catalogue/actions.h"

#include "core/driver.h"
#include "core/text.h"
#include "core/texts.h"

namespace candelor {

void LampFamilyOpened(Session& s, const LampFamily& family) {
  if (!family.familyLld) return;
  s.state.LLD = *family.familyLld;
  s.Write(Control::LLD, SingleText(*family.familyLld));
}

void LampEntryChosen(Session& s, const LampEntry& entry) {
  if (!entry.lumens) return;  // a lamp without a catalogue value changes nothing
  s.state.LL = *entry.lumens;
  s.Write(Control::LL, IntegerText(*entry.lumens));
  StartDeferredFocus(s);
  if (entry.lld) {
    s.state.LLD = *entry.lld;
    s.Write(Control::LLD, SingleText(*entry.lld));
  }
}

void LampReadMeChosen(Session& s) {
  s.form.StopTimer(Timer::Timer4);
  s.Ask(LampReadMeMessage());
}

void LevelChosen(Session& s, const RecommendedLevel& level) {
  const float value = ToSingle(static_cast<double>(level.footCandles) * s.state.LevelFactor());
  s.state.LLV = value;
  s.Write(Control::LLV, SingleText(value));
  if (level.advice) s.Ask(LevelAdviceMessage());
  StartDeferredFocus(s);
}

}  // namespace candelor
