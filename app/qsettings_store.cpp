#include "app/qsettings_store.h"

#include <QFileInfo>

namespace tessolar {
namespace {
QString Key(const std::string& group, const std::string& name) {
  return QString::fromStdString(group) + "/" + QString::fromStdString(name);
}
}  // namespace

QSettingsStore::QSettingsStore()
    : settings_(QSettings::IniFormat, QSettings::UserScope, "Tessolar", "Tessolar") {}

std::string QSettingsStore::Value(const std::string& group, const std::string& name) const {
  return settings_.value(Key(group, name)).toString().toStdString();
}

void QSettingsStore::SetValue(const std::string& group, const std::string& name,
                              const std::string& value) {
  settings_.setValue(Key(group, name), QString::fromStdString(value));
}

QString QSettingsStore::Problem() const {
  const QFileInfo file(settings_.fileName());
  if (settings_.status() == QSettings::NoError && (!file.exists() || file.isReadable())) return {};
  return tr("The settings file %1 could not be read. Tessolar starts with its default settings, "
            "and recent calendars and the window position are not kept.")
      .arg(settings_.fileName());
}

}  // namespace tessolar
