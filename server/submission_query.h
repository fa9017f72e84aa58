// submission_query.h -- query strings of the score server: percent-decoding and the checks on a submission
#pragma once

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

// Keys and values percent-decoded to raw bytes, in the order they came.
using QueryParameters = std::vector<std::pair<std::string, std::string>>;

// The part of a request target after '?', or "" when there is none.
std::string QueryOf(const std::string &target);

// Splits "a=1&b=2" at '&' and '=' and decodes %XX and '+' (a blank, as forms
// send it). False when a '%' is not followed by two hexadecimal digits.
bool ParseQuery(const std::string &query, QueryParameters &parameters);

// A decimal number of digits only (no sign, no blanks) from 0 to limit.
bool ParseDecimal(const std::string &text, int64_t limit, int32_t &value);

const int MAX_NAME_CHARACTERS = 10;
const int CHARACTER_COUNT = 3;

struct Submission {
    std::string name;  // UTF-8
    int32_t score;
    int32_t character;
};

// Checks the query of GET /kvrn/addscore.php (name, score, ch). Returns "" and
// fills the submission when it is valid, otherwise a one-line reason.
std::string ParseSubmission(const std::string &query, Submission &submission);
