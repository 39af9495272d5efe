// A Qt test that misbehaves only when `./dev check-test-command` asks it to, so that the test
// command's handling of a failed, crashed, hung or cut-short Qt run stays proven.
#include <QTest>
#include <string>

#include "qt_test_list.h"
#include "support/misbehave.h"

namespace porvan::testing {
namespace {

class TestCommandCheck : public QObject {
  Q_OBJECT

 private slots:
  void MisbehavesOnlyWhenAsked() {
    const std::string mode = MisbehaveAsAsked();
    QVERIFY2(mode != "fail", "failing on purpose");
    QVERIFY2(mode.empty(), "unknown PORVAN_TEST_SABOTAGE");
  }
};

const TQtTestList::TEntry kEntry{[] { return std::make_unique<TestCommandCheck>(); }};

}  // namespace
}  // namespace porvan::testing

#include "test_command_check_test.moc"
