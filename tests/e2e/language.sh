#!/usr/bin/env bash
# The game in the player's language, read through the accessibility bus: English under an English
# locale, German, Russian, Chinese and Korean under theirs, its own Japanese under a Japanese one,
# under LANGUAGE=ja and under C.
set -euo pipefail
source "$(dirname "$0")/lib/game.bash" "$1"
source "$(dirname "$0")/lib/atspi.bash"
start_display
start_accessibility_bus

# Reads the window's names until each of $2 (; between them) is one, for up to five seconds:
# with $1=F plain texts, with $1=P Perl patterns.
expect_texts() {
  for _ in $(seq 50); do
    texts=$(/usr/bin/python3 "$atspi_lib/atspi_probe.py" --texts 10) || fail "the game is not on the accessibility bus"
    missing=$(tr ';' '\n' <<<"$2" | while IFS= read -r text; do grep -qx"$1" -- "$text" <<<"$texts" || echo "$text"; done)
    [ -z "$missing" ] && return 0
    sleep 0.1
  done
  fail "$settings: no text '$missing' among: $texts"
}

# Under the locale settings $1 (the probes keep the harness's) the menus, the ranking's headings
# and the status line read $2; with $3, one putt later the status and result read as its patterns.
read_in() {
  settings=$1
  export $1
  start_game "$source_dir/resources/VELQUAN.ini"
  unset LANGUAGE LC_ALL && export LANG=C.UTF-8
  expect_texts F "$2"
  if [ -n "${3:-}" ]; then
    x11_key F3 && sleep 3.6 && xdotool keydown space && sleep 0.3 && xdotool keyup space
    expect_texts P "$3"
  fi
  echo "$settings: read as expected"
  close_game_from_menu
}

# Each of the texts $2 (; between them, in the sources' Japanese) as translations/velquan_$1.ts
# words it and the accessibility bus names it, without its accelerator's &; with $3, as a pattern
# of its words with a number (| between texts that may show): each plural form of a counted one,
# and the level 1 or -1 of a putt's result.
translated() {
  /usr/bin/python3 - "$source_dir/translations/velquan_$1.ts" "$2" "${3:-}" <<'EOF'
import re, sys, xml.etree.ElementTree as ET
ts, texts, as_pattern = sys.argv[1:]
words = {m.findtext("source"): [f.text for f in m.iter("numerusform")] or [m.findtext("translation")]
         for m in ET.parse(ts).iter("message")}
shown = []
for text in texts.split(";"):
    if not as_pattern:
        shown.append(re.sub("&(.)", r"\1", words[text][0]))
        continue
    forms = [form for one in text.split("|") for form in words[one]]
    shown.append("(" + "|".join(re.escape(form).replace("%n", "[0-9]+").replace("%1", "-?1") for form in forms) + ")")
print(";".join(shown))
EOF
}

english='Mode;Options;Help;Start a Game;The Boss Is Coming!!...;Exit;Play Sound Effects;Information...;Rank (Title);VELQUAN Ranking;Score;1st (Archfiend);2nd (Dark Lord);3rd (Hellknight);4th (Imp);5th (Mortal);F3 Starts the Gaaame'
japanese='モード(M);オプション(O);ヘルプ(H);ゲーム開始(G);ボスが来た!!(B)...;終了(X);効果音を鳴らす(S);インフォメーション(I)...;順位 (爵位);VELQUAN ランキング;スコア;1位 (魔神);2位 (魔王);3位 (魔将);4位 (悪魔);5位 (人間);F3 デ ゲ～ムヲ開始シマス'
read_in LANG=en_US.UTF-8 "$english" '[0-9]+ Secs to Go;(Meh~!! -1|Nice Appro~ach!! \+30\+1|Holed It!! \+100\+1) point'
# The sources of the Japanese texts above, and of the countdown and a putt's results.
sources=$(sed -E 's/\(([A-Z])\)/(\&\1)/g' <<<"$japanese")
putt='ノコリ %n ビョウ;ナイスイン!! +100+%1 point|ナイスアプロ～チ!! +30+%1 point|フ～ン!! %1 point'
for locale in de_DE ru_RU zh_CN ko_KR; do
  language=$locale && [ -f "$source_dir/translations/velquan_$locale.ts" ] || language=${locale%_*}
  read_in "LANG=$locale.UTF-8" "$(translated "$language" "$sources")" "$(translated "$language" "$putt" pattern)"
done
read_in LANG=ja_JP.UTF-8 "$japanese" 'ノコリ [0-9]+ ビョウ;(フ～ン!! -1|ナイスアプロ～チ!! \+30\+1|ナイスイン!! \+100\+1) point'
read_in 'LANG=en_US.UTF-8 LANGUAGE=ja' "$japanese"
read_in 'LC_ALL=C LANGUAGE=en' "$japanese"
