#include "tools/score-server/HighScorePage.h"

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

std::string RenderHighScorePage(const std::vector<BestScore>& rows) {
  std::string page =
      "<!DOCTYPE html>\n"
      "<html lang=\"en\">\n<head>\n<meta charset=\"utf-8\">\n"
      "<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">\n"
      "<title>Brindle Karts world high scores</title>\n"
      "<style>\n"
      "body { font-family: sans-serif; background: #1d2b3a; color: #f2f2f2; margin: 2em; }\n"
      "h1 { color: #ffcc33; }\n"
      "table { border-collapse: collapse; min-width: 24em; }\n"
      "th, td { padding: 0.3em 1em; border-bottom: 1px solid #3a4d63; }\n"
      "td.place, td.score { text-align: right; }\n"
      "</style>\n</head>\n<body>\n<h1>Brindle Karts world high scores</h1>\n";
  if (rows.empty()) {
    page += "<p>No scores yet. Be the first!</p>\n";
  } else {
    page += "<table>\n<tr><th>Place</th><th>Name</th><th>Score</th></tr>\n";
    int place = 1;
    for (const BestScore& row : rows) {
      page += "<tr><td class=\"place\">" + std::to_string(place++) + "</td><td>" +
              HtmlEscaped(row.Name) + "</td><td class=\"score\">" + std::to_string(row.Score) +
              "</td></tr>\n";
    }
    page += "</table>\n";
  }
  page += "</body>\n</html>\n";
  return page;
}
