#include "tools/score-server/HighScorePage.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>

#include "online/ScoreProtocol.h"
#include "tools/score-server/UtcText.h"

namespace {

struct PageTexts {
  const char* Lang;
  const char* Title;
  const char* Place;
  const char* Name;
  const char* Score;
  const char* Date;
  const char* Empty;
  const char* PageOf;  // "Page", then "N of M"
  const char* Of;
  const char* Previous;
  const char* Next;
};

const PageTexts kRussian = {
    "ru",      "Brindle Karts — мировые рекорды",   "Место",    "Имя", "Очки",
    "Дата",    "Рекордов пока нет. Будьте первым!", "Страница", "из",  "← Назад",
    "Дальше →"};
const PageTexts kEnglish = {
    "en",    "Brindle Karts world high scores", "Place", "Name", "Score",
    "Date",  "No scores yet. Be the first!",    "Page",  "of",   "← Previous",
    "Next →"};

const char kStyle[] =
    "body { font-family: sans-serif; background: #1d2b3a; color: #f2f2f2; margin: 0; "
    "padding: 1em; }\n"
    "h1 { color: #ffcc33; font-size: 1.5em; }\n"
    "table { border-collapse: collapse; width: 100%; max-width: 40em; }\n"
    "th, td { padding: 0.4em 0.6em; border-bottom: 1px solid #3a4d63; text-align: left; }\n"
    "td.place, td.score, th.score { text-align: right; }\n"
    "td.date { white-space: nowrap; color: #b8c4d0; }\n"
    "tr.first td { background: #806614; font-weight: bold; }\n"
    "tr.second td { background: #5c6670; font-weight: bold; }\n"
    "tr.third td { background: #6e4a2a; font-weight: bold; }\n"
    "nav { margin: 1em 0; display: flex; gap: 1.5em; align-items: center; }\n"
    "a { color: #7fc4ff; }\n";

// The first three places are marked: gold, silver and bronze.
const char* PodiumClass(int64_t place) {
  switch (place) {
    case 1:
      return " class=\"first\"";
    case 2:
      return " class=\"second\"";
    case 3:
      return " class=\"third\"";
    default:
      return "";
  }
}

std::string PageLink(int64_t number, const char* text, const char* rel) {
  return std::string("<a rel=\"") + rel + "\" href=\"" +
         HtmlEscaped("?" + HighScoreTableQuery(number)) + "\">" + text + "</a>";
}

// The weight ("q") a language range carries in an Accept-Language header, 0 when absent.
double WeightOf(const std::string& header, const std::string& language) {
  double best = 0;
  size_t at = 0;
  while (at < header.size()) {
    size_t end = header.find(',', at);
    if (end == std::string::npos) end = header.size();
    std::string range = header.substr(at, end - at);
    at = end + 1;
    double weight = 1;
    const size_t parameters = range.find(';');
    if (parameters != std::string::npos) {
      const size_t q = range.find("q=", parameters);
      if (q != std::string::npos) weight = std::strtod(range.c_str() + q + 2, nullptr);
      range.resize(parameters);
    }
    const size_t first = range.find_first_not_of(" \t");
    range = first == std::string::npos
                ? ""
                : range.substr(first, range.find_last_not_of(" \t") + 1 - first);
    std::transform(range.begin(), range.end(), range.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    if (range == language || range.rfind(language + "-", 0) == 0) best = std::max(best, weight);
  }
  return best;
}

}  // namespace

PageLanguage PageLanguageFor(const std::string& acceptLanguage) {
  return WeightOf(acceptLanguage, "en") > WeightOf(acceptLanguage, "ru") ? PageLanguage::English
                                                                         : PageLanguage::Russian;
}

std::string HtmlEscaped(const std::string& text) {
  std::string out;
  out.reserve(text.size());
  for (char c : text) {
    switch (c) {
      case '&':
        out += "&amp;";
        break;
      case '<':
        out += "&lt;";
        break;
      case '>':
        out += "&gt;";
        break;
      case '"':
        out += "&quot;";
        break;
      case '\'':
        out += "&#39;";
        break;
      default:
        out += c;
    }
  }
  return out;
}

std::string RenderHighScorePage(const BestScoresPage& rows, const PagePlace& place,
                                PageLanguage language) {
  const PageTexts& texts = language == PageLanguage::English ? kEnglish : kRussian;
  std::string page = std::string("<!DOCTYPE html>\n<html lang=\"") + texts.Lang +
                     "\">\n<head>\n<meta charset=\"utf-8\">\n"
                     "<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">\n"
                     "<title>" +
                     texts.Title + "</title>\n<style>\n" + kStyle +
                     "</style>\n</head>\n<body>\n<h1>" + texts.Title + "</h1>\n";
  if (rows.Rows.empty()) {
    page += std::string("<p>") + texts.Empty + "</p>\n";
  } else {
    page += std::string("<table>\n<tr><th class=\"score\">") + texts.Place + "</th><th>" +
            texts.Name + "</th><th class=\"score\">" + texts.Score + "</th><th>" + texts.Date +
            "</th></tr>\n";
    int64_t number = (place.Number - 1) * place.RowsPerPage + 1;
    for (const BestScore& row : rows.Rows) {
      page += std::string("<tr") + PodiumClass(number) + "><td class=\"place\">" +
              std::to_string(number) + "</td><td>" + HtmlEscaped(row.Name) +
              "</td><td class=\"score\">" + std::to_string(row.Score) + "</td><td class=\"date\">" +
              UtcText(row.ReceivedAt, "%Y-%m-%d") + "</td></tr>\n";
      ++number;
    }
    page += "</table>\n";
  }
  if (place.Count > 1) {
    page += "<nav>";
    if (place.Number > 1) page += PageLink(place.Number - 1, texts.Previous, "prev");
    page += std::string("<span>") + texts.PageOf + " " + std::to_string(place.Number) + " " +
            texts.Of + " " + std::to_string(place.Count) + "</span>";
    if (place.Number < place.Count) page += PageLink(place.Number + 1, texts.Next, "next");
    page += "</nav>\n";
  }
  page += "</body>\n</html>\n";
  return page;
}
