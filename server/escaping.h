// escaping.h -- stored text made safe for HTML, JSON and the request log
#pragma once

#include <string>

// & < > " ' as character references, so text can stand in elements and in quoted attributes.
std::string HtmlEscape(const std::string &text);

// A quoted JSON string. < > & are escaped too, so the text stays inert if a page embeds it.
std::string JsonString(const std::string &text);

// Bytes outside printable ASCII as \xNN, so a request cannot forge or break log lines.
std::string LogText(const std::string &text);
