#pragma once
#include <cstdint>
#include <string>

#include "tools/score-server/ScoreStore.h"

enum class PageLanguage { Russian, English };

// Russian unless the browser's Accept-Language header ranks English above Russian.
PageLanguage PageLanguageFor(const std::string& acceptLanguage);

// Text made safe to place inside HTML elements and attribute values.
std::string HtmlEscaped(const std::string& text);

// Which rows one page of the table shows: page numbers start at 1.
struct PagePlace {
  int64_t Number = 1;
  int64_t Count = 1;  // pages in the whole table, at least 1
  int64_t RowsPerPage = 50;
};

// The world high-score page: a UTF-8 HTML document, readable on a phone, listing the rows
// of page `place.Number` with place, name, score and date, the first three places marked,
// and links to the pages before and after.
std::string RenderHighScorePage(const BestScoresPage& rows, const PagePlace& place,
                                PageLanguage language);
