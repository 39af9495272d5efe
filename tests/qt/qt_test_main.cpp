// Runs every Qt test class on the offscreen platform; any failure fails the run. With --list it
// names each test function instead, one a line, as the test command counts them.
#include <QApplication>
#include <QMetaMethod>
#include <QTest>
#include <QTimer>
#include <cstdio>
#include <cstring>

#include "qt_test_list.h"

namespace {

bool IsTestFunction(const QMetaMethod& method) {
  static const QByteArrayList kFixtures = {"initTestCase", "cleanupTestCase", "init", "cleanup"};
  return method.methodType() == QMetaMethod::Slot && method.access() == QMetaMethod::Private &&
         method.parameterCount() == 0 && !method.name().endsWith("_data") &&
         !kFixtures.contains(method.name());
}

void List(const QObject& test) {
  const QMetaObject& meta = *test.metaObject();
  for (int i = meta.methodOffset(); i < meta.methodCount(); ++i) {
    if (IsTestFunction(meta.method(i))) {
      std::printf("%s::%s()\n", meta.className(), meta.method(i).name().constData());
    }
  }
}

}  // namespace

int main(int argc, char** argv) {
  // The views are tested without a display: the offscreen platform draws into memory.
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication application(argc, argv);
  application.setQuitOnLastWindowClosed(false);
  const bool list = argc == 2 && std::strcmp(argv[1], "--list") == 0;
  int failed = 0;
  for (const auto& make : porvan::testing::TQtTestList::Makers()) {
    const std::unique_ptr<QObject> test = make();
    if (list) {
      List(*test);
      continue;
    }
    // A test that ends the program (the main window's close calls QCoreApplication::exit)
    // leaves the application quitting, and every later event loop would end at once; a turn of
    // the application's own loop starts each class afresh.
    QTimer::singleShot(0, &application, [] { QCoreApplication::exit(0); });
    QApplication::exec();
    failed += QTest::qExec(test.get(), argc, argv);
  }
  return failed == 0 ? 0 : 1;
}
