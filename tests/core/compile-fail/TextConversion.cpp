// Compiled by the tests, never linked: a text that cannot become Windows-1251 stops the
// build. Without a case defined it is a text that converts, the control that the file
// itself compiles.
#include "base/Windows1251.h"

#if defined(BK_OUTSIDE_CODE_PAGE)
constexpr auto kText = cp1251::Convert("Стрелка →");
#elif defined(BK_MALFORMED_UTF8)
constexpr auto kText = cp1251::Convert("\xC0\x80");
#else
constexpr auto kText = cp1251::Convert("Ёлка №1 «ёж»");
#endif
static_assert(kText.Size > 0, "the text converts to bytes");
