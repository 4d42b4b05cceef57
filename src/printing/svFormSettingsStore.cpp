#include "printing/svFormSettingsStore.h"

#include "settings/svUstawienia.h"
#include "store/svDB.h"

TFormSettings FormSettingsFromStore()
{
    // Without a settings row the defaults stand; reading must not create the row.
    TQuery q(QStringLiteral("SELECT COUNT(*) FROM data_109"));
    if (!q.Open() || !q.Next() || q.Field(0).toInt() == 0)
        return {};
    TUstawienia settings;
    if (!settings.Load())
        return {};
    return settings.FormSettings();
}
