<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="ja">
<context>
    <name>Convert</name>
    <message>
        <source>&apos;%1&apos; は整数ではありません</source>
        <translation>„%1“ ist keine ganze Zahl</translation>
    </message>
</context>
<context>
    <name>Profile</name>
    <message>
        <source>%1 に書き込めません</source>
        <translation>%1 kann nicht geschrieben werden</translation>
    </message>
    <message>
        <source>%1 はフォルダではありません</source>
        <translation>%1 ist kein Ordner</translation>
    </message>
    <message>
        <source>%1 は通常のファイルではありません</source>
        <translation>%1 ist keine normale Datei</translation>
    </message>
    <message>
        <source>%1 は大きすぎます (%2 MiB まで)</source>
        <translation>%1 ist zu groß (höchstens %2 MiB)</translation>
    </message>
    <message>
        <source>%1 を読み込めません</source>
        <translation>%1 kann nicht gelesen werden</translation>
    </message>
</context>
<context>
    <name>TInputBoxDialog</name>
    <message>
        <source>キャンセル</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>TMainForm1</name>
    <message>
        <source>MIT ライセンスのフリーソフトウェアです。</source>
        <translation>Freie Software unter der MIT-Lizenz.</translation>
    </message>
    <message>
        <source>ランキングの保存先: %1</source>
        <translation>Die Bestenliste liegt in: %1</translation>
    </message>
    <message>
        <source>キー操作</source>
        <translation>Tasten</translation>
    </message>
    <message>
        <source>F3: ゲーム開始</source>
        <translation>F3: Spiel beginnen</translation>
    </message>
    <message>
        <source>スペースか SHOT!! を押し続けて溜め、離して打つ</source>
        <translation>Leertaste oder SHOT!! halten zum Aufladen, loslassen zum Putten</translation>
    </message>
    <message>
        <source>F4: ボスが来た!! (ダブルクリックで戻る)</source>
        <translation>F4: Der Boss kommt!! (zurück per Doppelklick)</translation>
    </message>
    <message>
        <source>インフォメーション</source>
        <translation>Informationen</translation>
    </message>
    <message>
        <source>ジュンビハイイカ・・・</source>
        <translation>Auf die Plätze...</translation>
    </message>
    <message numerus="yes">
        <source>ノコリ %n ビョウ</source>
        <translation>
            <numerusform>Noch %n Sekunde</numerusform>
            <numerusform>Noch %n Sekunden</numerusform>
        </translation>
    </message>
    <message>
        <source>時間ギレデス</source>
        <translation>Zeit ist um!</translation>
    </message>
    <message>
        <source>F3 デ ゲームヲ開始シマス</source>
        <translation>F3 startet das Spiel</translation>
    </message>
    <message>
        <source>F3 デ ゲ～ムヲ開始シマス</source>
        <translation>F3 startet das Spiiiel</translation>
    </message>
    <message>
        <source>モード(&amp;M)</source>
        <translation>&amp;Modus</translation>
    </message>
    <message>
        <source>ゲーム開始(&amp;G)</source>
        <translation>Spiel be&amp;ginnen</translation>
    </message>
    <message>
        <source>ボスが来た!!(&amp;B)...</source>
        <translation>Der &amp;Boss kommt!!...</translation>
    </message>
    <message>
        <source>終了(&amp;X)</source>
        <translation>Beenden (&amp;X)</translation>
    </message>
    <message>
        <source>オプション(&amp;O)</source>
        <translation>&amp;Optionen</translation>
    </message>
    <message>
        <source>効果音を鳴らす(&amp;S)</source>
        <translation>&amp;Soundeffekte abspielen</translation>
    </message>
    <message>
        <source>ヘルプ(&amp;H)</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>インフォメーション(&amp;I)...</source>
        <translation>&amp;Informationen...</translation>
    </message>
    <message>
        <source>順位 (爵位)</source>
        <translation>Platz (Titel)</translation>
    </message>
    <message>
        <source>VELQUAN ランキング</source>
        <translation>VELQUAN-Bestenliste</translation>
    </message>
    <message>
        <source>スコア</source>
        <translation>Punkte</translation>
    </message>
    <message>
        <source>1位 (魔神)</source>
        <translation>1. (Erzdämon)</translation>
    </message>
    <message>
        <source>2位 (魔王)</source>
        <translation>2. (Höllenfürst)</translation>
    </message>
    <message>
        <source>3位 (魔将)</source>
        <translation>3. (Handlanger)</translation>
    </message>
    <message>
        <source>4位 (悪魔)</source>
        <translation>4. (Teufelchen)</translation>
    </message>
    <message>
        <source>5位 (人間)</source>
        <translation>5. (Menschlein)</translation>
    </message>
    <message>
        <source>%1 位ニ ランクサレマシタ</source>
        <translation>Platz %1, Glückwunsch!!</translation>
    </message>
    <message>
        <source> アナタノ名前 ：</source>
        <translation> Dein Name, Champion:</translation>
    </message>
    <message>
        <source>ナイスイン!! +100+%1 point</source>
        <translation>Eingelocht!! +100+%1 Pkt.</translation>
    </message>
    <message>
        <source>ナイスアプロ～チ!! +30+%1 point</source>
        <translation>Schöne Annä~herung!! +30+%1 Pkt.</translation>
    </message>
    <message>
        <source>フ～ン!! %1 point</source>
        <translation>Tja~!! %1 Pkt.</translation>
    </message>
    <message>
        <source>フルスクリーン(&amp;F)</source>
        <translation>Vollbild (&amp;F)</translation>
    </message>
    <message>
        <source>カップ %1～%2 パーセント、グリーン %3～%4 パーセント</source>
        <translation>Loch %1 bis %2 Prozent, Grün %3 bis %4 Prozent</translation>
    </message>
</context>
</TS>
