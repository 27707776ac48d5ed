#pragma once

#include <string>
#include <string_view>
#include <utility>

#include "core/calc_state.h"
#include "core/form.h"
#include "core/text.h"

namespace candelor {

// What every handler works with: the window (through the port) and the calculation state the
// window owns. One per main window; tests build their own.
class Session {
 public:
  explicit Session(Form& form) : form(form) {}
  Session(const Session&) = delete;
  Session& operator=(const Session&) = delete;

  Form& form;
  CalcState state;

  std::string Read(Control c) const { return form.Text(c); }

  // Writes a text; for a box this runs its commit before returning.
  void Write(Control c, std::string_view text) { form.SetText(c, text); }

  // Selects a box's whole text, so that the next keystroke replaces it.
  void SelectAll(Control c) { form.Select(c, 0, TextLength(form.Text(c))); }

  // Puts a hint into the status panel; "  " clears it.
  void ShowHint(std::string_view text) { form.SetText(Control::Stat, text); }

  // Shows a modal message; while it is open no tick starts.
  MessageAnswer Ask(const Message& m) {
    ++openMessages_;
    const Message* outer = std::exchange(openMessage_, &m);
    MessageAnswer answer = form.ShowMessage(m);
    openMessage_ = outer;
    --openMessages_;
    return answer;
  }
  bool MessageOpen() const { return openMessages_ > 0; }
  // The message waiting for an answer, if any (the innermost one).
  const Message* OpenMessage() const { return openMessage_; }

 private:
  int openMessages_ = 0;
  const Message* openMessage_ = nullptr;
};

}  // namespace candelor
