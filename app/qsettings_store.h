#pragma once
// The settings kept in the user's INI file (~/.config/Tessolar/Tessolar.ini).

#include <QCoreApplication>
#include <QSettings>

#include "app/flows/settings_store.h"

namespace tessolar {

class QSettingsStore : public SettingsStore {
  Q_DECLARE_TR_FUNCTIONS(QSettingsStore)

 public:
  QSettingsStore();
  std::string Value(const std::string& group, const std::string& name) const override;
  void SetValue(const std::string& group, const std::string& name,
                const std::string& value) override;
  // Empty when the file was read; else a sentence for the user.
  QString Problem() const;

 private:
  QSettings settings_;
};

}  // namespace tessolar
