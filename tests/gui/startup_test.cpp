// Start-up of the application: one copy at a time, the command-line script
// (configuration, runs, screenshot) in-process and through the executable.
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include "app/CMyUsbHidTestAppApp.h"
#include "app/CMyUsbHidTestAppDlg.h"
#include "config/config_file.h"
#include "platform/single_instance.h"

using namespace vn;
using namespace vn::app;

namespace {

struct ProcessResult {
  int exitCode = -1;
  QString errors;
};

ProcessResult RunTester(const QStringList& arguments, const QString& lockDir, bool largeScreen = false) {
  QProcess process;
  QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
  environment.insert("TMPDIR", lockDir);  // the single-instance lock of this test only
  environment.insert("QT_QPA_PLATFORM", largeScreen ? QStringLiteral("offscreen:configfile=") + VN_GUI_SCREEN_CONFIG
                                                    : QStringLiteral("offscreen"));
  process.setProcessEnvironment(environment);
  process.start(VN_TESTER_EXECUTABLE, arguments);
  if (!process.waitForFinished(40000)) {
    process.kill();
    process.waitForFinished();
    return {-1, "timed out"};
  }
  return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -2,
          QString::fromUtf8(process.readAllStandardError())};
}

int CountPixels(const QImage& image, QRgb colour) {
  int count = 0;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x) count += (image.pixel(x, y) & 0xFFFFFF) == (colour & 0xFFFFFF);
  return count;
}

bool AnyMainWindow() {
  for (QWidget* widget : QApplication::topLevelWidgets())
    if (qobject_cast<CMyUsbHidTestAppDlg*>(widget) != nullptr) return true;
  return false;
}

}  // namespace

class StartupTest : public QObject {
  Q_OBJECT

 private slots:
  void secondCopyEndsSilently() {
    QTemporaryDir locks;
    const SingleInstanceGuard first(kSingleInstanceName, locks.path().toStdString());
    QVERIFY(first.acquired());
    std::vector<MessageRequest> messages;
    CMyUsbHidTestAppApp second({locks.path().toStdString(), [&](const MessageRequest& r) {
                                  messages.push_back(r);
                                  return MessageResult::Ok;
                                }});
    QCOMPARE(second.Run({"--simulate"}), 0);
    QVERIFY(!AnyMainWindow());
    QVERIFY(messages.empty());
  }

  void secondProcessEndsWhileTheFirstRuns() {
    QTemporaryDir locks;
    const SingleInstanceGuard first(kSingleInstanceName, locks.path().toStdString());
    const ProcessResult r = RunTester({"--simulate", "--screenshot", locks.filePath("never.png")}, locks.path());
    QCOMPARE(r.exitCode, 0);
    QVERIFY(!QFile::exists(locks.filePath("never.png")));
  }

  void failedConfigurationIsReportedAndNoTestRuns() {
    QTemporaryDir dir;
    std::vector<MessageRequest> messages;
    CMyUsbHidTestAppApp app({dir.path().toStdString(), [&](const MessageRequest& r) {
                               messages.push_back(r);
                               return MessageResult::Ok;
                             }});
    const QString png = dir.filePath("shot.png");
    const int code = app.Run({"--simulate", "--config", dir.filePath("missing.txt").toStdString(), "--run", "2",
                              "--screenshot", png.toStdString(), "--workdir", dir.filePath("work").toStdString()});
    QCOMPARE(code, 0);
    QCOMPARE(messages.size(), std::size_t(1));
    QVERIFY(QFile::exists(png));
    QVERIFY(QDir(dir.filePath("work/Config")).exists());
    QVERIFY(QDir(dir.filePath("work/Sample")).exists());
  }

  void screenshotAfterTheRuns_data() {
    QTest::addColumn<QString>("profile");
    QTest::addColumn<uint>("verdictColour");
    QTest::newRow("PASS on green") << "good" << 0x00FF00u;
    QTest::newRow("NG on red") << "open-node" << 0xFF0000u;
  }
  void screenshotAfterTheRuns() {
    QFETCH(QString, profile);
    QFETCH(uint, verdictColour);
    QTemporaryDir dir;
    const QString png = dir.filePath("shot.png");
    const ProcessResult r = RunTester({"--simulate=" + profile, "--run", "1", "--screenshot", png, "--workdir",
                                       dir.filePath("work"), "--sample-dir", dir.filePath("samples")},
                                      dir.path());
    QVERIFY2(r.exitCode == 0, qPrintable(r.errors));
    QImage image(png);
    QVERIFY(!image.isNull());
    image = image.convertToFormat(QImage::Format_RGB32);
    // The verdict box is 20 % of the screen wide and 10 % high; its text covers part of it.
    QVERIFY(CountPixels(image, verdictColour) > image.width() * image.height() / 100);
    QVERIFY(QDir(dir.filePath("samples")).exists());
  }

  void configurationFromTheCommandLine() {
    QTemporaryDir dir;
    TestParameters p;
    p.x_channel_valid = 12;
    p.y_channel_valid = 30;
    const QString config = dir.filePath("film.txt");
    QVERIFY(WriteConfigFile(config.toStdString(), p).ok());
    CMyUsbHidTestAppApp app({dir.path().toStdString(), {}});
    const QString png = dir.filePath("shot.png");
    QCOMPARE(app.Run({"--simulate", "--config", config.toStdString(), "--run", "1", "--screenshot",
                      png.toStdString(), "--workdir", dir.filePath("work").toStdString()}),
             0);
    QVERIFY(QFile::exists(png));
  }

  void refusedCommandLines_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("exitCode");
    QTest::newRow("help") << QStringList{"--help"} << 0;
    QTest::newRow("unknown option") << QStringList{"--bogus"} << 2;
    QTest::newRow("unknown profile") << QStringList{"--simulate=no-such-film"} << 2;
  }
  void refusedCommandLines() {
    QFETCH(QStringList, arguments);
    QFETCH(int, exitCode);
    QTemporaryDir dir;
    QCOMPARE(RunTester(arguments, dir.path()).exitCode, exitCode);
  }
};

QTEST_MAIN(StartupTest)
#include "startup_test.moc"
