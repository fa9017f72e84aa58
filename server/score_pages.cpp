// score_pages.cpp -- HTML and JSON of the leaderboard, in the saver's night-and-sandstone look
#include "server/score_pages.h"

#include <ctime>

#include "server/escaping.h"
#include "server/submission_query.h"

// As the character-select screen writes them, by the saver's character number.
static const char *const CHARACTER_NAMES[CHARACTER_COUNT] = {
    "Capt. Cade Morrow",
    "Iselle the human slave",
    "General Vashk, evil Ape",
};

// Night blue #0B1630, sandstone #C9A36B to #8A6A3F, shadow #2B1E14, torch orange #FF9A2E, ember red #C8321E.
static const char PAGE_HEAD[] = R"html(<!DOCTYPE html>
<html lang="en">
<head>
<meta charset="utf-8">
<meta name="viewport" content="width=device-width, initial-scale=1">
<title>Kelvaron Playable Screen Saver &#8211; High Scores</title>
<style>
html{background:#0B1630}
body{margin:0;min-height:100vh;color:#C9A36B;font-family:"DejaVu Sans",Verdana,sans-serif;
  background:radial-gradient(ellipse 70% 45% at 50% 0,rgba(255,154,46,.16),transparent 70%),
  radial-gradient(1px 1px at 13px 21px,#d8e0ff 50%,transparent),
  radial-gradient(1px 1px at 151px 87px,#9fb0e0 50%,transparent),
  radial-gradient(1.5px 1.5px at 67px 139px,#fff 50%,transparent),
  radial-gradient(1px 1px at 229px 41px,#b8c4ee 50%,transparent),
  radial-gradient(1px 1px at 101px 197px,#8496c8 50%,transparent),linear-gradient(#060c1c,#0B1630 40%,#131f3d);
  background-size:100% 100%,173px 151px,263px 229px,199px 181px,317px 271px,379px 337px,100% 100%}
main{max-width:880px;margin:0 auto;padding:36px 20px 48px;
  background:radial-gradient(ellipse 60% 50% at 50% 40%,rgba(11,22,48,.97) 55%,rgba(11,22,48,0))}
header{display:flex;align-items:center;justify-content:center;gap:28px;text-align:center}
.torch{width:14px;height:64px;background:linear-gradient(#5a4127,#2B1E14);border-radius:3px 3px 6px 6px;
  position:relative;margin-top:40px}
.torch:before{content:"";position:absolute;left:-19px;top:-52px;width:52px;height:60px;border-radius:50% 50% 45% 45%;
  background:radial-gradient(ellipse at 50% 70%,#fff3c4 0,#FF9A2E 30%,#C8321E 58%,transparent 72%);filter:blur(1px)}
.torch:after{content:"";position:absolute;left:-60px;top:-80px;width:134px;height:134px;border-radius:50%;
  background:radial-gradient(rgba(255,154,46,.22),transparent 65%)}
.maker{margin:0;font-size:12px;letter-spacing:.4em;text-transform:uppercase;color:#8A6A3F}
h1{margin:4px 0 2px;font:bold 52px/1.1 "DejaVu Serif",Georgia,serif;letter-spacing:.08em;color:#C9A36B;
  background:linear-gradient(#ecd3a1,#C9A36B 55%,#8A6A3F);-webkit-background-clip:text;background-clip:text;
  -webkit-text-fill-color:transparent;filter:drop-shadow(0 0 14px rgba(255,154,46,.35)) drop-shadow(0 3px 0 #2B1E14)}
.subtitle{margin:0;font-size:15px;letter-spacing:.25em;text-transform:uppercase;color:#FF9A2E}
table{width:100%;margin-top:30px;border-collapse:separate;border-spacing:0;color:#2B1E14;border:3px solid #2B1E14;
  border-radius:6px;overflow:hidden;
  box-shadow:0 0 0 1px #8A6A3F,0 18px 40px rgba(0,0,0,.6),0 0 60px rgba(255,154,46,.12)}
th{background:#2B1E14;color:#FF9A2E;font-size:12px;letter-spacing:.18em;text-transform:uppercase;padding:10px 14px;
  text-align:left}
td{padding:9px 14px;border-top:1px solid rgba(43,30,20,.35);font-size:16px;
  background:linear-gradient(rgba(255,240,210,.10),rgba(0,0,0,.06)),#C9A36B}
tr:nth-child(even) td{background:linear-gradient(rgba(255,240,210,.06),rgba(0,0,0,.08)),#b8925c}
tr.top td{background:linear-gradient(rgba(255,200,120,.22),rgba(0,0,0,.04)),#d2aa6c}
td.rank{width:3em;text-align:center;font-weight:bold;color:#5a3b1c}
td.rank span{display:inline-block;min-width:26px;line-height:26px;border-radius:13px}
tr.top td.rank span{color:#2B1E14;background:radial-gradient(circle at 40% 35%,#ffd08a,#FF9A2E 55%,#C8321E);
  box-shadow:0 0 8px rgba(255,154,46,.8)}
td.name{font-weight:bold;overflow-wrap:anywhere}
.score,td.score{text-align:right;font-variant-numeric:tabular-nums}
td.score{font:bold 17px "DejaVu Sans Mono",monospace}
td.date{color:#4a3420;white-space:nowrap}
td.empty{text-align:center;padding:28px;font-style:italic}
footer{margin-top:18px;padding:6px 0;text-align:center;font-size:13px;color:#8A6A3F;
  background:linear-gradient(90deg,transparent,#0B1630 12%,#0B1630 88%,transparent)}
footer a{color:#FF9A2E}
</style>
</head>
<body>
<main>
<header>
<div class="torch"></div>
<div>
<p class="maker">Quillon Creations</p>
<h1>KELVARON</h1>
<p class="subtitle">Playable Screen Saver &#183; High Scores</p>
</div>
<div class="torch"></div>
</header>
<table>
<thead><tr><th class="rank">#</th><th>Name</th><th class="score">Score</th><th>Character</th><th>Date</th></tr></thead>
<tbody>
)html";

static const char PAGE_EMPTY[] =
    "<tr><td class=\"empty\" colspan=\"5\">No scores yet. Climb the tower, free the captive, and be the first."
    "</td></tr>\n";

static const char PAGE_TAIL[] = R"html(</tbody>
</table>
<footer>The best score of each name, the top 100.
Send yours with &#8220;Submit High Score!&#8221; in the saver's settings.
&#183; <a href="hiscores.json">JSON</a></footer>
</main>
</body>
</html>
)html";

std::string UtcTimeText(int64_t time) {
    const std::time_t t = static_cast<std::time_t>(time);
    std::tm utc;
    gmtime_r(&t, &utc);
    char text[32];
    std::strftime(text, sizeof text, "%Y-%m-%dT%H:%M:%SZ", &utc);
    return text;
}

static const char *CharacterName(int32_t character) {
    return character >= 0 && character < CHARACTER_COUNT ? CHARACTER_NAMES[character] : "?";
}

std::string ScorePageHtml(const std::vector<ScoreRow> &rows) {
    std::string page = PAGE_HEAD;
    page.reserve(page.size() + rows.size() * 200 + sizeof PAGE_TAIL);
    for (size_t i = 0; i < rows.size(); ++i) {
        const ScoreRow &row = rows[i];
        page += i < 3 ? "<tr class=\"top\">" : "<tr>";
        page += "<td class=\"rank\"><span>" + std::to_string(i + 1) + "</span></td><td class=\"name\">" +
                HtmlEscape(row.name) + "</td><td class=\"score\">" + std::to_string(row.score) + "</td><td>" +
                HtmlEscape(CharacterName(row.character)) + "</td><td class=\"date\">" +
                UtcTimeText(row.time).substr(0, 10) + "</td></tr>\n";
    }
    if (rows.empty()) page += PAGE_EMPTY;
    return page + PAGE_TAIL;
}

std::string ScoreJson(const std::vector<ScoreRow> &rows) {
    std::string json = "[";
    for (size_t i = 0; i < rows.size(); ++i) {
        const ScoreRow &row = rows[i];
        if (i > 0) json += ",";
        json += "{\"rank\":" + std::to_string(i + 1) + ",\"name\":" + JsonString(row.name) +
                ",\"score\":" + std::to_string(row.score) + ",\"character\":" + std::to_string(row.character) +
                ",\"time\":\"" + UtcTimeText(row.time) + "\"}";
    }
    return json + "]";
}
