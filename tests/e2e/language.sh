#!/usr/bin/env bash
# The game in the player's language, read through the accessibility bus: under an English
# locale the menus, the ranking's headings, the status line and the result of one putt read in
# English; under a Japanese one they read as the game's own texts; LANGUAGE=ja over an English
# LANG gives Japanese too.
set -euo pipefail
source "$(dirname "$0")/lib/game.bash" "$1"
source "$(dirname "$0")/lib/atspi.bash"

start_display
start_accessibility_bus

# Starts the game under the locale settings given ("LANG=... LANGUAGE=..."); the probes keep
# the harness's own.
start_in() {
  export $1
  start_game "$source_dir/resources/VELQUAN.ini"
  unset LANGUAGE
  export LANG=C.UTF-8
}
# Every name in the game's window, menus and ranking cells included, as
# "<role><TAB><visible><TAB><name>" lines.
read_texts() {
  texts=$(/usr/bin/python3 "$atspi_lib/atspi_probe.py" --texts 10) || fail "the game is not on the accessibility bus"
}
# Fails unless each of the texts, separated by |, is a name in the window.
expect_texts() {
  local text
  IFS='|' read -ra wanted <<<"$1"
  for text in "${wanted[@]}"; do
    grep -qP "\t[01]\t\Q$text\E$" <<<"$texts" || fail "$language: no text '$text' among: $texts"
  done
}

# Under the settings $2: the menus, their items and the ranking's headings ($3, | between
# texts) and the idle status line ($4) read as given; one putt played with Space shows a status
# line matching $5 and one of the results in $6.
play_in() {
  language=$1
  start_in "$2"
  read_texts
  expect_texts "$3"
  grep -qP "^label\t1\t\Q$4\E$" <<<"$texts" || fail "$language: the idle status line is not '$4': $texts"

  xdotool key F3
  sleep 3.6
  xdotool keydown space
  sleep 0.3
  xdotool keyup space
  local result="" status
  for _ in $(seq 50); do
    read_texts
    result=$(grep -P '^label\t1\t.* point$' <<<"$texts" | cut -f3 || true)
    [ -n "$result" ] && break
    sleep 0.1
  done
  [ -n "$result" ] || fail "$language: no result shown after a putt: $texts"
  status=$(grep -P "^label\t1\t$5$" <<<"$texts" | cut -f3 || true)
  [ -n "$status" ] || fail "$language: no status line like '$5' during the game: $texts"
  # The first putt plays at level 1: a miss, an approach or an in, each in its own words.
  grep -qxF "$result" <<<"${6//|/$'\n'}" || fail "$language: the result reads '$result', none of: $6"
  echo "$language: menus, headings and '$4' read; during the game '$status', after one putt '$result'"
  close_game_from_menu
}

play_in English "LANG=en_US.UTF-8" \
  "Mode|Options|Help|Start a Game|The Boss Is Coming!!...|Exit|Play Sound Effects|Information...|Rank (Title)|VELQUAN Ranking|Score|1st (Archfiend)|2nd (Dark Lord)|3rd (Hellknight)|4th (Imp)|5th (Mortal)" \
  "F3 Starts the Gaaame" "[0-9]+ Secs to Go" \
  "Meh~!! -1 point|Nice Appro~ach!! +30+1 point|Holed It!! +100+1 point"

play_in Japanese "LANG=ja_JP.UTF-8" \
  "モード(M)|オプション(O)|ヘルプ(H)|ゲーム開始(G)|ボスが来た!!(B)...|終了(X)|効果音を鳴らす(S)|インフォメーション(I)...|順位 (爵位)|VELQUAN ランキング|スコア|1位 (魔神)|2位 (魔王)|3位 (魔将)|4位 (悪魔)|5位 (人間)" \
  "F3 デ ゲ～ムヲ開始シマス" "ノコリ [0-9]+ ビョウ" \
  "フ～ン!! -1 point|ナイスアプロ～チ!! +30+1 point|ナイスイン!! +100+1 point"

language="LANGUAGE=ja over English"
start_in "LANG=en_US.UTF-8 LANGUAGE=ja"
read_texts
expect_texts "モード(M)|順位 (爵位)|F3 デ ゲ～ムヲ開始シマス"
echo "$language: Japanese"
close_game_from_menu
