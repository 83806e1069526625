// Qt's own translations (standard buttons "确定"/"取消", the file dialogs),
// chosen by the system language, so that message boxes and file dialogs
// speak the language of their texts. Without the translation files the
// program runs with Qt's English texts.
#pragma once

#include <QLocale>
#include <QString>

class QCoreApplication;

namespace vn::app {

// Loads "qtbase_<language>" for the locale from the folder and installs it
// into the application, which owns it. False when there is none.
bool InstallQtTranslations(QCoreApplication& application, const QLocale& locale, const QString& folder);
// The same for the system language and Qt's translation folder.
bool InstallQtTranslations(QCoreApplication& application);

}  // namespace vn::app
