// The command line of the tester window.
#include <QStringList>
#include <QTest>

#include "app/app_options.h"

using namespace vn::app;

namespace {

std::vector<std::string> Args(const QStringList& list) {
  std::vector<std::string> args;
  for (const QString& a : list) args.push_back(a.toStdString());
  return args;
}

}  // namespace

class AppOptionsTest : public QObject {
  Q_OBJECT

 private slots:
  void noArguments() {
    const AppOptionsResult r = ParseAppOptions({});
    QVERIFY(r.ok());
    QVERIFY(!r.options.simulate);
    QVERIFY(!r.options.runCount);
    QVERIFY(r.options.screenshotFile.empty());
  }

  void accepted_data() {
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<bool>("simulate");
    QTest::addColumn<QString>("profile");
    QTest::addColumn<int>("runs");  // -1: none
    QTest::addColumn<QString>("config");
    QTest::addColumn<QString>("screenshot");
    QTest::addColumn<QString>("workdir");
    QTest::addColumn<QString>("sampleDir");
    QTest::newRow("simulate") << QStringList{"--simulate"} << true << "good" << -1 << "" << "" << "" << "";
    QTest::newRow("simulate=profile") << QStringList{"--simulate=open-node"} << true << "open-node" << -1 << ""
                                      << "" << "" << "";
    QTest::newRow("run with space") << QStringList{"--run", "3"} << false << "good" << 3 << "" << "" << "" << "";
    QTest::newRow("run with =") << QStringList{"--run=0"} << false << "good" << 0 << "" << "" << "" << "";
    QTest::newRow("everything") << QStringList{"--simulate=diff-fail", "--config", "a.txt", "--run", "2",
                                               "--screenshot=s.png", "--workdir", "w", "--sample-dir", "s"}
                                << true << "diff-fail" << 2 << "a.txt" << "s.png" << "w" << "s";
  }
  void accepted() {
    QFETCH(QStringList, args);
    QFETCH(bool, simulate);
    QFETCH(QString, profile);
    QFETCH(int, runs);
    QFETCH(QString, config);
    QFETCH(QString, screenshot);
    QFETCH(QString, workdir);
    QFETCH(QString, sampleDir);
    const AppOptionsResult r = ParseAppOptions(Args(args));
    QVERIFY2(r.ok(), r.error.c_str());
    QCOMPARE(r.options.simulate, simulate);
    QCOMPARE(QString::fromStdString(r.options.simulateProfile), profile);
    QCOMPARE(r.options.runCount.value_or(-1), runs);
    QCOMPARE(QString::fromStdString(r.options.configFile), config);
    QCOMPARE(QString::fromStdString(r.options.screenshotFile), screenshot);
    QCOMPARE(QString::fromStdString(r.options.workdir), workdir);
    QCOMPARE(QString::fromStdString(r.options.sampleDir), sampleDir);
  }

  void refused_data() {
    QTest::addColumn<QStringList>("args");
    QTest::newRow("unknown option") << QStringList{"--frobnicate"};
    QTest::newRow("run without count") << QStringList{"--run"};
    QTest::newRow("run not a number") << QStringList{"--run", "x"};
    QTest::newRow("run negative") << QStringList{"--run", "-1"};
    QTest::newRow("run with trailing text") << QStringList{"--run=3x"};
    QTest::newRow("config without file") << QStringList{"--config"};
    QTest::newRow("empty screenshot") << QStringList{"--screenshot="};
    QTest::newRow("empty profile") << QStringList{"--simulate="};
    QTest::newRow("stray word") << QStringList{"run"};
  }
  void refused() {
    QFETCH(QStringList, args);
    QVERIFY(!ParseAppOptions(Args(args)).ok());
  }

  void help() { QVERIFY(ParseAppOptions({"--help"}).options.help); }
};

QTEST_APPLESS_MAIN(AppOptionsTest)
#include "app_options_test.moc"
