#pragma once

#include <QDialog>
#include <QTimer>
#include <array>

#include "core/plan.h"

class QLabel;
class QSpinBox;

namespace candelor::qt {

class Announcer;

// The room drawn to scale: its outline with length and width, a symbol at the centre of each
// cell of the grid, and dimension lines for the spacings and the distances to the walls. Colours
// come from the palette, so a dark theme reads as well as a light one.
class PlanDrawing : public QWidget {
 public:
  explicit PlanDrawing(QWidget* parent);
  void Show(const RoomPlan& plan);

 protected:
  void paintEvent(QPaintEvent* e) override;

 private:
  RoomPlan plan_;
};

// The modeless "Room Plan" window: the drawing, the figures beside it and the number of rows.
// It follows the main window's texts whenever Refresh is called and repaints only what changed.
class PlanWindow : public QDialog {
 public:
  // `mainSettling` runs while the main window is about to announce: the plan waits for it.
  PlanWindow(const Session& session, const QTimer& mainSettling);

  // Something the plan reads may have changed; the plan is worked out once events are done.
  void Refresh();

 protected:
  void keyPressEvent(QKeyEvent* e) override;

 private:
  void Update();
  void Speak();

  const Session& session_;
  const QTimer& mainSettling_;
  PlanView view_;
  RoomPlan shown_;
  PlanDrawing* drawing_;
  std::array<QLabel*, 6> figures_{};
  QSpinBox* rows_;
  Announcer* announcer_;
  QTimer pending_;  // coalesces the writes of one tick into one update
  QTimer settle_;   // half a second of calm before a change is spoken
};

}  // namespace candelor::qt
