// Runs every Qt test class on the offscreen platform; any failure fails the run.
#include <QApplication>
#include <QTest>

#include "qt_test_list.h"

int main(int argc, char** argv) {
  // The views are tested without a display: the offscreen platform draws into memory.
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication application(argc, argv);
  application.setQuitOnLastWindowClosed(false);
  int failed = 0;
  for (const auto& make : porvan::testing::TQtTestList::Makers()) {
    const std::unique_ptr<QObject> test = make();
    failed += QTest::qExec(test.get(), argc, argv);
  }
  return failed == 0 ? 0 : 1;
}
