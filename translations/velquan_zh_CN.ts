<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN" sourcelanguage="ja">
<context>
    <name>Convert</name>
    <message>
        <source>&apos;%1&apos; は整数ではありません</source>
        <translation>“%1”不是整数</translation>
    </message>
</context>
<context>
    <name>Profile</name>
    <message>
        <source>%1 に書き込めません</source>
        <translation>无法写入 %1</translation>
    </message>
    <message>
        <source>%1 はフォルダではありません</source>
        <translation>%1 不是文件夹</translation>
    </message>
    <message>
        <source>%1 は通常のファイルではありません</source>
        <translation>%1 不是普通文件</translation>
    </message>
    <message>
        <source>%1 は大きすぎます (%2 MiB まで)</source>
        <translation>%1 太大（最多 %2 MiB）</translation>
    </message>
    <message>
        <source>%1 を読み込めません</source>
        <translation>无法读取 %1</translation>
    </message>
</context>
<context>
    <name>TInputBoxDialog</name>
    <message>
        <source>キャンセル</source>
        <translation>取消</translation>
    </message>
</context>
<context>
    <name>TMainForm1</name>
    <message>
        <source>MIT ライセンスのフリーソフトウェアです。</source>
        <translation>采用 MIT 许可证的自由软件。</translation>
    </message>
    <message>
        <source>ランキングの保存先: %1</source>
        <translation>排行榜保存位置：%1</translation>
    </message>
    <message>
        <source>キー操作</source>
        <translation>按键</translation>
    </message>
    <message>
        <source>F3: ゲーム開始</source>
        <translation>F3：开始游戏</translation>
    </message>
    <message>
        <source>スペースか SHOT!! を押し続けて溜め、離して打つ</source>
        <translation>按住空格键或 SHOT!! 蓄力，松开击球</translation>
    </message>
    <message>
        <source>F4: ボスが来た!! (ダブルクリックで戻る)</source>
        <translation>F4：老板来了！！（双击返回）</translation>
    </message>
    <message>
        <source>インフォメーション</source>
        <translation>信息</translation>
    </message>
    <message>
        <source>ジュンビハイイカ・・・</source>
        <translation>各就各位……</translation>
    </message>
    <message numerus="yes">
        <source>ノコリ %n ビョウ</source>
        <translation>
            <numerusform>还剩 %n 秒</numerusform>
        </translation>
    </message>
    <message>
        <source>時間ギレデス</source>
        <translation>时间到！</translation>
    </message>
    <message>
        <source>F3 デ ゲームヲ開始シマス</source>
        <translation>按 F3 开始游戏</translation>
    </message>
    <message>
        <source>F3 デ ゲ～ムヲ開始シマス</source>
        <translation>按 F3 开始游～戏</translation>
    </message>
    <message>
        <source>モード(&amp;M)</source>
        <translation>模式(&amp;M)</translation>
    </message>
    <message>
        <source>ゲーム開始(&amp;G)</source>
        <translation>开始游戏(&amp;G)</translation>
    </message>
    <message>
        <source>ボスが来た!!(&amp;B)...</source>
        <translation>老板来了！！(&amp;B)...</translation>
    </message>
    <message>
        <source>終了(&amp;X)</source>
        <translation>退出(&amp;X)</translation>
    </message>
    <message>
        <source>オプション(&amp;O)</source>
        <translation>选项(&amp;O)</translation>
    </message>
    <message>
        <source>効果音を鳴らす(&amp;S)</source>
        <translation>播放音效(&amp;S)</translation>
    </message>
    <message>
        <source>ヘルプ(&amp;H)</source>
        <translation>帮助(&amp;H)</translation>
    </message>
    <message>
        <source>インフォメーション(&amp;I)...</source>
        <translation>信息(&amp;I)...</translation>
    </message>
    <message>
        <source>順位 (爵位)</source>
        <translation>名次 (爵位)</translation>
    </message>
    <message>
        <source>VELQUAN ランキング</source>
        <translation>VELQUAN 排行榜</translation>
    </message>
    <message>
        <source>スコア</source>
        <translation>得分</translation>
    </message>
    <message>
        <source>1位 (魔神)</source>
        <translation>第1名 (魔神)</translation>
    </message>
    <message>
        <source>2位 (魔王)</source>
        <translation>第2名 (魔王)</translation>
    </message>
    <message>
        <source>3位 (魔将)</source>
        <translation>第3名 (魔将)</translation>
    </message>
    <message>
        <source>4位 (悪魔)</source>
        <translation>第4名 (小恶魔)</translation>
    </message>
    <message>
        <source>5位 (人間)</source>
        <translation>第5名 (凡人)</translation>
    </message>
    <message>
        <source>%1 位ニ ランクサレマシタ</source>
        <translation>荣登第 %1 名！！</translation>
    </message>
    <message>
        <source> アナタノ名前 ：</source>
        <translation> 阁下尊姓大名：</translation>
    </message>
    <message>
        <source>ナイスイン!! +100+%1 point</source>
        <translation>漂亮进洞！！ +100+%1 分</translation>
    </message>
    <message>
        <source>ナイスアプロ～チ!! +30+%1 point</source>
        <translation>好～近～啊！！ +30+%1 分</translation>
    </message>
    <message>
        <source>フ～ン!! %1 point</source>
        <translation>哼～！！ %1 分</translation>
    </message>
    <message>
        <source>フルスクリーン(&amp;F)</source>
        <translation>全屏(&amp;F)</translation>
    </message>
    <message>
        <source>カップ %1～%2 パーセント、グリーン %3～%4 パーセント</source>
        <translation>球洞 %1 到 %2 百分比，果岭 %3 到 %4 百分比</translation>
    </message>
</context>
</TS>
