<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it" sourcelanguage="ja">
<context>
    <name>Convert</name>
    <message>
        <source>&apos;%1&apos; は整数ではありません</source>
        <translation>«%1» non è un numero intero</translation>
    </message>
</context>
<context>
    <name>Profile</name>
    <message>
        <source>%1 に書き込めません</source>
        <translation>Impossibile scrivere %1</translation>
    </message>
    <message>
        <source>%1 はフォルダではありません</source>
        <translation>%1 non è una cartella</translation>
    </message>
    <message>
        <source>%1 は通常のファイルではありません</source>
        <translation>%1 non è un file regolare</translation>
    </message>
    <message>
        <source>%1 は大きすぎます (%2 MiB まで)</source>
        <translation>%1 è troppo grande (al massimo %2 MiB)</translation>
    </message>
    <message>
        <source>%1 を読み込めません</source>
        <translation>Impossibile leggere %1</translation>
    </message>
</context>
<context>
    <name>TInputBoxDialog</name>
    <message>
        <source>キャンセル</source>
        <translation>Annulla</translation>
    </message>
</context>
<context>
    <name>TMainForm1</name>
    <message>
        <source>MIT ライセンスのフリーソフトウェアです。</source>
        <translation>Software libero con licenza MIT.</translation>
    </message>
    <message>
        <source>ランキングの保存先: %1</source>
        <translation>La classifica è salvata in: %1</translation>
    </message>
    <message>
        <source>キー操作</source>
        <translation>Tasti</translation>
    </message>
    <message>
        <source>F3: ゲーム開始</source>
        <translation>F3: nuova partita</translation>
    </message>
    <message>
        <source>スペースか SHOT!! を押し続けて溜め、離して打つ</source>
        <translation>Tieni premuto Spazio o SHOT!! per caricare, rilascia per colpire</translation>
    </message>
    <message>
        <source>F4: ボスが来た!! (ダブルクリックで戻る)</source>
        <translation>F4: arriva il boss!! (doppio clic per tornare)</translation>
    </message>
    <message>
        <source>インフォメーション</source>
        <translation>Informazioni</translation>
    </message>
    <message>
        <source>ジュンビハイイカ・・・</source>
        <translation>Ai vostri posti...</translation>
    </message>
    <message numerus="yes">
        <source>ノコリ %n ビョウ</source>
        <translation>
            <numerusform>Ancora %n secondo</numerusform>
            <numerusform>Ancora %n secondi</numerusform>
        </translation>
    </message>
    <message>
        <source>時間ギレデス</source>
        <translation>Tempo scaduto!</translation>
    </message>
    <message>
        <source>F3 デ ゲームヲ開始シマス</source>
        <translation>F3 avvia la partita</translation>
    </message>
    <message>
        <source>F3 デ ゲ～ムヲ開始シマス</source>
        <translation>F3 avvia la partiiita</translation>
    </message>
    <message>
        <source>モード(&amp;M)</source>
        <translation>&amp;Modalità</translation>
    </message>
    <message>
        <source>ゲーム開始(&amp;G)</source>
        <translation>Nuovo &amp;gioco</translation>
    </message>
    <message>
        <source>ボスが来た!!(&amp;B)...</source>
        <translation>Arriva il &amp;boss!!...</translation>
    </message>
    <message>
        <source>終了(&amp;X)</source>
        <translation>Esci (&amp;X)</translation>
    </message>
    <message>
        <source>オプション(&amp;O)</source>
        <translation>&amp;Opzioni</translation>
    </message>
    <message>
        <source>効果音を鳴らす(&amp;S)</source>
        <translation>Effetti &amp;sonori</translation>
    </message>
    <message>
        <source>ヘルプ(&amp;H)</source>
        <translation>Aiuto (&amp;H)</translation>
    </message>
    <message>
        <source>インフォメーション(&amp;I)...</source>
        <translation>&amp;Informazioni...</translation>
    </message>
    <message>
        <source>順位 (爵位)</source>
        <translation>Posto (titolo)</translation>
    </message>
    <message>
        <source>VELQUAN ランキング</source>
        <translation>Classifica VELQUAN</translation>
    </message>
    <message>
        <source>スコア</source>
        <translation>Punti</translation>
    </message>
    <message>
        <source>1位 (魔神)</source>
        <translation>1º (Arcidemone)</translation>
    </message>
    <message>
        <source>2位 (魔王)</source>
        <translation>2º (Re demone)</translation>
    </message>
    <message>
        <source>3位 (魔将)</source>
        <translation>3º (Scagnozzo)</translation>
    </message>
    <message>
        <source>4位 (悪魔)</source>
        <translation>4º (Diavoletto)</translation>
    </message>
    <message>
        <source>5位 (人間)</source>
        <translation>5º (Mortale)</translation>
    </message>
    <message>
        <source>%1 位ニ ランクサレマシタ</source>
        <translation>Sei al %1º posto!!</translation>
    </message>
    <message>
        <source> アナタノ名前 ：</source>
        <translation> Il tuo nome, campione:</translation>
    </message>
    <message>
        <source>ナイスイン!! +100+%1 point</source>
        <translation>In buca!! +100+%1 pt.</translation>
    </message>
    <message>
        <source>ナイスアプロ～チ!! +30+%1 point</source>
        <translation>Bell’appro~ccio!! +30+%1 pt.</translation>
    </message>
    <message>
        <source>フ～ン!! %1 point</source>
        <translation>Mah~!! %1 pt.</translation>
    </message>
    <message>
        <source>フルスクリーン(&amp;F)</source>
        <translation>Schermo intero (&amp;F)</translation>
    </message>
    <message>
        <source>カップ %1～%2 パーセント、グリーン %3～%4 パーセント</source>
        <translation>buca dal %1 al %2 per cento, green dal %3 al %4 per cento</translation>
    </message>
</context>
</TS>
