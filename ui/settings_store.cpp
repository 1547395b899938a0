// Items are kept as strings: the state's own reader parses and checks them.
#include "ui/settings_store.h"

#include "ui/locale_text.h"

namespace quantiva {

uicore::TSettingsItems ReadSettingsItems(QSettings& Settings) {
    uicore::TSettingsItems Items;
    for (const QString& Key : Settings.allKeys())
        Items[ToStdString(Key)] = ToStdString(Settings.value(Key).toString());
    return Items;
}

void WriteSettingsItems(QSettings& Settings, const uicore::TSettingsItems& Items) {
    Settings.clear();
    Settings.setValue(QStringLiteral("Version"), QStringLiteral(QUANTIVA_VERSION));
    for (const auto& [Key, Value] : Items) Settings.setValue(ToQString(Key), ToQString(Value));
    Settings.sync();
}

}  // namespace quantiva
