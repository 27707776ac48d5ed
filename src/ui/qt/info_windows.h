#pragma once

#include <QDialog>
#include <functional>

class QPushButton;

namespace candelor::qt {

// A small window with fixed texts: created when opened, destroyed when closed, placed centred
// over the main window and kept on the screen. Its OK button holds the keyboard focus, so
// Enter and Space close it; a click on its background (not on its text) closes it too. A modal
// window belongs to the main window; a modeless one is a window of its own, which the main
// window may cover.
class InfoWindow : public QDialog {
 public:
  InfoWindow(QWidget* mainWindow, bool modal, const QString& title, int clientWidthTwips,
             int clientHeightTwips);

  QPushButton* okButton() const { return ok_; }

  // Centres the window over the main window (CenterOverMain) before it is shown.
  void PlaceOverMain();

  // The button that closes the window; it takes the focus whenever the window becomes active.
  void AddOkButton(const QString& caption, QRect twips);

 protected:
  void mousePressEvent(QMouseEvent* e) override;
  void mouseReleaseEvent(QMouseEvent* e) override;
  void keyPressEvent(QKeyEvent* e) override;
  void changeEvent(QEvent* e) override;

 private:
  QWidget* main_;
  QPushButton* ok_ = nullptr;
  bool pressedOnBackground_ = false;
};

// The six steps of use.
InfoWindow* CreateHowto(QWidget* mainWindow);
// The warranty disclaimer: modeless from the Help menu, modal from the About window.
InfoWindow* CreateDisclaimer(QWidget* mainWindow, bool modal);
// Program name, version, maker and notice; "Read Me" opens the disclaimer.
InfoWindow* CreateAbout(QWidget* mainWindow, const QString& program, const QString& version,
                        const QString& notice, std::function<void()> readMe);

}  // namespace candelor::qt
