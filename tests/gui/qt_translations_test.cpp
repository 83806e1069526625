// Qt's own texts follow the language: standard buttons say "取消" once the
// translation is installed; without translation files the program goes on
// in English.
#include <QDialogButtonBox>
#include <QFile>
#include <QLibraryInfo>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include "app/qt_translations.h"

using namespace vn::app;

namespace {

QString CancelText() {
  QDialogButtonBox box(QDialogButtonBox::Cancel);
  return box.button(QDialogButtonBox::Cancel)->text();
}

}  // namespace

class QtTranslationsTest : public QObject {
  Q_OBJECT

 private slots:
  void missingTranslationsLeaveQtsOwnTexts() {
    QTemporaryDir empty;
    QVERIFY(!InstallQtTranslations(*QCoreApplication::instance(), QLocale(QLocale::Chinese, QLocale::China),
                                   empty.path()));
    QVERIFY(CancelText().contains(QStringLiteral("Cancel")));
  }

  void chineseButtonsWithTheTranslation() {
    const QString folder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    if (!QFile::exists(folder + QStringLiteral("/qtbase_zh_CN.qm"))) QSKIP("qt6-translations-l10n is not installed");
    QVERIFY(InstallQtTranslations(*QCoreApplication::instance(), QLocale(QLocale::Chinese, QLocale::China), folder));
    QVERIFY2(CancelText().contains(QStringLiteral("取消")), qPrintable(CancelText()));
  }
};

QTEST_MAIN(QtTranslationsTest)
#include "qt_translations_test.moc"
