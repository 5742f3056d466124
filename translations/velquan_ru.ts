<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru" sourcelanguage="ja">
<context>
    <name>Convert</name>
    <message>
        <source>&apos;%1&apos; は整数ではありません</source>
        <translation>«%1» — не целое число</translation>
    </message>
</context>
<context>
    <name>Profile</name>
    <message>
        <source>%1 に書き込めません</source>
        <translation>Не удаётся записать %1</translation>
    </message>
    <message>
        <source>%1 はフォルダではありません</source>
        <translation>%1 — не папка</translation>
    </message>
    <message>
        <source>%1 は通常のファイルではありません</source>
        <translation>%1 — не обычный файл</translation>
    </message>
    <message>
        <source>%1 は大きすぎます (%2 MiB まで)</source>
        <translation>%1 слишком велик (не больше %2 МиБ)</translation>
    </message>
    <message>
        <source>%1 を読み込めません</source>
        <translation>Не удаётся прочитать %1</translation>
    </message>
</context>
<context>
    <name>TInputBoxDialog</name>
    <message>
        <source>キャンセル</source>
        <translation>Отмена</translation>
    </message>
</context>
<context>
    <name>TMainForm1</name>
    <message>
        <source>MIT ライセンスのフリーソフトウェアです。</source>
        <translation>Свободная программа под лицензией MIT.</translation>
    </message>
    <message>
        <source>ランキングの保存先: %1</source>
        <translation>Рейтинг хранится в: %1</translation>
    </message>
    <message>
        <source>キー操作</source>
        <translation>Клавиши</translation>
    </message>
    <message>
        <source>F3: ゲーム開始</source>
        <translation>F3: новая игра</translation>
    </message>
    <message>
        <source>スペースか SHOT!! を押し続けて溜め、離して打つ</source>
        <translation>Держи пробел или SHOT!!, чтобы зарядить, отпусти, чтобы ударить</translation>
    </message>
    <message>
        <source>F4: ボスが来た!! (ダブルクリックで戻る)</source>
        <translation>F4: шеф идёт!! (двойной щелчок — назад)</translation>
    </message>
    <message>
        <source>インフォメーション</source>
        <translation>Информация</translation>
    </message>
    <message>
        <source>ジュンビハイイカ・・・</source>
        <translation>На старт...</translation>
    </message>
    <message numerus="yes">
        <source>ノコリ %n ビョウ</source>
        <translation>
            <numerusform>Ещё %n секунда</numerusform>
            <numerusform>Ещё %n секунды</numerusform>
            <numerusform>Ещё %n секунд</numerusform>
        </translation>
    </message>
    <message>
        <source>時間ギレデス</source>
        <translation>Время вышло!</translation>
    </message>
    <message>
        <source>F3 デ ゲームヲ開始シマス</source>
        <translation>F3 начинает игру</translation>
    </message>
    <message>
        <source>F3 デ ゲ～ムヲ開始シマス</source>
        <translation>F3 начинает игрууу</translation>
    </message>
    <message>
        <source>モード(&amp;M)</source>
        <translation>Режим (&amp;M)</translation>
    </message>
    <message>
        <source>ゲーム開始(&amp;G)</source>
        <translation>Новая игра (&amp;G)</translation>
    </message>
    <message>
        <source>ボスが来た!!(&amp;B)...</source>
        <translation>Шеф идёт!! (&amp;B)...</translation>
    </message>
    <message>
        <source>終了(&amp;X)</source>
        <translation>Выход (&amp;X)</translation>
    </message>
    <message>
        <source>オプション(&amp;O)</source>
        <translation>Настройки (&amp;O)</translation>
    </message>
    <message>
        <source>効果音を鳴らす(&amp;S)</source>
        <translation>Звуковые эффекты (&amp;S)</translation>
    </message>
    <message>
        <source>ヘルプ(&amp;H)</source>
        <translation>Справка (&amp;H)</translation>
    </message>
    <message>
        <source>インフォメーション(&amp;I)...</source>
        <translation>Информация (&amp;I)...</translation>
    </message>
    <message>
        <source>順位 (爵位)</source>
        <translation>Место (титул)</translation>
    </message>
    <message>
        <source>VELQUAN ランキング</source>
        <translation>Рейтинг VELQUAN</translation>
    </message>
    <message>
        <source>スコア</source>
        <translation>Очки</translation>
    </message>
    <message>
        <source>1位 (魔神)</source>
        <translation>1 (Архидемон)</translation>
    </message>
    <message>
        <source>2位 (魔王)</source>
        <translation>2 (Князь тьмы)</translation>
    </message>
    <message>
        <source>3位 (魔将)</source>
        <translation>3 (Подручный)</translation>
    </message>
    <message>
        <source>4位 (悪魔)</source>
        <translation>4 (Бесёнок)</translation>
    </message>
    <message>
        <source>5位 (人間)</source>
        <translation>5 (Смертный)</translation>
    </message>
    <message>
        <source>%1 位ニ ランクサレマシタ</source>
        <translation>%1-е место — твоё!!</translation>
    </message>
    <message>
        <source> アナタノ名前 ：</source>
        <translation> Твоё имя, чемпион:</translation>
    </message>
    <message>
        <source>ナイスイン!! +100+%1 point</source>
        <translation>В лунку!! +100+%1 очк.</translation>
    </message>
    <message>
        <source>ナイスアプロ～チ!! +30+%1 point</source>
        <translation>Неплохой подхо~д!! +30+%1 очк.</translation>
    </message>
    <message>
        <source>フ～ン!! %1 point</source>
        <translation>Пф~!! %1 очк.</translation>
    </message>
    <message>
        <source>フルスクリーン(&amp;F)</source>
        <translation>Полный экран (&amp;F)</translation>
    </message>
    <message>
        <source>カップ %1～%2 パーセント、グリーン %3～%4 パーセント</source>
        <translation>лунка от %1 до %2 процентов, грин от %3 до %4 процентов</translation>
    </message>
</context>
</TS>
