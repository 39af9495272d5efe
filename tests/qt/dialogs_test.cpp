// The four dialogs' views: caption, size and frame, controls and places, tab order, and the
// roads of their keys and buttons to a modal result.
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QTest>

#include "common/code_page.h"
#include "common/notice.h"
#include "platform/dialog_controls.h"
#include "qt/about_window.h"
#include "qt/config_window.h"
#include "qt/init_window.h"
#include "qt/update_alert_window.h"
#include "qt_test_list.h"
#include "update/update_alert.h"
#include "view_test_support.h"

namespace porvan::testing {
namespace {

struct TPlace {
  const char* caption;
  QRect place;
};

// Each control with `caption` is at its place.
bool AllInPlace(QWidget& window, std::initializer_list<TPlace> places) {
  for (const TPlace& p : places) {
    const QWidget* control = Find<QWidget>(window, U(p.caption));
    if (control == nullptr || control->geometry() != p.place) {
      qWarning("%s is missing or out of place", p.caption);
      return false;
    }
  }
  return true;
}

// Presses a key in the dialog's focused control and gives the dialog's result.
int ResultAfterKey(QDialog& dialog, Qt::Key key) {
  dialog.show();
  QWidget* focus = dialog.focusWidget() != nullptr ? dialog.focusWidget() : &dialog;
  QTest::keyClick(focus, key);
  return dialog.result();
}

class DialogsTest : public QObject {
  Q_OBJECT

 private slots:
  void SplashIsAFramelessLabel() {
    TViewFixture seams;
    TInitWindow splash(seams.fake.Platform, nullptr);
    QCOMPARE(splash.size(), QSize(222, 70));
    QVERIFY(splash.windowFlags().testFlag(Qt::FramelessWindowHint));
    QVERIFY(AllInPlace(splash, {{"포반 연결상태 체크중...", {0, 0, 222, 70}}}));
  }

  void UpdateAlertTextsPlacesAndButtons() {
    struct {
      const char* name;
      const char* button;  // pressed, or null for Escape
      int result;
    } const cases[] = {
        {.name = "skip", .button = kUpdateAlertSkipText, .result = kUpdateAlertSkip},
        {.name = "quit", .button = kUpdateAlertQuitText, .result = kUpdateAlertQuit},
        {.name = "Escape is quit", .button = nullptr, .result = kUpdateAlertQuit},
    };
    for (const auto& c : cases) {
      TViewFixture seams;
      TUpdateAlertWindow alert(seams.fake.Platform, "http://127.0.0.1:1/setup.deb", nullptr);
      QCOMPARE(alert.windowTitle(), U(kUpdateAlertCaption));
      QCOMPARE(alert.size(), QSize(497, 145));
      QVERIFY(!alert.windowFlags().testFlag(Qt::WindowCloseButtonHint));
      QVERIFY(AllInPlace(alert, {{kUpdateAlertLabel1, {15, 16, 265, 12}},
                                 {kUpdateAlertLabel2, {16, 46, 464, 12}},
                                 {"DownloadProgress", {15, 75, 463, 18}},
                                 {kUpdateAlertRunText, {45, 108, 129, 25}},
                                 {kUpdateAlertQuitText, {185, 108, 129, 25}},
                                 {kUpdateAlertSkipText, {325, 108, 129, 25}}}));
      QVERIFY(!Find<QProgressBar>(alert, "DownloadProgress")->isVisibleTo(&alert));
      QCOMPARE(TabOrder(alert), (QStringList{U(kUpdateAlertRunText), U(kUpdateAlertQuitText),
                                             U(kUpdateAlertSkipText)}));
      const int result =
          c.button != nullptr
              ? (QTest::mouseClick(Find<QAbstractButton>(alert, U(c.button)), Qt::LeftButton),
                 alert.result())
              : ResultAfterKey(alert, Qt::Key_Escape);
      QVERIFY2(result == c.result, c.name);
    }
  }

  void ConfigDialogControlsAndTabOrder() {
    TViewFixture seams;
    TConfigWindow config(seams.fake.Platform, nullptr);
    QCOMPARE(config.windowTitle(), U("프로그램 실행 환경 설정"));
    QCOMPARE(config.size(), QSize(477, 388));
    QVERIFY(AllInPlace(config, {{"FTP 접속 프로그램 설정", {10, 18, 200, 12}},
                                {"fFTPPath", {10, 38, 429, 20}},
                                {"SSH 접속 프로그램 설정", {10, 70, 200, 12}},
                                {"fSSHPath", {10, 90, 429, 20}},
                                {"확 인", {134, 351, 95, 25}},
                                {"취 소", {238, 351, 95, 25}},
                                {" 바로가기 ", {12, 126, 447, 209}},
                                {"바로가기 도메인 : ", {28, 238, 100, 12}},
                                {"fUrl", {131, 231, 195, 24}},
                                {"fClientType", {200, 262, 75, 20}},
                                {"isMinimize", {223, 291, 16, 17}},
                                {"바로가기생성", {347, 230, 91, 81}}}));
    QCOMPARE(TabOrder(config), (QStringList{"fFTPPath", "fSSHPath", U("확 인"), U("취 소"), "fUrl",
                                            "fClientType", "isMinimize", U("바로가기생성")}));
    const auto* types = Find<QComboBox>(config, "fClientType");
    QCOMPARE(types->count(), 3);
    QCOMPARE(types->itemText(0), U("실행안함"));
    QCOMPARE(types->currentText(), QStringLiteral("FTP"));
    // The paths come from the settings as the dialog opens.
    QCOMPARE(Find<QLineEdit>(config, "fFTPPath")->text(), U(".\\FileZilla\\filezilla.exe"));
    auto* url = Find<QLineEdit>(config, "fUrl");
    QTest::keyClicks(url, "MyHost.Example");
    QCOMPARE(url->text(), QStringLiteral("myhost.example"));
  }

  void ConfigDialogButtonsAndEscape() {
    struct {
      const char* name;
      const char* button;  // pressed, or null for Escape
      int result;
      const char* storedPath;  // the FTP path in the settings file afterwards
    } const cases[] = {
        {.name = "OK stores",
         .button = "확 인",
         .result = kModalResultOk,
         .storedPath = "/opt/ftp"},
        {.name = "Cancel keeps",
         .button = "취 소",
         .result = kModalResultCancel,
         .storedPath = ".\\FileZilla\\filezilla.exe"},
        {.name = "Escape is Cancel",
         .button = nullptr,
         .result = kModalResultCancel,
         .storedPath = ".\\FileZilla\\filezilla.exe"},
    };
    for (const auto& c : cases) {
      TViewFixture seams;
      TConfigWindow config(seams.fake.Platform, nullptr);
      Find<QLineEdit>(config, "fFTPPath")->setText("/opt/ftp");
      const int result =
          c.button != nullptr
              ? (QTest::mouseClick(Find<QAbstractButton>(config, U(c.button)), Qt::LeftButton),
                 config.result())
              : ResultAfterKey(config, Qt::Key_Escape);
      QVERIFY2(result == c.result, c.name);
      QVERIFY2(SysVar->ReadConfig("FTPPath") == c.storedPath, c.name);
    }
  }

  void AboutBoxShowsVersionHistoryAndLink() {
    TViewFixture seams;
    seams.fake.Files.Files["C:\\Porvan\\history.txt"] = "1.5.0.0\r\n\xB0\xA1\r\n";  // 가
    TAboutWindow about(seams.fake.Platform, nullptr);
    QCOMPARE(about.windowTitle(), U("Porvan 접근통제 시스템에 대하여"));
    QCOMPARE(about.size(), QSize(410, 296));
    QVERIFY(!about.windowFlags().testFlag(Qt::WindowCloseButtonHint));
    QVERIFY(AllInPlace(about, {{"닫기", {148, 257, 93, 25}},
                               {"Memo1", {12, 140, 383, 89}},
                               {"Porvan 란 ?", {10, 12, 200, 12}},
                               {kWebAddress, {10, 86, 150, 13}},
                               {"Client Version :", {10, 114, 90, 12}},
                               {"lblVersionInfo", {103, 114, 120, 12}}}));
    QCOMPARE(TabOrder(about), (QStringList{U("닫기"), "Memo1"}));
    QCOMPARE(Find<QLabel>(about, "lblVersionInfo")->text(), QStringLiteral("1.5.0.0"));
    QCOMPARE(Find<QPlainTextEdit>(about, "Memo1")->toPlainText(), U("1.5.0.0\n가\n"));

    QTest::mouseClick(Find<QLabel>(about, kWebAddress), Qt::LeftButton);
    QCOMPARE(seams.fake.Urls.Opened, std::vector<std::string>{kWebAddress});
    QCOMPARE(ResultAfterKey(about, Qt::Key_Escape), kModalResultCancel);
  }
};

const TQtTestList::TEntry kEntry{[] { return std::make_unique<DialogsTest>(); }};

}  // namespace
}  // namespace porvan::testing

#include "dialogs_test.moc"
