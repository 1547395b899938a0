// The window state's items in a QSettings store. Reading takes whatever
// keys the store holds, whatever their state: a damaged file gives fewer
// or stranger items, which the state's reader then refuses one by one.
#pragma once

#include <QSettings>

#include "ui/core/window_state.h"

namespace quantiva {

uicore::TSettingsItems ReadSettingsItems(QSettings& Settings);
// Replaces the store's items by these and the build's version, and writes
// them out now.
void WriteSettingsItems(QSettings& Settings, const uicore::TSettingsItems& Items);

}  // namespace quantiva
