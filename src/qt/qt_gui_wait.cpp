// The wait seam on the Linux client: the exchange on the worker, a nested event loop meanwhile.
#include "qt/qt_gui_wait.h"

#include <QCoreApplication>
#include <QEvent>
#include <QEventLoop>
#include <QGuiApplication>
#include <QTimer>
#include <utility>

#include "qt/window_host.h"

namespace porvan {
namespace {

// Presses, clicks and keys: what could start a second road while an exchange is out.
bool IsUserInput(QEvent::Type type) {
  switch (type) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::ShortcutOverride:
    case QEvent::Shortcut:
    case QEvent::Wheel:
    case QEvent::ContextMenu:
    case QEvent::TouchBegin:
    case QEvent::TouchUpdate:
    case QEvent::TouchEnd:
      return true;
    default:
      return false;
  }
}

}  // namespace

TQtGuiWait::TQtGuiWait() {
  cursorTimer_.setSingleShot(true);
  cursorTimer_.setInterval(kWaitCursorAfter);
  connect(&cursorTimer_, &QTimer::timeout, this, [this] {
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    cursorShown_ = true;
  });
  if (QCoreApplication* application = QCoreApplication::instance()) {
    application->installEventFilter(this);
  }
}

TQtGuiWait::~TQtGuiWait() {
  if (QCoreApplication* application = QCoreApplication::instance()) {
    application->removeEventFilter(this);
  }
}

void TQtGuiWait::Run(const std::function<void()>& exchange) {
  if (waiting_) {
    exchange();
    return;
  }
  QEventLoop loop;
  // Posted to the loop's thread, the one way that is safe from the worker; the queue owns the
  // event, and drops it if the loop is gone first.
  const auto wake = [&loop] { QCoreApplication::postEvent(&loop, new QEvent(QEvent::Quit)); };
  if (!worker_.Start(exchange, wake)) {
    // Without a worker the exchange blocks, as it always did; it still gets done.
    exchange();
    return;
  }
  waiting_ = true;
  cursorTimer_.start();
  // Input that comes meanwhile is dropped by the filter, as on Windows: kept for after the
  // wait, an impatient second press would run its road a second time.
  loop.exec();
  cursorTimer_.stop();
  if (std::exchange(cursorShown_, false)) {
    QGuiApplication::restoreOverrideCursor();
  }
  waiting_ = false;
  ReleaseHeld();
  // The loop also ends early when the application exits; the exchange uses the caller's
  // objects, so nothing leaves here before it has returned.
  worker_.Finish();
}

void TQtGuiWait::WhenIdle(std::function<void()> action) {
  if (waiting_) {
    actionsHeld_.push_back(std::move(action));
  } else {
    action();
  }
}

bool TQtGuiWait::eventFilter(QObject* watched, QEvent* event) {
  if (!waiting_) {
    return false;
  }
  if (IsUserInput(event->type())) {
    return true;
  }
  if (event->type() == QEvent::Close) {
    auto* window = qobject_cast<QWidget*>(watched);
    if (window != nullptr && window->isWindow()) {
      event->ignore();
      closesHeld_.emplace_back(window);
      return true;
    }
  } else if (event->type() == QEvent::Quit && watched == QCoreApplication::instance()) {
    quitHeld_ = true;
    return true;
  }
  return false;
}

void TQtGuiWait::ReleaseHeld() {
  // Posted in their order, so they come once the caller of the exchange has gone on.
  for (const QPointer<QWidget>& window : std::exchange(closesHeld_, {})) {
    Post(*this, [window] {
      if (window != nullptr) {
        window->close();
      }
    });
  }
  for (const std::function<void()>& action : std::exchange(actionsHeld_, {})) {
    Post(*this, action);
  }
  if (std::exchange(quitHeld_, false)) {
    Post(*this, [] { QCoreApplication::quit(); });
  }
}

}  // namespace porvan
