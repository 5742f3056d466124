<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es" sourcelanguage="ja">
<context>
    <name>Convert</name>
    <message>
        <source>&apos;%1&apos; は整数ではありません</source>
        <translation>«%1» no es un número entero</translation>
    </message>
</context>
<context>
    <name>Profile</name>
    <message>
        <source>%1 に書き込めません</source>
        <translation>No se puede escribir en %1</translation>
    </message>
    <message>
        <source>%1 はフォルダではありません</source>
        <translation>%1 no es una carpeta</translation>
    </message>
    <message>
        <source>%1 は通常のファイルではありません</source>
        <translation>%1 no es un archivo normal</translation>
    </message>
    <message>
        <source>%1 は大きすぎます (%2 MiB まで)</source>
        <translation>%1 es demasiado grande (%2 MiB como máximo)</translation>
    </message>
    <message>
        <source>%1 を読み込めません</source>
        <translation>No se puede leer %1</translation>
    </message>
</context>
<context>
    <name>TInputBoxDialog</name>
    <message>
        <source>キャンセル</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>TMainForm1</name>
    <message>
        <source>MIT ライセンスのフリーソフトウェアです。</source>
        <translation>Software libre con licencia MIT.</translation>
    </message>
    <message>
        <source>ランキングの保存先: %1</source>
        <translation>La clasificación se guarda en: %1</translation>
    </message>
    <message>
        <source>キー操作</source>
        <translation>Teclas</translation>
    </message>
    <message>
        <source>F3: ゲーム開始</source>
        <translation>F3: empezar una partida</translation>
    </message>
    <message>
        <source>スペースか SHOT!! を押し続けて溜め、離して打つ</source>
        <translation>Mantén Espacio o SHOT!! para cargar, suelta para golpear</translation>
    </message>
    <message>
        <source>F4: ボスが来た!! (ダブルクリックで戻る)</source>
        <translation>F4: ¡¡que viene el jefe!! (doble clic para volver)</translation>
    </message>
    <message>
        <source>インフォメーション</source>
        <translation>Información</translation>
    </message>
    <message>
        <source>ジュンビハイイカ・・・</source>
        <translation>Preparados, listos...</translation>
    </message>
    <message numerus="yes">
        <source>ノコリ %n ビョウ</source>
        <translation>
            <numerusform>Queda %n segundo</numerusform>
            <numerusform>Quedan %n segundos</numerusform>
        </translation>
    </message>
    <message>
        <source>時間ギレデス</source>
        <translation>¡Se acabó el tiempo!</translation>
    </message>
    <message>
        <source>F3 デ ゲームヲ開始シマス</source>
        <translation>F3 inicia el juego</translation>
    </message>
    <message>
        <source>F3 デ ゲ～ムヲ開始シマス</source>
        <translation>F3 inicia el jueeego</translation>
    </message>
    <message>
        <source>モード(&amp;M)</source>
        <translation>&amp;Modo</translation>
    </message>
    <message>
        <source>ゲーム開始(&amp;G)</source>
        <translation>Nuevo jue&amp;go</translation>
    </message>
    <message>
        <source>ボスが来た!!(&amp;B)...</source>
        <translation>¡¡Que viene el jefe!! (&amp;B)...</translation>
    </message>
    <message>
        <source>終了(&amp;X)</source>
        <translation>Salir (&amp;X)</translation>
    </message>
    <message>
        <source>オプション(&amp;O)</source>
        <translation>&amp;Opciones</translation>
    </message>
    <message>
        <source>効果音を鳴らす(&amp;S)</source>
        <translation>Efectos de &amp;sonido</translation>
    </message>
    <message>
        <source>ヘルプ(&amp;H)</source>
        <translation>Ayuda (&amp;H)</translation>
    </message>
    <message>
        <source>インフォメーション(&amp;I)...</source>
        <translation>&amp;Información...</translation>
    </message>
    <message>
        <source>順位 (爵位)</source>
        <translation>Puesto (título)</translation>
    </message>
    <message>
        <source>VELQUAN ランキング</source>
        <translation>Clasificación VELQUAN</translation>
    </message>
    <message>
        <source>スコア</source>
        <translation>Puntos</translation>
    </message>
    <message>
        <source>1位 (魔神)</source>
        <translation>1.º (Archidiablo)</translation>
    </message>
    <message>
        <source>2位 (魔王)</source>
        <translation>2.º (Rey demonio)</translation>
    </message>
    <message>
        <source>3位 (魔将)</source>
        <translation>3.º (Esbirro)</translation>
    </message>
    <message>
        <source>4位 (悪魔)</source>
        <translation>4.º (Diablillo)</translation>
    </message>
    <message>
        <source>5位 (人間)</source>
        <translation>5.º (Mortal)</translation>
    </message>
    <message>
        <source>%1 位ニ ランクサレマシタ</source>
        <translation>¡¡Puesto %1 conseguido!!</translation>
    </message>
    <message>
        <source> アナタノ名前 ：</source>
        <translation> Tu nombre, campeón:</translation>
    </message>
    <message>
        <source>ナイスイン!! +100+%1 point</source>
        <translation>¡¡Al hoyo!! +100+%1 pts.</translation>
    </message>
    <message>
        <source>ナイスアプロ～チ!! +30+%1 point</source>
        <translation>¡¡Buena aproxima~ción!! +30+%1 pts.</translation>
    </message>
    <message>
        <source>フ～ン!! %1 point</source>
        <translation>¡¡Bah~!! %1 pts.</translation>
    </message>
    <message>
        <source>フルスクリーン(&amp;F)</source>
        <translation>Pantalla completa (&amp;F)</translation>
    </message>
    <message>
        <source>カップ %1～%2 パーセント、グリーン %3～%4 パーセント</source>
        <translation>hoyo del %1 al %2 por ciento, green del %3 al %4 por ciento</translation>
    </message>
</context>
</TS>
