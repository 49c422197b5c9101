#include "app/translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

#include <vector>

namespace tessolar {
namespace {

// Where the build puts the compiled translations of the program's texts.
constexpr char kTranslationFolder[] = ":/i18n";

// "de_DE.UTF-8@euro" -> "de_DE"; "C.UTF-8" -> "en".
QString LocaleName(QString value) {
  value = value.section('@', 0, 0).section('.', 0, 0);
  return value == "C" || value == "POSIX" ? QStringLiteral("en") : value;
}

// A translator installed on `app` when it loads `file` from `folder` (or a
// less specific file: "x_de_DE" falls back to "x_de").
bool Install(QCoreApplication& app, const QString& file, const QString& folder) {
  auto* translator = new QTranslator(&app);
  if (translator->load(file, folder) && QCoreApplication::installTranslator(translator)) {
    return true;
  }
  delete translator;
  return false;
}

}  // namespace

QStringList DesktopLanguages() {
  QStringList languages;
  for (const QString& entry : qEnvironmentVariable("LANGUAGE").split(':', Qt::SkipEmptyParts)) {
    languages << LocaleName(entry);
  }
  for (const char* variable : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
    const QString value = qEnvironmentVariable(variable);
    if (value.isEmpty()) continue;
    languages << LocaleName(value);
    break;
  }
  return languages;
}

QString InstallTranslations(QCoreApplication& app) {
  for (const QString& language : DesktopLanguages()) {
    if (language.section('_', 0, 0) == "en") return {};
    if (!Install(app, "tessolar_" + language, kTranslationFolder)) continue;
    // Qt's dialogs (buttons, file, font, colour, print) keep English without it.
    Install(app, "qtbase_" + language, QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    return language;
  }
  return {};
}

QString Translated(const UserText& text) {
  if (!text.IsPhrase()) return QString::fromStdString(text.Value());
  std::vector<std::string> values;
  for (const UserText& value : text.Values()) values.push_back(Translated(value).toStdString());
  const Phrase& phrase = text.GetPhrase();
  const QString pattern = QCoreApplication::translate(phrase.context, phrase.source);
  return QString::fromStdString(FillIn(pattern.toStdString(), values));
}

}  // namespace tessolar
