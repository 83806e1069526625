#include "results/html_page.h"

#include "results/html_text.h"

namespace vn {

namespace {

constexpr char kStyle[] =
    "body{font-family:sans-serif;margin:24px;color:#222}"
    "h1{font-size:22px}h2{font-size:17px;margin-top:28px}"
    "table{border-collapse:collapse;margin:8px 0}"
    "th,td{border:1px solid #bbb;padding:3px 10px;text-align:right}"
    "th{background:#eee}td.name,th.name{text-align:left}"
    ".heatmap text{font-size:8px;fill:#555}.heatmap .ylabel{text-anchor:middle}"
    ".heatmap .xlabel{text-anchor:end}.heatmap rect{stroke:#ddd;stroke-width:0.5}"
    ".note{color:#666;font-size:13px}";

}  // namespace

std::string HtmlPage(const std::string& title, const std::string& body) {
  return "<!DOCTYPE html>\n<html lang=\"en\">\n<head>\n<meta charset=\"utf-8\">\n<title>" + HtmlEscape(title) +
         "</title>\n<style>" + std::string(kStyle) + "</style>\n</head>\n<body>\n<h1>" + HtmlEscape(title) +
         "</h1>\n" + body + "</body>\n</html>\n";
}

std::string HtmlCell(const std::string& text, bool name) {
  return std::string(name ? "<td class=\"name\">" : "<td>") + HtmlEscape(text) + "</td>";
}

std::string HtmlRow(const std::string& name, const std::string& value) {
  return "<tr>" + HtmlCell(name, true) + HtmlCell(value) + "</tr>\n";
}

}  // namespace vn
