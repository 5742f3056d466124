<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="ja">
<context>
    <name>Convert</name>
    <message>
        <source>&apos;%1&apos; は整数ではありません</source>
        <translation>&apos;%1&apos; is not a whole number</translation>
    </message>
</context>
<context>
    <name>Profile</name>
    <message>
        <source>%1 に書き込めません</source>
        <translation>Cannot write to %1</translation>
    </message>
    <message>
        <source>%1 はフォルダではありません</source>
        <translation>%1 is not a folder</translation>
    </message>
    <message>
        <source>%1 は通常のファイルではありません</source>
        <translation>%1 is not a regular file</translation>
    </message>
    <message>
        <source>%1 は大きすぎます (%2 MiB まで)</source>
        <translation>%1 is too large (%2 MiB at most)</translation>
    </message>
    <message>
        <source>%1 を読み込めません</source>
        <translation>Cannot read %1</translation>
    </message>
</context>
<context>
    <name>TInputBoxDialog</name>
    <message>
        <source>キャンセル</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>TMainForm1</name>
    <message>
        <source>ジュンビハイイカ・・・</source>
        <translation>Ready, Set...</translation>
    </message>
    <message>
        <source>時間ギレデス</source>
        <translation>Time&apos;s Up!</translation>
    </message>
    <message>
        <source>F3 デ ゲームヲ開始シマス</source>
        <translation>F3 Starts the Game</translation>
    </message>
    <message>
        <source>F3 デ ゲ～ムヲ開始シマス</source>
        <translation>F3 Starts the Gaaame</translation>
    </message>
    <message>
        <source>モード(&amp;M)</source>
        <translation>&amp;Mode</translation>
    </message>
    <message>
        <source>ゲーム開始(&amp;G)</source>
        <translation>Start a &amp;Game</translation>
    </message>
    <message>
        <source>ボスが来た!!(&amp;B)...</source>
        <translation>The &amp;Boss Is Coming!!...</translation>
    </message>
    <message>
        <source>終了(&amp;X)</source>
        <translation>E&amp;xit</translation>
    </message>
    <message>
        <source>オプション(&amp;O)</source>
        <translation>&amp;Options</translation>
    </message>
    <message>
        <source>効果音を鳴らす(&amp;S)</source>
        <translation>Play &amp;Sound Effects</translation>
    </message>
    <message>
        <source>ヘルプ(&amp;H)</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>インフォメーション(&amp;I)...</source>
        <translation>&amp;Information...</translation>
    </message>
    <message>
        <source>順位 (爵位)</source>
        <translation>Rank (Title)</translation>
    </message>
    <message>
        <source>VELQUAN ランキング</source>
        <translation>VELQUAN Ranking</translation>
    </message>
    <message>
        <source>スコア</source>
        <translation>Score</translation>
    </message>
    <message>
        <source>1位 (魔神)</source>
        <translation>1st (Archfiend)</translation>
    </message>
    <message>
        <source>2位 (魔王)</source>
        <translation>2nd (Dark Lord)</translation>
    </message>
    <message>
        <source>3位 (魔将)</source>
        <translation>3rd (Hellknight)</translation>
    </message>
    <message>
        <source>4位 (悪魔)</source>
        <translation>4th (Imp)</translation>
    </message>
    <message>
        <source>5位 (人間)</source>
        <translation>5th (Mortal)</translation>
    </message>
    <message>
        <source>%1 位ニ ランクサレマシタ</source>
        <translation>You Ranked No. %1!!</translation>
    </message>
    <message>
        <source> アナタノ名前 ：</source>
        <translation> Your Name, Champ :</translation>
    </message>
    <message>
        <source>ナイスイン!! +100+%1 point</source>
        <translation>Holed It!! +100+%1 point</translation>
    </message>
    <message>
        <source>ナイスアプロ～チ!! +30+%1 point</source>
        <translation>Nice Appro~ach!! +30+%1 point</translation>
    </message>
    <message>
        <source>フ～ン!! %1 point</source>
        <translation>Meh~!! %1 point</translation>
    </message>
    <message>
        <source>MIT ライセンスのフリーソフトウェアです。</source>
        <translation>Free software under the MIT licence.</translation>
    </message>
    <message>
        <source>ランキングの保存先: %1</source>
        <translation>The ranking is kept in: %1</translation>
    </message>
    <message>
        <source>キー操作</source>
        <translation>Keys</translation>
    </message>
    <message>
        <source>F3: ゲーム開始</source>
        <translation>F3: start a game</translation>
    </message>
    <message>
        <source>スペースか SHOT!! を押し続けて溜め、離して打つ</source>
        <translation>Hold Space or SHOT!! to charge, let go to putt</translation>
    </message>
    <message>
        <source>F4: ボスが来た!! (ダブルクリックで戻る)</source>
        <translation>F4: the boss is coming!! (double-click to come back)</translation>
    </message>
    <message>
        <source>インフォメーション</source>
        <translation>Information</translation>
    </message>
    <message numerus="yes">
        <source>ノコリ %n ビョウ</source>
        <translation>
            <numerusform>%n Secs to Go</numerusform>
            <numerusform>%n Secs to Go</numerusform>
        </translation>
    </message>
    <message>
        <source>フルスクリーン(&amp;F)</source>
        <translation>&amp;Full Screen</translation>
    </message>
    <message>
        <source>カップ %1～%2 パーセント、グリーン %3～%4 パーセント</source>
        <translation>cup %1 to %2 percent, green %3 to %4 percent</translation>
    </message>
</context>
</TS>
