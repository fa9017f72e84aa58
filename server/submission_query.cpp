// submission_query.cpp -- percent-decoding and validation of a score submission
#include "server/submission_query.h"

#include "server/windows1252.h"

std::string QueryOf(const std::string &target) {
    const size_t mark = target.find('?');
    return mark == std::string::npos ? std::string() : target.substr(mark + 1);
}

static int HexValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return -1;
}

static bool PercentDecode(const std::string &text, size_t begin, size_t end, std::string &decoded) {
    decoded.clear();
    for (size_t i = begin; i < end; ++i) {
        if (text[i] == '+') {
            decoded += ' ';
        } else if (text[i] != '%') {
            decoded += text[i];
        } else {
            if (end - i < 3) return false;
            const int high = HexValue(text[i + 1]), low = HexValue(text[i + 2]);
            if (high < 0 || low < 0) return false;
            decoded += static_cast<char>(high * 16 + low);
            i += 2;
        }
    }
    return true;
}

bool ParseQuery(const std::string &query, QueryParameters &parameters) {
    parameters.clear();
    size_t begin = 0;
    while (begin <= query.size()) {
        size_t end = query.find('&', begin);
        if (end == std::string::npos) end = query.size();
        if (end > begin) {
            size_t equals = query.find('=', begin);
            if (equals == std::string::npos || equals > end) equals = end;
            std::string key, value;
            if (!PercentDecode(query, begin, equals, key)) return false;
            if (equals < end && !PercentDecode(query, equals + 1, end, value)) return false;
            parameters.emplace_back(key, value);
        }
        begin = end + 1;
    }
    return true;
}

bool ParseDecimal(const std::string &text, int64_t limit, int32_t &value) {
    if (text.empty()) return false;
    int64_t number = 0;
    for (const char c : text) {
        if (c < '0' || c > '9') return false;
        number = number * 10 + (c - '0');
        if (number > limit) return false;
    }
    value = static_cast<int32_t>(number);
    return true;
}

std::string ParseSubmission(const std::string &query, Submission &submission) {
    QueryParameters parameters;
    if (!ParseQuery(query, parameters)) return "the query holds an invalid % sequence";
    const std::string *fields[3] = {};  // name, score, ch
    static const char *const FIELD_NAMES[3] = {"name", "score", "ch"};
    for (const auto &parameter : parameters)
        for (int f = 0; f < 3; ++f)
            if (parameter.first == FIELD_NAMES[f]) {
                if (fields[f] != nullptr) return std::string(FIELD_NAMES[f]) + " is given more than once";
                fields[f] = &parameter.second;
            }
    for (int f = 0; f < 3; ++f)
        if (fields[f] == nullptr) return std::string(FIELD_NAMES[f]) + " is missing";

    // One byte is one character in the saver's code page.
    const std::string &name = *fields[0];
    if (name.empty() || name.size() > MAX_NAME_CHARACTERS) return "name must be 1 to 10 characters";
    for (const char c : name)
        if (IsControlCodePoint(Windows1252CodePoint(static_cast<unsigned char>(c))))
            return "name must not hold control characters";
    if (!ParseDecimal(*fields[1], INT32_MAX, submission.score))
        return "score must be a whole number from 0 to 2147483647";
    if (fields[2]->size() != 1 || !ParseDecimal(*fields[2], CHARACTER_COUNT - 1, submission.character))
        return "ch must be 0, 1 or 2";
    submission.name = Windows1252ToUtf8(name);
    return std::string();
}
