<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ko" sourcelanguage="ja">
<context>
    <name>Convert</name>
    <message>
        <source>&apos;%1&apos; は整数ではありません</source>
        <translation>‘%1’은(는) 정수가 아닙니다</translation>
    </message>
</context>
<context>
    <name>Profile</name>
    <message>
        <source>%1 に書き込めません</source>
        <translation>%1에 쓸 수 없습니다</translation>
    </message>
    <message>
        <source>%1 はフォルダではありません</source>
        <translation>%1은(는) 폴더가 아닙니다</translation>
    </message>
    <message>
        <source>%1 は通常のファイルではありません</source>
        <translation>%1은(는) 일반 파일이 아닙니다</translation>
    </message>
    <message>
        <source>%1 は大きすぎます (%2 MiB まで)</source>
        <translation>%1이(가) 너무 큽니다 (최대 %2MiB)</translation>
    </message>
    <message>
        <source>%1 を読み込めません</source>
        <translation>%1을(를) 읽을 수 없습니다</translation>
    </message>
</context>
<context>
    <name>TInputBoxDialog</name>
    <message>
        <source>キャンセル</source>
        <translation>취소</translation>
    </message>
</context>
<context>
    <name>TMainForm1</name>
    <message>
        <source>MIT ライセンスのフリーソフトウェアです。</source>
        <translation>MIT 라이선스의 자유 소프트웨어입니다.</translation>
    </message>
    <message>
        <source>ランキングの保存先: %1</source>
        <translation>랭킹 저장 위치: %1</translation>
    </message>
    <message>
        <source>キー操作</source>
        <translation>키 조작</translation>
    </message>
    <message>
        <source>F3: ゲーム開始</source>
        <translation>F3: 게임 시작</translation>
    </message>
    <message>
        <source>スペースか SHOT!! を押し続けて溜め、離して打つ</source>
        <translation>스페이스나 SHOT!!을 누르고 있으면 힘을 모으고, 떼면 칩니다</translation>
    </message>
    <message>
        <source>F4: ボスが来た!! (ダブルクリックで戻る)</source>
        <translation>F4: 부장님 떴다!! (더블 클릭하면 돌아옴)</translation>
    </message>
    <message>
        <source>インフォメーション</source>
        <translation>정보</translation>
    </message>
    <message>
        <source>ジュンビハイイカ・・・</source>
        <translation>제자리에...</translation>
    </message>
    <message numerus="yes">
        <source>ノコリ %n ビョウ</source>
        <translation>
            <numerusform>남은 시간 %n초</numerusform>
        </translation>
    </message>
    <message>
        <source>時間ギレデス</source>
        <translation>시간 종료!</translation>
    </message>
    <message>
        <source>F3 デ ゲームヲ開始シマス</source>
        <translation>F3으로 게임 시작</translation>
    </message>
    <message>
        <source>F3 デ ゲ～ムヲ開始シマス</source>
        <translation>F3으로 게~임 시작</translation>
    </message>
    <message>
        <source>モード(&amp;M)</source>
        <translation>모드(&amp;M)</translation>
    </message>
    <message>
        <source>ゲーム開始(&amp;G)</source>
        <translation>게임 시작(&amp;G)</translation>
    </message>
    <message>
        <source>ボスが来た!!(&amp;B)...</source>
        <translation>부장님 떴다!!(&amp;B)...</translation>
    </message>
    <message>
        <source>終了(&amp;X)</source>
        <translation>종료(&amp;X)</translation>
    </message>
    <message>
        <source>オプション(&amp;O)</source>
        <translation>옵션(&amp;O)</translation>
    </message>
    <message>
        <source>効果音を鳴らす(&amp;S)</source>
        <translation>효과음 켜기(&amp;S)</translation>
    </message>
    <message>
        <source>ヘルプ(&amp;H)</source>
        <translation>도움말(&amp;H)</translation>
    </message>
    <message>
        <source>インフォメーション(&amp;I)...</source>
        <translation>정보(&amp;I)...</translation>
    </message>
    <message>
        <source>順位 (爵位)</source>
        <translation>순위 (작위)</translation>
    </message>
    <message>
        <source>VELQUAN ランキング</source>
        <translation>VELQUAN 랭킹</translation>
    </message>
    <message>
        <source>スコア</source>
        <translation>점수</translation>
    </message>
    <message>
        <source>1位 (魔神)</source>
        <translation>1위 (마신)</translation>
    </message>
    <message>
        <source>2位 (魔王)</source>
        <translation>2위 (마왕)</translation>
    </message>
    <message>
        <source>3位 (魔将)</source>
        <translation>3위 (마장군)</translation>
    </message>
    <message>
        <source>4位 (悪魔)</source>
        <translation>4위 (꼬마 악마)</translation>
    </message>
    <message>
        <source>5位 (人間)</source>
        <translation>5위 (필멸자)</translation>
    </message>
    <message>
        <source>%1 位ニ ランクサレマシタ</source>
        <translation>%1위에 올랐습니다!!</translation>
    </message>
    <message>
        <source> アナタノ名前 ：</source>
        <translation> 챔피언의 이름:</translation>
    </message>
    <message>
        <source>ナイスイン!! +100+%1 point</source>
        <translation>나이스 인!! +100+%1점</translation>
    </message>
    <message>
        <source>ナイスアプロ～チ!! +30+%1 point</source>
        <translation>나이스 어프로~치!! +30+%1점</translation>
    </message>
    <message>
        <source>フ～ン!! %1 point</source>
        <translation>흥~!! %1점</translation>
    </message>
    <message>
        <source>フルスクリーン(&amp;F)</source>
        <translation>전체 화면(&amp;F)</translation>
    </message>
    <message>
        <source>カップ %1～%2 パーセント、グリーン %3～%4 パーセント</source>
        <translation>홀컵 %1~%2 퍼센트, 그린 %3~%4 퍼센트</translation>
    </message>
</context>
</TS>
