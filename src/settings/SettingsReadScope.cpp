#include "SettingsReadScope.h"

#include "foundation/OMRegistry.h"

SettingsReadScope::SettingsReadScope()
{
    ombrel::om_registry_holdReads();
}

SettingsReadScope::~SettingsReadScope()
{
    ombrel::om_registry_releaseReads();
}
