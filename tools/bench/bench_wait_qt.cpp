// Benchmark: the Linux client's wait (TQtGuiWait) around an open request, its loop turning.
#include <QApplication>

#include "common/exchange_worker.h"
#include "qt/qt_gui_wait.h"
#include "waited_round_trips.h"

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  porvan::TQtGuiWait wait;
  porvan::TExchangeWorker worker;
  const std::function<void()> nothing = [] {};
  const auto handOff = [&] {
    if (worker.Start(nothing)) {
      worker.Finish();
    }
  };
  return porvan::bench::RunWaitBench({wait, handOff, "linux"}, argc, argv);
}
