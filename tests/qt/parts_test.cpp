// The Qt parts under the views: the control adapters' conversions, the file filter, the key
// codes, and the quit channel with a hostile client.
#include <sys/stat.h>
#include <unistd.h>

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QLocalSocket>
#include <QMessageBox>
#include <QProgressBar>
#include <QSystemTrayIcon>
#include <QTest>
#include <QTimer>
#include <string>
#include <vector>

#include "qt/key_line_edit.h"
#include "qt/pictures.h"
#include "qt/qt_controls.h"
#include "qt/qt_message_box.h"
#include "qt/qt_open_file_dialog.h"
#include "qt/quit_channel.h"
#include "qt/window_host.h"
#include "qt_test_list.h"
#include "view_test_support.h"

namespace porvan::testing {
namespace {

class PartsTest : public QObject {
  Q_OBJECT

 private slots:
  void FiltersKeysAndTexts() {
    struct {
      const char* filter;
      QString qt;
    } const cases[] = {
        {.filter = "\xBD\xC7\xC7\xE0\xC6\xC4\xC0\xCF(*)|*", .qt = U("실행파일(*) (*)")},
        {.filter = "Programs(*.exe)|*.exe|All|*", .qt = "Programs(*.exe) (*.exe);;All (*)"},
        {.filter = "", .qt = ""},
        {.filter = "odd|", .qt = "odd ()"},
    };
    for (const auto& c : cases) {
      QCOMPARE(QtFilter(c.filter), c.qt);
    }
    QCOMPARE(VirtualKeyOf(Qt::Key_Return), 13);
    QCOMPARE(VirtualKeyOf(Qt::Key_Enter), 13);
    QCOMPARE(VirtualKeyOf(Qt::Key_Escape), 27);
    QCOMPARE(VirtualKeyOf(Qt::Key_A), 0);
  }

  // The bar shows the logic's text as it is; "%" is no placeholder there.
  void ProgressBarShowsTheTextItIsGiven() {
    QProgressBar bar;
    TQtProgressBar progress(bar);
    progress.SetProgress(37, 100);
    progress.SetText("37%");
    QCOMPARE(bar.value(), 37);
    QCOMPARE(bar.text(), QStringLiteral("37%"));
  }

  // The hint's CR line breaks become the tool tip's lines; the images follow the index.
  void TrayIconTakesHintAndImages() {
    QSystemTrayIcon icon;
    TQtTrayIcon tray(icon, {TrayTile(0), TrayTile(1)});
    tray.SetHint("Porvan\rLocalIP :127.0.0.1\r\xB0\xA1");
    QCOMPARE(icon.toolTip(), U("Porvan\nLocalIP :127.0.0.1\n가"));
    tray.SetImageIndex(1);
    const QImage open = icon.icon().pixmap(16, 16).toImage();
    tray.SetImageIndex(0);
    const QImage closed = icon.icon().pixmap(16, 16).toImage();
    QVERIFY(open != closed);
    tray.SetImageIndex(7);  // out of range: left as it was
    QCOMPARE(icon.icon().pixmap(16, 16).toImage(), closed);
  }

  // The server's replies reach a label (the address), the tray's hint and the notices: text
  // that looks like markup is shown as written there, not drawn as markup.
  void ServerTextIsShownAsWrittenNeverAsMarkup() {
    const std::string hostile = "<b>198.51.100.4</b><img src=\"/etc/hosts\"><a href=x>y</a>";
    QLabel label;
    TQtLabel(label).SetText(hostile);
    QCOMPARE(label.textFormat(), Qt::PlainText);
    QCOMPARE(label.text(), QString::fromStdString(hostile));

    QSystemTrayIcon icon;
    TQtTrayIcon tray(icon, {TrayTile(0), TrayTile(1)});
    tray.SetHint("Porvan\rLocalIP :" + hostile);
    QVERIFY(!icon.toolTip().contains(QStringLiteral("<b>")));
    QVERIFY(icon.toolTip().contains(QStringLiteral("&lt;b&gt;198.51.100.4&lt;/b&gt;")));

    QString shownText;
    Qt::TextFormat shownFormat = Qt::AutoText;
    QTimer::singleShot(0, [&] {
      auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
      QVERIFY(box != nullptr);
      shownText = box->text();
      shownFormat = box->textFormat();
      box->accept();
    });
    TQtMessageBox messages;
    QCOMPARE(messages.Show(hostile + "\rFAIL", "Porvan", mb::kIconError), mb::kIdOk);
    QCOMPARE(shownFormat, Qt::PlainText);
    QCOMPARE(shownText, QString::fromStdString(hostile + "\nFAIL"));
  }

  void EditBoxConvertsCp949() {
    QLineEdit edit;
    TQtEditBox box(edit);
    box.SetText("\xB0\xA1.example");
    QCOMPARE(edit.text(), U("가.example"));
    QCOMPARE(box.Text(), std::string("\xB0\xA1.example"));
  }

  // The channel's socket lies in a folder only its user may enter, so nobody else can bind the
  // name first and take the requests, as another user could in the shared temporary folder.
  void QuitChannelLiesInAFolderOfTheUsersOwn() {
    const QString name = QuitChannelName();
    QVERIFY(QDir::isAbsolutePath(name));
    const QByteArray folder = QFileInfo(name).absolutePath().toLocal8Bit();
    struct stat about {};
    QCOMPARE(::stat(folder.constData(), &about), 0);
    QCOMPARE(about.st_uid, ::getuid());
    QCOMPARE(about.st_mode & 077, 0u);
    QVERIFY(!SendQuit(QString(), 500));
    QVERIFY(!TQuitChannel(QString(), [] {}).Listening());
  }

  void QuitChannelEndsOnlyOnItsRequest() {
    const QString name = QuitChannelName() + QStringLiteral("-test");
    int quits = 0;
    TQuitChannel channel(name, [&quits] { ++quits; });
    QVERIFY(channel.Listening());
    // A second instance leaves the channel to the first.
    TQuitChannel second(name, [] {});
    QVERIFY(!second.Listening());

    struct {
      const char* name;
      QByteArray bytes;
    } const hostile[] = {
        {.name = "another word", .bytes = "exit\n"},
        {.name = "no line end", .bytes = "quit"},
        {.name = "a flood without a line end", .bytes = QByteArray(1 << 20, 'q')},
    };
    for (const auto& h : hostile) {
      QLocalSocket socket;
      socket.connectToServer(name);
      QVERIFY2(socket.waitForConnected(2000), h.name);
      socket.write(h.bytes);
      socket.waitForBytesWritten(200);
      QTest::qWait(100);
      QVERIFY2(quits == 0, h.name);
    }

    QLocalSocket socket;
    socket.connectToServer(name);
    QVERIFY(socket.waitForConnected(2000));
    socket.write("quit\n");
    QVERIFY(socket.waitForBytesWritten(2000));
    QTRY_COMPARE(quits, 1);
  }

  // WM_APP_STARTUP's stand-in: the call runs once the events before it are handled, never at
  // once, and never after its receiver has gone.
  void PostedCallsRunLaterAndOnlyWhileTheirReceiverLives() {
    QWidget window;
    QLabel control(&window);  // a window has its controls as children
    std::vector<std::string> calls;
    TQtWindowHost host(window, {}, [&calls] { calls.push_back("startup"); });
    host.PostStartup();
    Post(window, [&calls] { calls.push_back("second"); });
    QVERIFY(calls.empty());
    QTRY_COMPARE(calls, (std::vector<std::string>{"startup", "second"}));
    // Each posted call went after it ran; the control stays.
    QTRY_COMPARE(window.findChildren<QObject*>(), (QList<QObject*>{&control}));

    int late = 0;
    {
      QObject receiver;
      Post(receiver, [&late] { ++late; });
    }
    QTest::qWait(50);
    QCOMPARE(late, 0);
  }

  void QuitWithoutAnInstanceFails() {
    QVERIFY(!SendQuit(QuitChannelName() + QStringLiteral("-nobody"), 500));
  }
};

const TQtTestList::TEntry kEntry{[] { return std::make_unique<PartsTest>(); }};

}  // namespace
}  // namespace porvan::testing

#include "parts_test.moc"
