#pragma once

#include "framework/locale_info.h"

class QLocale;

namespace kelvaro {

// The user's regional settings in the form the date-time and number conversions read.
LocaleInfo systemLocaleInfo();
LocaleInfo localeInfoFrom(const QLocale& locale);

} // namespace kelvaro
