#pragma once

#include <string>

namespace presslane {

// A small Korean HTML page, readable on a phone, with a title and one sentence, both escaped.
std::string message_page(const std::string& title, const std::string& sentence);

// The text with "&", "<", ">", '"' and "'" written as character references.
std::string html_escape(const std::string& text);

// The page of one of the two channel boards, by its id; "" for any other id.
std::string board_page(const std::string& id);

}  // namespace presslane
