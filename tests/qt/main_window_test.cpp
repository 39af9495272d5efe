// The main window's view: its controls' captions and places, the tab order, lower case and
// Enter in the domain box, and each button's road into the form logic.
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>
#include <vector>

#include "common/code_page.h"
#include "common/notice.h"
#include "qt/main_window.h"
#include "qt_test_list.h"
#include "view_test_support.h"

namespace porvan::testing {
namespace {

class MainWindowTest : public QObject {
  Q_OBJECT

 private:
  // The window over the fake seams; each dialog a button opens is recorded, not shown.
  struct TMain {
    TViewFixture seams;
    std::vector<TDialogKind> opened;
    TMainWindow window{seams.fake.Platform, Recording()};

    TDialogTable Recording() {
      TDialogTable table;
      for (TDialogKind kind :
           {TDialogKind::Init, TDialogKind::Config, TDialogKind::About, TDialogKind::UpdateAlert}) {
        table[kind] = [this, kind](QWidget* /*owner*/) {
          opened.push_back(kind);
          return 0;
        };
      }
      return table;
    }
  };

 private slots:
  void CaptionSizeAndPlaces() {
    TMain main;
    QCOMPARE(main.window.windowTitle(), U(kApplicationTitle));
    QCOMPARE(main.window.size(), QSize(426, 144));
    QCOMPARE(main.window.minimumSize(), main.window.maximumSize());
    struct {
      const char* caption;
      QRect place;
      bool visible;
    } const cases[] = {
        {.caption = "설정", .place = {277, 107, 51, 24}, .visible = true},
        {.caption = "종료", .place = {351, 107, 52, 24}, .visible = true},
        {.caption = "FTP 실행", .place = {18, 96, 114, 35}, .visible = true},
        {.caption = "SSH 실행", .place = {145, 96, 114, 35}, .visible = true},
        {.caption = "fUrl", .place = {99, 15, 158, 24}, .visible = true},
        {.caption = "?", .place = {404, 4, 17, 22}, .visible = true},
        {.caption = "접속주소(URL) :", .place = {13, 18, 78, 19}, .visible = true},
        {.caption = "Your IP Addr. :", .place = {13, 53, 78, 16}, .visible = true},
        {.caption = "fClientIP", .place = {107, 54, 135, 14}, .visible = true},
        {.caption = "연결상태", .place = {272, 15, 139, 78}, .visible = true},
        {.caption = "FTP Closed", .place = {286, 36, 111, 24}, .visible = true},
        {.caption = "FTP Opened", .place = {286, 36, 111, 24}, .visible = false},
        {.caption = "SSH Closed", .place = {286, 64, 111, 24}, .visible = true},
        {.caption = "SSH Opened", .place = {286, 64, 111, 24}, .visible = false},
    };
    for (const auto& c : cases) {
      const QWidget* control = Find<QWidget>(main.window, U(c.caption));
      QVERIFY2(control != nullptr, c.caption);
      QVERIFY2(control->geometry() == c.place, c.caption);
      QVERIFY2(control->isVisibleTo(&main.window) == c.visible, c.caption);
    }
  }

  void TabOrderFollowsTheButtonsThenTheDomain() {
    TMain main;
    QCOMPARE(TabOrder(main.window),
             (QStringList{U("설정"), U("종료"), U("FTP 실행"), U("SSH 실행"), "fUrl", "?"}));
  }

  void DomainBoxTurnsTypingIntoLowerCase() {
    TMain main;
    auto* url = Find<QLineEdit>(main.window, "fUrl");
    QVERIFY(url != nullptr);
    QTest::keyClicks(url, "Demo.EXAMPLE-01");
    QCOMPARE(url->text(), QStringLiteral("demo.example-01"));
  }

  // Enter in the domain box is the FTP button: with no domain the form asks for one.
  void EnterAndTheExecuteButtonsAskForADomainFirst() {
    struct {
      const char* name;
      const char* control;
      bool enter;
    } const cases[] = {
        {.name = "Enter in the box", .control = "fUrl", .enter = true},
        {.name = "FTP button", .control = "FTP 실행", .enter = false},
        {.name = "SSH button", .control = "SSH 실행", .enter = false},
    };
    for (const auto& c : cases) {
      TMain main;
      QWidget* control = Find<QWidget>(main.window, U(c.control));
      QVERIFY2(control != nullptr, c.name);
      if (c.enter) {
        QTest::keyClick(control, Qt::Key_Return);
      } else {
        QTest::mouseClick(control, Qt::LeftButton);
      }
      const auto& shown = main.seams.fake.Messages.Shown;
      QVERIFY2(shown.size() == 1, c.name);
      QVERIFY2(shown[0].Text == Utf8ToCp949("접속할 URL을 입력 하세요"), c.name);
      QVERIFY2(main.seams.fake.Launcher.Opened.empty(), c.name);
    }
  }

  void ButtonsOpenTheirDialogs() {
    struct {
      const char* caption;
      TDialogKind kind;
    } const cases[] = {
        {.caption = "설정", .kind = TDialogKind::Config},
        {.caption = "?", .kind = TDialogKind::About},
    };
    for (const auto& c : cases) {
      TMain main;
      auto* button = Find<QAbstractButton>(main.window, U(c.caption));
      QVERIFY2(button != nullptr, c.caption);
      QTest::mouseClick(button, Qt::LeftButton);
      QVERIFY2(main.opened == std::vector<TDialogKind>{c.kind}, c.caption);
      // Enter on the focused button presses it too.
      button->setFocus();
      QTest::keyClick(button, Qt::Key_Return);
      QVERIFY2(main.opened.size() == 2, c.caption);
    }
  }

  // Without open access the close button ends the program without a question.
  void CloseButtonEndsTheWindow() {
    TMain main;
    main.window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&main.window));
    QTest::mouseClick(Find<QAbstractButton>(main.window, U("종료")), Qt::LeftButton);
    QVERIFY(main.window.Ended());
    QVERIFY(!main.window.isVisible());
    QVERIFY(main.seams.fake.Messages.Shown.empty());
  }
};

const TQtTestList::TEntry kEntry{[] { return std::make_unique<MainWindowTest>(); }};

}  // namespace
}  // namespace porvan::testing

#include "main_window_test.moc"
