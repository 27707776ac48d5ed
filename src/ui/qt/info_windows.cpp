#include "ui/qt/info_windows.h"
#include "ui/qt/twips.h"

#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QScreen>
#include <algorithm>
#include <utility>

#include "ui/info_texts.h"
#include "ui/placement.h"
#include "ui/qt/widgets.h"

namespace candelor::qt {
namespace {

// The texts keep their CR LF pairs; a label shows a line break for each pair.
QString Display(std::string_view s) {
  return FromUtf8(s).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

QLabel* AddLabel(QWidget* parent, const QString& text, QRect r, const QString& family,
                 double points, bool wrap = false) {
  auto* label = new QLabel(text, parent);
  label->setGeometry(r);
  QFont font(family);
  font.setPointSizeF(points);
  label->setFont(font);
  label->setWordWrap(wrap);
  label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  return label;
}

}  // namespace

InfoWindow::InfoWindow(QWidget* mainWindow, bool modal, const QString& title, int clientWidthTwips,
                       int clientHeightTwips)
    : QDialog(modal ? mainWindow : nullptr), main_(mainWindow) {
  setAttribute(Qt::WA_DeleteOnClose);
  setModal(modal);
  // A dialog without a parent is still transient for the whole program, kept above its windows;
  // a modeless one here is an ordinary window.
  if (!modal) setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
  setWindowTitle(title);
  setFixedSize(Px(clientWidthTwips), Px(clientHeightTwips));
  LetCompositorEnlarge(this);
  setWindowIcon(mainWindow->windowIcon());
}

void InfoWindow::AddOkButton(const QString& caption, QRect twips) {
  ok_ = new QPushButton(caption, this);
  ok_->setObjectName(QStringLiteral("Command3"));
  ok_->setGeometry(Twips(twips.x(), twips.y(), twips.width(), twips.height()));
  ok_->setAutoDefault(true);
  ok_->setDefault(true);
  connect(ok_, &QPushButton::clicked, this, &QDialog::close);
  ok_->setFocus();
}

void InfoWindow::PlaceOverMain() {
  if (!CanPlaceWindows()) return;  // the compositor places it, over the main window or not
  const QRect main = main_->frameGeometry();
  const QRect screen = main_->screen() ? main_->screen()->geometry() : QRect(0, 0, 1024, 768);
  // Not yet shown, this window has no frame; the window manager will give it one like the main
  // window's, and the outer size is what is centred.
  const QSize frame = main.size() - main_->size();
  auto twips = [](int px) { return px * 15.0; };
  const Placement p = CenterOverMain(
      {twips(main.left()), twips(main.top()), twips(main.width()), twips(main.height())},
      twips(width() + frame.width()), twips(height() + frame.height()), twips(screen.width()),
      twips(screen.height()));
  move(static_cast<int>(std::lround(p.left / 15.0)), static_cast<int>(std::lround(p.top / 15.0)));
}

void InfoWindow::mousePressEvent(QMouseEvent* e) {
  // A press on a text reaches here too (labels pass it on): only the background counts.
  pressedOnBackground_ = e->button() == Qt::LeftButton && !childAt(e->position().toPoint());
}

void InfoWindow::mouseReleaseEvent(QMouseEvent* e) {
  const QPoint at = e->position().toPoint();
  const bool click = std::exchange(pressedOnBackground_, false) && e->button() == Qt::LeftButton &&
                     rect().contains(at) && !childAt(at);
  if (click) close();
}

void InfoWindow::keyPressEvent(QKeyEvent* e) {
  // A key that reaches the window itself closes it; keys meant for its focused button do not.
  QWidget* focus = focusWidget();
  if (focus && focus != this) return QDialog::keyPressEvent(e);
  e->accept();
  close();
}

void InfoWindow::changeEvent(QEvent* e) {
  QDialog::changeEvent(e);
  if (e->type() == QEvent::ActivationChange && isActiveWindow() && ok_) ok_->setFocus();
}

InfoWindow* CreateHowto(QWidget* mainWindow) {
  auto* w = new InfoWindow(mainWindow, false, FromUtf8(kHowtoTitle), 6510, 5355);
  w->setObjectName(QStringLiteral("Howto"));
  QLabel* text = AddLabel(w, Display(kHowtoText), Twips(75, 120, 6300, 4695),
                          QStringLiteral("Arial"), 9, true);
  text->setObjectName(QStringLiteral("Label1"));
  // The text ends where its last line does: the space below it is background.
  text->setFixedHeight(std::min(text->height(), text->heightForWidth(text->width())));
  w->AddOkButton(QStringLiteral(" OK"), QRect(2760, 4920, 1095, 315));
  w->PlaceOverMain();
  return w;
}

InfoWindow* CreateDisclaimer(QWidget* mainWindow, bool modal) {
  // No title: a blank one, since the window system would show the application's name instead of
  // an empty title. Screen readers still need a name for the window.
  auto* w = new InfoWindow(mainWindow, modal, QStringLiteral(" "), 6120, 3255);
  w->setObjectName(QStringLiteral("Discl"));
  w->setAccessibleName(QStringLiteral("Disclaimer"));
  // Arial (Liberation Sans) stands in for MS Sans Serif, which Linux desktops lack.
  QLabel* heading = AddLabel(w, FromUtf8(kDisclaimerHeading), Twips(120, 120, 5835, 375),
                             QStringLiteral("Arial"), 12);
  heading->setObjectName(QStringLiteral("Label1"));
  QFont bold = heading->font();
  bold.setBold(true);
  heading->setFont(bold);
  heading->setStyleSheet(QStringLiteral("color: red;"));
  auto* rule = new QFrame(w);
  rule->setFrameShape(QFrame::HLine);
  rule->setFrameShadow(QFrame::Sunken);
  rule->setGeometry(0, Px(600), w->width(), 2);
  rule->setAttribute(Qt::WA_TransparentForMouseEvents);  // part of the background
  // Down to just above the button: Liberation Sans runs wider than the old bitmap font.
  AddLabel(w, Display(kDisclaimerText), QRect(Px(120), Px(840), Px(5835), Px(2760) - Px(840) - 2),
           QStringLiteral("Arial"), 7.5, true)
      ->setObjectName(QStringLiteral("Label2"));
  w->AddOkButton(QStringLiteral(" OK"), QRect(2400, 2760, 1095, 315));
  w->PlaceOverMain();
  return w;
}

InfoWindow* CreateAbout(QWidget* mainWindow, const QString& program, const QString& version,
                        const QString& notice, std::function<void()> readMe) {
  auto* w = new InfoWindow(mainWindow, true, QStringLiteral("About ") + program, 4725, 2850);
  w->setObjectName(QStringLiteral("About"));
  const QString arial = QStringLiteral("Arial");
  AddLabel(w, program, Twips(420, 48, 3804, 396), arial, 12)
      ->setObjectName(QStringLiteral("Lbl_Program"));
  AddLabel(w, version, Twips(420, 468, 3804, 240), arial, 7.5)
      ->setObjectName(QStringLiteral("Lbl_Version"));
  AddLabel(w, FromUtf8(kMakerLine), Twips(420, 756, 3804, 264), arial, 7.5);
  AddLabel(w, notice, Twips(420, 1008, 3804, 264), arial, 7.5)
      ->setObjectName(QStringLiteral("Lbl_Copyrt"));
  w->AddOkButton(QStringLiteral("OK"), QRect(420, 2352, 588, 312));
  auto* readMeButton = new QPushButton(QStringLiteral("Read Me"), w);
  readMeButton->setObjectName(QStringLiteral("Command2"));
  readMeButton->setGeometry(Twips(3360, 2352, 936, 312));
  readMeButton->setAutoDefault(true);  // Enter presses it when it has the focus
  QObject::connect(readMeButton, &QPushButton::clicked, w, [readMe] { readMe(); });
  w->PlaceOverMain();
  return w;
}

}  // namespace candelor::qt
