#include "support/harness.h"

#include <gtest/gtest.h>

namespace candelor {
namespace {

using testing::Harness;

// Found by the fuzzer: the harness let keys edit a label that had been given the focus, which
// no user can do; the invariants then saw a ratio label without text.
TEST(Harness, KeysInAControlThatIsNoTextBoxEditNothing) {
  Harness h;
  h.FocusBox(Control::RCR);
  h.SelectAllOf(Control::RCR);
  h.Delete();
  h.Backspace();
  h.Type("5");
  h.Paste("7");
  EXPECT_EQ(h.Text(Control::RCR), "6");
}

}  // namespace
}  // namespace candelor
