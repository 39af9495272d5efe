// The Linux client's wait: the exchange on a worker while the loop turns, and what comes
// meanwhile (closes, quits, queued actions) after it, in order.
#include <QGuiApplication>
#include <QPushButton>
#include <QTest>
#include <QThread>
#include <QTimer>
#include <QWidget>
#include <atomic>
#include <chrono>
#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

#include "qt/qt_gui_wait.h"
#include "qt/window_host.h"
#include "qt_test_list.h"

namespace porvan::testing {
namespace {

using namespace std::chrono_literals;

// Waits on the worker until `ready` holds, at most two seconds: a wait that blocked the loop
// would end here with `ready` still false.
bool WaitFor(const std::atomic<bool>& ready) {
  for (int i = 0; i < 2000 && !ready; ++i) {
    std::this_thread::sleep_for(1ms);
  }
  return ready;
}

class GuiWaitTest : public QObject {
  Q_OBJECT

 private slots:
  void TurnsTheLoopWhileTheExchangeRunsOnAWorker() {
    TQtGuiWait wait;
    std::atomic<int> turns{0};
    std::atomic<bool> turned{false};
    bool waitingInTurn = false;
    bool waitCursorInTurn = false;
    QTimer ticker;
    QObject::connect(&ticker, &QTimer::timeout, [&] {
      waitingInTurn = wait.Waiting();
      const QCursor* cursor = QGuiApplication::overrideCursor();
      waitCursorInTurn = cursor != nullptr && cursor->shape() == Qt::WaitCursor;
      // The wait cursor comes once the wait has lasted a moment.
      turned = ++turns >= 3 && waitCursorInTurn;
    });
    ticker.start(5);
    const std::thread::id gui = std::this_thread::get_id();
    std::thread::id worker;
    bool sawTurns = false;
    wait.Run([&] {
      worker = std::this_thread::get_id();
      sawTurns = WaitFor(turned);
    });
    ticker.stop();
    QVERIFY(sawTurns);
    QVERIFY(worker != std::thread::id() && worker != gui);
    QVERIFY(waitingInTurn);
    QVERIFY(waitCursorInTurn);
    QVERIFY(!wait.Waiting());
    QCOMPARE(QGuiApplication::overrideCursor(), nullptr);

    // The same worker serves the next exchange, and what it wrote is the caller's to read once
    // Run returns.
    std::thread::id second;
    std::string written;
    wait.Run([&] {
      second = std::this_thread::get_id();
      written = "reply";
    });
    QVERIFY(second == worker);
    QCOMPARE(written, std::string("reply"));
  }

  void RethrowsTheExchangesErrorOnTheCallersThread() {
    TQtGuiWait wait;
    QVERIFY_THROWS_EXCEPTION(std::runtime_error,
                             wait.Run([] { throw std::runtime_error("exchange failed"); }));
    QVERIFY(!wait.Waiting());
    QCOMPARE(QGuiApplication::overrideCursor(), nullptr);
  }

  // A close and queued actions that come during the wait happen after the caller has gone on,
  // in the order they came; a Run inside the wait runs where it is called.
  void HoldsClosesAndActionsUntilTheExchangeEnds() {
    TQtGuiWait wait;
    QWidget window;
    window.show();
    std::vector<std::string> order;
    std::atomic<bool> asked{false};
    QThread* nestedThread = nullptr;
    Post(window, [&] {
      window.close();
      order.emplace_back(window.isVisible() ? "close held" : "closed during the wait");
      wait.WhenIdle([&] { order.emplace_back("first action"); });
      wait.WhenIdle([&] { order.emplace_back("second action"); });
      wait.Run([&] { nestedThread = QThread::currentThread(); });
      asked = true;
    });
    bool sawAsked = false;
    wait.Run([&] { sawAsked = WaitFor(asked); });
    order.emplace_back("exchange returned");
    QVERIFY(sawAsked);
    QCOMPARE(nestedThread, QThread::currentThread());
    QVERIFY(window.isVisible());
    QTRY_VERIFY(!window.isVisible());
    QTRY_COMPARE(order.size(), std::size_t{4});
    const std::vector<std::string> expected = {"close held", "exchange returned", "first action",
                                               "second action"};
    QCOMPARE(order, expected);

    // Outside a wait an action runs at once.
    bool ran = false;
    wait.WhenIdle([&ran] { ran = true; });
    QVERIFY(ran);
  }

  // Clicks and keys that come during the wait are dropped, not kept for after it: a second
  // press would run its road again.
  void DropsPressesAndKeysThatComeDuringTheWait() {
    TQtGuiWait wait;
    QWidget window;
    QPushButton button("FTP", &window);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    button.setFocus();
    int clicks = 0;
    QObject::connect(&button, &QPushButton::clicked, [&clicks] { ++clicks; });
    std::atomic<bool> pressed{false};
    Post(window, [&] {
      QTest::mouseClick(&button, Qt::LeftButton);
      QTest::keyClick(&button, Qt::Key_Space);
      pressed = true;
    });
    bool sawPressed = false;
    wait.Run([&] { sawPressed = WaitFor(pressed); });
    QVERIFY(sawPressed);
    QCoreApplication::processEvents();
    QTest::qWait(50);
    QCOMPARE(clicks, 0);

    // After the wait the same button answers again.
    QTest::mouseClick(&button, Qt::LeftButton);
    QCOMPARE(clicks, 1);
  }
};

const TQtTestList::TEntry kEntry{[] { return std::make_unique<GuiWaitTest>(); }};

}  // namespace
}  // namespace porvan::testing

#include "gui_wait_test.moc"
