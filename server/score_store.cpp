// score_store.cpp -- SQLite: the schema, WAL mode, and the two prepared statements
#include "server/score_store.h"

#include <sqlite3.h>

// Every submission stays in scores. The triggers keep best, one row per name,
// in step with it, so the leaderboard is an indexed read however many scores
// there are, and a row removed from scores by hand (a cheat) is taken out of
// best as well.
static const char SCHEMA[] = R"sql(
BEGIN;
CREATE TABLE scores(
  id INTEGER PRIMARY KEY,
  name TEXT NOT NULL,
  score INTEGER NOT NULL,
  ch INTEGER NOT NULL,
  time INTEGER NOT NULL,
  client TEXT NOT NULL);
CREATE TABLE best(
  name TEXT PRIMARY KEY,
  score INTEGER NOT NULL,
  ch INTEGER NOT NULL,
  time INTEGER NOT NULL) WITHOUT ROWID;
CREATE INDEX best_rank ON best(score DESC, time, name);
CREATE TRIGGER scores_to_best AFTER INSERT ON scores
  WHEN NOT EXISTS (SELECT 1 FROM best WHERE name = NEW.name AND score >= NEW.score)
BEGIN
  INSERT OR REPLACE INTO best VALUES (NEW.name, NEW.score, NEW.ch, NEW.time);
END;
CREATE TRIGGER scores_removed_from_best AFTER DELETE ON scores
BEGIN
  DELETE FROM best WHERE name = OLD.name;
  INSERT INTO best SELECT name, score, ch, time FROM scores WHERE name = OLD.name
    ORDER BY score DESC, time, id LIMIT 1;
END;
PRAGMA user_version = 1;
COMMIT;
)sql";

static const char INSERT_SQL[] = "INSERT INTO scores(name, score, ch, time, client) VALUES (?1, ?2, ?3, ?4, ?5)";
static const char BEST_SQL[] = "SELECT name, score, ch, time FROM best ORDER BY score DESC, time, name LIMIT ?1";

static bool Fail(ScoreStore &store, std::string &error, const std::string &what) {
    error = what + (store.db ? std::string(": ") + sqlite3_errmsg(store.db) : std::string());
    CloseScoreStore(store);
    return false;
}

// The first column of the first row of a one-value query, or -1.
static int64_t QueryInteger(sqlite3 *db, const char *sql) {
    sqlite3_stmt *statement = nullptr;
    int64_t value = -1;
    if (sqlite3_prepare_v2(db, sql, -1, &statement, nullptr) == SQLITE_OK && sqlite3_step(statement) == SQLITE_ROW)
        value = sqlite3_column_int64(statement, 0);
    sqlite3_finalize(statement);
    return value;
}

bool OpenScoreStore(ScoreStore &store, const std::string &path, std::string &error) {
    if (sqlite3_open_v2(path.c_str(), &store.db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE | SQLITE_OPEN_NOMUTEX,
                        nullptr) != SQLITE_OK)
        return Fail(store, error, "cannot open " + path);
    sqlite3_busy_timeout(store.db, 5000);  // another process (a backup, the sqlite3 shell) may hold a lock

    const int64_t version = QueryInteger(store.db, "PRAGMA user_version");
    if (version < 0) return Fail(store, error, "cannot read " + path);
    if (version == 0) {
        if (QueryInteger(store.db, "SELECT count(*) FROM sqlite_schema") != 0)
            return Fail(store, error, path + " holds tables that are not a score database");
        if (sqlite3_exec(store.db, SCHEMA, nullptr, nullptr, nullptr) != SQLITE_OK)
            return Fail(store, error, "cannot create the tables");
    } else if (version != SCORE_SCHEMA_VERSION) {
        return Fail(store, error, path + " has schema version " + std::to_string(version) + ", this server knows " +
                                      std::to_string(SCORE_SCHEMA_VERSION));
    }

    // WAL: readers never wait for the writer. NORMAL: a commit survives the
    // process being killed; only a power cut may lose the last moments.
    sqlite3_stmt *mode = nullptr;
    bool wal = sqlite3_prepare_v2(store.db, "PRAGMA journal_mode=WAL", -1, &mode, nullptr) == SQLITE_OK &&
               sqlite3_step(mode) == SQLITE_ROW &&
               std::string(reinterpret_cast<const char *>(sqlite3_column_text(mode, 0))) == "wal";
    sqlite3_finalize(mode);
    if (!wal) return Fail(store, error, "cannot switch to WAL mode");
    if (sqlite3_exec(store.db, "PRAGMA synchronous=NORMAL", nullptr, nullptr, nullptr) != SQLITE_OK ||
        sqlite3_prepare_v2(store.db, INSERT_SQL, -1, &store.insert, nullptr) != SQLITE_OK ||
        sqlite3_prepare_v2(store.db, BEST_SQL, -1, &store.best, nullptr) != SQLITE_OK)
        return Fail(store, error, "cannot prepare the statements");
    return true;
}

void CloseScoreStore(ScoreStore &store) {
    sqlite3_finalize(store.insert);
    sqlite3_finalize(store.best);
    sqlite3_close(store.db);  // checkpoints the WAL into the database file
    store = ScoreStore();
}

bool AddScore(ScoreStore &store, const Submission &submission, int64_t time, const std::string &client) {
    sqlite3_stmt *s = store.insert;
    sqlite3_bind_text(s, 1, submission.name.data(), static_cast<int>(submission.name.size()), SQLITE_TRANSIENT);
    sqlite3_bind_int64(s, 2, submission.score);
    sqlite3_bind_int(s, 3, submission.character);
    sqlite3_bind_int64(s, 4, time);
    sqlite3_bind_text(s, 5, client.data(), static_cast<int>(client.size()), SQLITE_TRANSIENT);
    const bool done = sqlite3_step(s) == SQLITE_DONE;
    sqlite3_reset(s);
    sqlite3_clear_bindings(s);
    return done;
}

bool BestScores(ScoreStore &store, int limit, std::vector<ScoreRow> &rows) {
    rows.clear();
    sqlite3_stmt *s = store.best;
    sqlite3_bind_int(s, 1, limit);
    int result;
    while ((result = sqlite3_step(s)) == SQLITE_ROW) {
        const char *name = reinterpret_cast<const char *>(sqlite3_column_text(s, 0));
        rows.push_back({std::string(name, static_cast<size_t>(sqlite3_column_bytes(s, 0))),
                        static_cast<int32_t>(sqlite3_column_int64(s, 1)), sqlite3_column_int(s, 2),
                        sqlite3_column_int64(s, 3)});
    }
    sqlite3_reset(s);
    return result == SQLITE_DONE;
}
