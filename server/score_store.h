// score_store.h -- the SQLite database of submitted scores and the best score of each name
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "server/submission_query.h"

struct sqlite3;
struct sqlite3_stmt;

const int SCORE_SCHEMA_VERSION = 1;

// One open database with its prepared statements; opened at start-up and
// closed at shutdown. Not thread-safe: callers hold one lock around every call.
struct ScoreStore {
    sqlite3 *db = nullptr;
    sqlite3_stmt *insert = nullptr;
    sqlite3_stmt *best = nullptr;
};

struct ScoreRow {
    std::string name;  // UTF-8
    int32_t score;
    int32_t character;
    int64_t time;  // seconds since 1970-01-01 UTC
};

// Opens or creates the database in WAL mode. A database of a newer schema, or
// one that holds other tables, is refused with a reason in error.
bool OpenScoreStore(ScoreStore &store, const std::string &path, std::string &error);
void CloseScoreStore(ScoreStore &store);

// Stores one submission; true once it is committed.
bool AddScore(ScoreStore &store, const Submission &submission, int64_t time, const std::string &client);

// The best score of each name, best first (ties: the earlier one first), at most limit rows.
bool BestScores(ScoreStore &store, int limit, std::vector<ScoreRow> &rows);
