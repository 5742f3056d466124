<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr" sourcelanguage="ja">
<context>
    <name>Convert</name>
    <message>
        <source>&apos;%1&apos; は整数ではありません</source>
        <translation>«&#xa0;%1&#xa0;» n’est pas un nombre entier</translation>
    </message>
</context>
<context>
    <name>Profile</name>
    <message>
        <source>%1 に書き込めません</source>
        <translation>Impossible d’écrire dans %1</translation>
    </message>
    <message>
        <source>%1 はフォルダではありません</source>
        <translation>%1 n’est pas un dossier</translation>
    </message>
    <message>
        <source>%1 は通常のファイルではありません</source>
        <translation>%1 n’est pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>%1 は大きすぎます (%2 MiB まで)</source>
        <translation>%1 est trop volumineux (%2 Mio au maximum)</translation>
    </message>
    <message>
        <source>%1 を読み込めません</source>
        <translation>Impossible de lire %1</translation>
    </message>
</context>
<context>
    <name>TInputBoxDialog</name>
    <message>
        <source>キャンセル</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>TMainForm1</name>
    <message>
        <source>MIT ライセンスのフリーソフトウェアです。</source>
        <translation>Logiciel libre sous licence MIT.</translation>
    </message>
    <message>
        <source>ランキングの保存先: %1</source>
        <translation>Classement enregistré dans&#xa0;: %1</translation>
    </message>
    <message>
        <source>キー操作</source>
        <translation>Touches</translation>
    </message>
    <message>
        <source>F3: ゲーム開始</source>
        <translation>F3&#xa0;: lancer une partie</translation>
    </message>
    <message>
        <source>スペースか SHOT!! を押し続けて溜め、離して打つ</source>
        <translation>Maintenez Espace ou SHOT!! pour charger, relâchez pour frapper</translation>
    </message>
    <message>
        <source>F4: ボスが来た!! (ダブルクリックで戻る)</source>
        <translation>F4&#xa0;: le boss arrive&#xa0;!! (double-clic pour revenir)</translation>
    </message>
    <message>
        <source>インフォメーション</source>
        <translation>Informations</translation>
    </message>
    <message>
        <source>ジュンビハイイカ・・・</source>
        <translation>À vos marques...</translation>
    </message>
    <message numerus="yes">
        <source>ノコリ %n ビョウ</source>
        <translation>
            <numerusform>Encore %n seconde</numerusform>
            <numerusform>Encore %n secondes</numerusform>
        </translation>
    </message>
    <message>
        <source>時間ギレデス</source>
        <translation>Temps écoulé !</translation>
    </message>
    <message>
        <source>F3 デ ゲームヲ開始シマス</source>
        <translation>F3 lance la partie</translation>
    </message>
    <message>
        <source>F3 デ ゲ～ムヲ開始シマス</source>
        <translation>F3 lance la partiiie</translation>
    </message>
    <message>
        <source>モード(&amp;M)</source>
        <translation>&amp;Mode</translation>
    </message>
    <message>
        <source>ゲーム開始(&amp;G)</source>
        <translation>Nouvelle partie (&amp;G)</translation>
    </message>
    <message>
        <source>ボスが来た!!(&amp;B)...</source>
        <translation>Le &amp;boss arrive&#xa0;!!...</translation>
    </message>
    <message>
        <source>終了(&amp;X)</source>
        <translation>Quitter (&amp;X)</translation>
    </message>
    <message>
        <source>オプション(&amp;O)</source>
        <translation>&amp;Options</translation>
    </message>
    <message>
        <source>効果音を鳴らす(&amp;S)</source>
        <translation>Effets &amp;sonores</translation>
    </message>
    <message>
        <source>ヘルプ(&amp;H)</source>
        <translation>Aide (&amp;H)</translation>
    </message>
    <message>
        <source>インフォメーション(&amp;I)...</source>
        <translation>&amp;Informations...</translation>
    </message>
    <message>
        <source>順位 (爵位)</source>
        <translation>Rang (titre)</translation>
    </message>
    <message>
        <source>VELQUAN ランキング</source>
        <translation>Classement VELQUAN</translation>
    </message>
    <message>
        <source>スコア</source>
        <translation>Score</translation>
    </message>
    <message>
        <source>1位 (魔神)</source>
        <translation>1er (Archidémon)</translation>
    </message>
    <message>
        <source>2位 (魔王)</source>
        <translation>2e (Roi démon)</translation>
    </message>
    <message>
        <source>3位 (魔将)</source>
        <translation>3e (Suppôt)</translation>
    </message>
    <message>
        <source>4位 (悪魔)</source>
        <translation>4e (Diablotin)</translation>
    </message>
    <message>
        <source>5位 (人間)</source>
        <translation>5e (Mortel)</translation>
    </message>
    <message>
        <source>%1 位ニ ランクサレマシタ</source>
        <translation>Classé n°&#xa0;%1&#xa0;!!</translation>
    </message>
    <message>
        <source> アナタノ名前 ：</source>
        <translation> Ton nom, champion&#xa0;:</translation>
    </message>
    <message>
        <source>ナイスイン!! +100+%1 point</source>
        <translation>Dans le trou !! +100+%1 pts</translation>
    </message>
    <message>
        <source>ナイスアプロ～チ!! +30+%1 point</source>
        <translation>Belle appro~che !! +30+%1 pts</translation>
    </message>
    <message>
        <source>フ～ン!! %1 point</source>
        <translation>Bof~ !! %1 pts</translation>
    </message>
    <message>
        <source>フルスクリーン(&amp;F)</source>
        <translation>Plein écran (&amp;F)</translation>
    </message>
    <message>
        <source>カップ %1～%2 パーセント、グリーン %3～%4 パーセント</source>
        <translation>trou de %1 à %2 pour cent, green de %3 à %4 pour cent</translation>
    </message>
</context>
</TS>
