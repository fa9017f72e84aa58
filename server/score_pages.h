// score_pages.h -- the high-score page (HTML) and its JSON twin, made from the best rows
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "server/score_store.h"

const int PAGE_ROWS = 100;

// "2026-12-06T10:00:00Z"
std::string UtcTimeText(int64_t time);

// A page that needs no script: rank, name, score, character and date of each row.
std::string ScorePageHtml(const std::vector<ScoreRow> &rows);

// [{"rank":1,"name":"ZED","score":1250,"character":2,"time":"2026-12-06T10:00:00Z"}]
std::string ScoreJson(const std::vector<ScoreRow> &rows);
