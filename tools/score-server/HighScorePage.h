#pragma once
#include <string>
#include <vector>

#include "tools/score-server/ScoreStore.h"

// Text made safe to place inside HTML elements and attribute values.
std::string HtmlEscaped(const std::string& text);

// The world high-score page: a UTF-8 HTML document listing the given rows in order.
std::string RenderHighScorePage(const std::vector<BestScore>& rows);
