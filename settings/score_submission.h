// score_submission.h -- sends the stored high score to the high-score server, once per new high score
#pragma once

#include <cstdint>

#include "settings/settings_store.h"

// The server's host name is the build's KVRN_SCORE_HOST; the page is opened
// after every press of the dialog's submit button.
const char HIGH_SCORE_PAGE_ADDRESS[] = "http://" KVRN_SCORE_HOST "/kvrn/hiscores.php";

const int SCORE_HOST_NAME_SIZE = 256;
const int REQUEST_LINE_SIZE = 256;
// Every byte of a stored name may take three characters once encoded.
const int ENCODED_NAME_SIZE = 3 * (HIGH_SCORE_NAME_SIZE - 1) + 1;

// Sends score, name and character as one GET request and marks the score as
// submitted, or refuses when it already was. Every failure is shown to the user.
void SubmitHighScore(int32_t score, const char *name, int32_t character);

// True with a connected socket; false after a failure it has shown (an
// unlisted start-up error is not shown).
bool ConnectToScoreServer();
void CloseScoreConnection();
// One send of the text without its NUL; false when not every byte went out.
bool SendLine(const char *text);

// Percent-encodes a name for the query string: A-Z, a-z, 0-9 and "-._~" stay,
// every other byte becomes %XX (upper-case hex). Reads at most
// HIGH_SCORE_NAME_SIZE - 1 bytes, as many as the store's name buffer holds.
void PercentEncodeName(const char *name, char (&encoded)[ENCODED_NAME_SIZE]);

// Shown when start-up fails with a listed code; nullptr for any other code.
const char *WinsockStartupMessage(int errorCode);
