// The frame of the self-contained HTML pages the tester writes (report,
// repeatability, verification): inline CSS, no script, nothing fetched from
// anywhere; and the table cells they are made of.
#pragma once

#include <string>

namespace vn {

// title as the page's <title> and <h1>; body as given (already HTML).
std::string HtmlPage(const std::string& title, const std::string& body);

// A table cell of escaped text, right-aligned, or left-aligned for a name.
std::string HtmlCell(const std::string& text, bool name = false);
// A row of a name and a value.
std::string HtmlRow(const std::string& name, const std::string& value);

}  // namespace vn
