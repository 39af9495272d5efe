// A Qt test that misbehaves only when `./dev check-test-command` asks it to, so that the test
// command's handling of a failed, crashed, hung or cut-short Qt run stays proven.
#include <QTest>
#include <chrono>
#include <cstdlib>
#include <string>
#include <thread>

#include "qt_test_list.h"

namespace porvan::testing {
namespace {

class TestCommandCheck : public QObject {
  Q_OBJECT

 private slots:
  void MisbehavesOnlyWhenAsked() {
    const char* asked = std::getenv("PORVAN_TEST_SABOTAGE");
    const std::string mode = asked != nullptr ? asked : "";
    if (mode == "crash") {
      std::abort();
    }
    if (mode == "quit") {
      std::_Exit(0);  // ends the run before any summary, with a success code
    }
    if (mode == "hang") {
      for (;;) {
        std::this_thread::sleep_for(std::chrono::seconds(1));
      }
    }
    QVERIFY2(mode != "fail", "failing on purpose");
    QVERIFY2(mode.empty(), "unknown PORVAN_TEST_SABOTAGE");
  }
};

const TQtTestList::TEntry kEntry{[] { return std::make_unique<TestCommandCheck>(); }};

}  // namespace
}  // namespace porvan::testing

#include "test_command_check_test.moc"
