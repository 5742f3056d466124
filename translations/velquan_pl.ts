<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl" sourcelanguage="ja">
<context>
    <name>Convert</name>
    <message>
        <source>&apos;%1&apos; は整数ではありません</source>
        <translation>„%1” nie jest liczbą całkowitą</translation>
    </message>
</context>
<context>
    <name>Profile</name>
    <message>
        <source>%1 に書き込めません</source>
        <translation>Nie można zapisać %1</translation>
    </message>
    <message>
        <source>%1 はフォルダではありません</source>
        <translation>%1 nie jest folderem</translation>
    </message>
    <message>
        <source>%1 は通常のファイルではありません</source>
        <translation>%1 nie jest zwykłym plikiem</translation>
    </message>
    <message>
        <source>%1 は大きすぎます (%2 MiB まで)</source>
        <translation>%1 jest za duży (najwyżej %2 MiB)</translation>
    </message>
    <message>
        <source>%1 を読み込めません</source>
        <translation>Nie można odczytać %1</translation>
    </message>
</context>
<context>
    <name>TInputBoxDialog</name>
    <message>
        <source>キャンセル</source>
        <translation>Anuluj</translation>
    </message>
</context>
<context>
    <name>TMainForm1</name>
    <message>
        <source>MIT ライセンスのフリーソフトウェアです。</source>
        <translation>Wolne oprogramowanie na licencji MIT.</translation>
    </message>
    <message>
        <source>ランキングの保存先: %1</source>
        <translation>Ranking jest zapisywany w: %1</translation>
    </message>
    <message>
        <source>キー操作</source>
        <translation>Klawisze</translation>
    </message>
    <message>
        <source>F3: ゲーム開始</source>
        <translation>F3: nowa gra</translation>
    </message>
    <message>
        <source>スペースか SHOT!! を押し続けて溜め、離して打つ</source>
        <translation>Przytrzymaj spację lub SHOT!!, by naładować, puść, by uderzyć</translation>
    </message>
    <message>
        <source>F4: ボスが来た!! (ダブルクリックで戻る)</source>
        <translation>F4: szef idzie!! (dwuklik, by wrócić)</translation>
    </message>
    <message>
        <source>インフォメーション</source>
        <translation>Informacje</translation>
    </message>
    <message>
        <source>ジュンビハイイカ・・・</source>
        <translation>Na miejsca...</translation>
    </message>
    <message numerus="yes">
        <source>ノコリ %n ビョウ</source>
        <translation>
            <numerusform>Jeszcze %n sekunda</numerusform>
            <numerusform>Jeszcze %n sekundy</numerusform>
            <numerusform>Jeszcze %n sekund</numerusform>
        </translation>
    </message>
    <message>
        <source>時間ギレデス</source>
        <translation>Koniec czasu!</translation>
    </message>
    <message>
        <source>F3 デ ゲームヲ開始シマス</source>
        <translation>F3 zaczyna grę</translation>
    </message>
    <message>
        <source>F3 デ ゲ～ムヲ開始シマス</source>
        <translation>F3 zaczyna gręęę</translation>
    </message>
    <message>
        <source>モード(&amp;M)</source>
        <translation>Tryb (&amp;M)</translation>
    </message>
    <message>
        <source>ゲーム開始(&amp;G)</source>
        <translation>Nowa &amp;gra</translation>
    </message>
    <message>
        <source>ボスが来た!!(&amp;B)...</source>
        <translation>Szef idzie!! (&amp;B)...</translation>
    </message>
    <message>
        <source>終了(&amp;X)</source>
        <translation>Zakończ (&amp;X)</translation>
    </message>
    <message>
        <source>オプション(&amp;O)</source>
        <translation>&amp;Opcje</translation>
    </message>
    <message>
        <source>効果音を鳴らす(&amp;S)</source>
        <translation>Efekty dźwiękowe (&amp;S)</translation>
    </message>
    <message>
        <source>ヘルプ(&amp;H)</source>
        <translation>Pomoc (&amp;H)</translation>
    </message>
    <message>
        <source>インフォメーション(&amp;I)...</source>
        <translation>&amp;Informacje...</translation>
    </message>
    <message>
        <source>順位 (爵位)</source>
        <translation>Miejsce (tytuł)</translation>
    </message>
    <message>
        <source>VELQUAN ランキング</source>
        <translation>Ranking VELQUAN</translation>
    </message>
    <message>
        <source>スコア</source>
        <translation>Wynik</translation>
    </message>
    <message>
        <source>1位 (魔神)</source>
        <translation>1. (Arcydemon)</translation>
    </message>
    <message>
        <source>2位 (魔王)</source>
        <translation>2. (Czarci król)</translation>
    </message>
    <message>
        <source>3位 (魔将)</source>
        <translation>3. (Siepacz)</translation>
    </message>
    <message>
        <source>4位 (悪魔)</source>
        <translation>4. (Diablik)</translation>
    </message>
    <message>
        <source>5位 (人間)</source>
        <translation>5. (Śmiertelnik)</translation>
    </message>
    <message>
        <source>%1 位ニ ランクサレマシタ</source>
        <translation>Zajmujesz %1. miejsce!!</translation>
    </message>
    <message>
        <source> アナタノ名前 ：</source>
        <translation> Twoje imię, mistrzu:</translation>
    </message>
    <message>
        <source>ナイスイン!! +100+%1 point</source>
        <translation>W dołku!! +100+%1 pkt</translation>
    </message>
    <message>
        <source>ナイスアプロ～チ!! +30+%1 point</source>
        <translation>Ładne podej~ście!! +30+%1 pkt</translation>
    </message>
    <message>
        <source>フ～ン!! %1 point</source>
        <translation>Phi~!! %1 pkt</translation>
    </message>
    <message>
        <source>フルスクリーン(&amp;F)</source>
        <translation>Pełny ekran (&amp;F)</translation>
    </message>
    <message>
        <source>カップ %1～%2 パーセント、グリーン %3～%4 パーセント</source>
        <translation>dołek od %1 do %2 procent, green od %3 do %4 procent</translation>
    </message>
</context>
</TS>
