#include "frame/config_option.h"

#include "frame/config.h"

ConfigOptionWrapper<bool>::ConfigOptionWrapper(const char* section, const char* key,
                                               const char* label,
                                               std::optional<bool> defaultValue)
    : defaultValue_(defaultValue.value_or(false)),
      hasDefault_(defaultValue.has_value()),
      section_(section),
      key_(key),
      label_(label)
{
}

bool ConfigOptionWrapper<bool>::get()
{
    if (cached_)
        return cachedValue_;
    if (!hasDefault_ && !hasConfigValue(section_, key_))
        throw std::bad_optional_access();
    cachedValue_ = getConfigInt(section_, key_, hasDefault_ ? defaultValue_ : 0) != 0;
    cached_ = true;
    return cachedValue_;
}

void ConfigOptionWrapper<bool>::set(bool value)
{
    cachedValue_ = value;
    cached_ = true;
    setConfigInt(section_, key_, value);
}

void ConfigOptionWrapper<bool>::toggle()
{
    set(!get());
}

ConfigOptionWrapper<bool> showQuickStartOption("other", "showQuickStartOption",
                                               "Show Quick Start option", false);
ConfigOptionWrapper<bool> catsEnabled("lootbox", "catsEnabled", "Cats", true);
ConfigOptionWrapper<bool> dogsEnabled("lootbox", "dogsEnabled", "Dogs", true);
ConfigOptionWrapper<bool> hamstersEnabled("lootbox", "hamstersEnabled", "Hamsters", true);
ConfigOptionWrapper<bool> owlsEnabled("lootbox", "owlsEnabled", "Owls", true);
ConfigOptionWrapper<bool> ferretsEnabled("lootbox", "ferretsEnabled", "Ferrets", true);
ConfigOptionWrapper<bool> autoLoad("accessibility", "autoLoad",
                                   "Auto Load accessibility settings", false);
