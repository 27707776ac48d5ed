#pragma once

// The main window of the calculator. It draws the controls and forwards their events to the
// Calculator, which works on the window only through the Form port implemented here:
//
//   key or mouse event -> BoxEdit / button / option -> Calculator handler
//   text written (by the user or by the logic) -> textChanged -> commit, nested and synchronous
//   QTimer tick -> Calculator::TimerFired -> reads the texts, solves, writes the results back
//
// The window adds no calculation of its own.

#include <QElapsedTimer>
#include <QIcon>
#include <QMainWindow>
#include <QMargins>
#include <QPointer>
#include <QTimer>
#include <array>
#include <functional>
#include <optional>
#include <string>

#include "core/form.h"
#include "core/tick_schedule.h"
#include "ui/calculator.h"
#include "ui/qt/widgets.h"

class QAbstractButton;
class QDialog;
class QMenu;
class QRadioButton;

namespace candelor::qt {

class Voice;
class PlanWindow;

// The application icon, decoded once and kept by the application for every window and message
// box.
QIcon ApplicationIcon();

class MainWindow : public QMainWindow, public Form {
 public:
  explicit MainWindow(QWidget* parent = nullptr);
  ~MainWindow() override;

  // Start-up after the window is shown: start values and the first ticker.
  void Start();

  // Texts the About window shows, set once at start-up.
  QString Program;
  QString Version;
  QString Copyrt;

  // The control a widget of this window shows, if it shows one.
  std::optional<Control> ControlOf(const QObject* o) const;
  // The widget that shows a control, for tests and the information windows.
  QWidget* widget(Control c) const { return widgets_[static_cast<int>(c)]; }
  // The logic behind the window, for the benchmarks that time its ticks.
  Calculator& calculator() { return calc_; }

  // The port.
  std::string Text(Control c) const override;
  void SetText(Control c, std::string_view text) override;
  Selection GetSelection(Control c) const override;
  void Select(Control c, int start, int length) override;
  void Focus(Control c) override;
  Control Focused() const override;
  void SetAlignment(Control c, Alignment a) override;
  void StartTimer(Timer t) override;
  void StopTimer(Timer t) override;
  bool IsTimerRunning(Timer t) const override;
  MessageAnswer ShowMessage(const Message& m) override;
  bool PutOnClipboard(std::string_view text) override;
  LocalDateTime Now() const override;
  std::string LocaleDate(const LocalDateTime& t) const override;
  std::string LocaleTime(const LocalDateTime& t) const override;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void moveEvent(QMoveEvent* event) override;

 private:
  void BuildControls();
  void BuildMenus();
  void Register(Control c, QWidget* w);
  // Qt's accessible interface of the boxes, installed before any control exists.
  static void InstallAccessibleFactory();
  // Something a tick, the screen reader or the room plan reads changed (a box, if named).
  void NoteChange(Control written = Control::Background);
  void EndProgram();
  void FixSize();  // the window keeps the size of its client area and menu bar
  void Centre();
  void CentreAgainIfFramed();
  // A control of this window received the keyboard focus.
  void FocusArrived(Control c);

  static constexpr int kClientWidth = 443;   // 6645 twips
  static constexpr int kClientHeight = 279;  // 4185 twips

  std::array<QWidget*, kControlCount> widgets_{};
  std::array<SpinArrows*, kInputBoxes.size()> spins_{};  // by the box's place in kInputBoxes
  std::array<QTimer, 4> timers_;
  // The two solving tickers wake the process only while something a tick reads may have
  // changed; an untouched window sleeps.
  void TickMayChange();
  void ArmTick(Timer t);
  void ArmMinute();
  TickSchedule schedule_;
  QElapsedTimer clock_;
  QTimer minute_;  // the clock line's next minute
  void OpenModeless(QPointer<QDialog>& slot, const std::function<QDialog*()>& create);
  void OpenAbout();
  void OpenPlan();
  // The catalogue menus' entries, built when the menu is first opened.
  void AddLampFamily(QMenu* parent, const LampFamily& family);
  void AddLevelGroup(QMenu* parent, const LevelGroup& group);
  void SayOnClosing(QMenu* submenu, QMenu* parent);
  void OpenDisclaimerFromAbout();

  Control focused_ = Control::Background;  // the control the logic was last told has the focus
  Control pressed_ = Control::Background;  // the term a mouse button went down on
  Voice* voice_ = nullptr;                 // what a screen reader hears
  QElapsedTimer shown_;                    // since start-up, while a window manager frames us
  QMargins centredFrame_;                  // the frame the window was last centred with
  QTimer framing_;                         // looks at the frame while the window is new
  QPointer<QDialog> howto_;
  QPointer<QDialog> disclaimer_;
  QPointer<PlanWindow> plan_;  // only while the room plan is open
  Calculator calc_{*this};
  // The context of every connection from the controls to the calculator: destroyed first of
  // all members, it ends them before anything they reach goes.
  QObject alive_;
};

}  // namespace candelor::qt
