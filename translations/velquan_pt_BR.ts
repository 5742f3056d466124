<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR" sourcelanguage="ja">
<context>
    <name>Convert</name>
    <message>
        <source>&apos;%1&apos; は整数ではありません</source>
        <translation>“%1” não é um número inteiro</translation>
    </message>
</context>
<context>
    <name>Profile</name>
    <message>
        <source>%1 に書き込めません</source>
        <translation>Não é possível gravar em %1</translation>
    </message>
    <message>
        <source>%1 はフォルダではありません</source>
        <translation>%1 não é uma pasta</translation>
    </message>
    <message>
        <source>%1 は通常のファイルではありません</source>
        <translation>%1 não é um arquivo comum</translation>
    </message>
    <message>
        <source>%1 は大きすぎます (%2 MiB まで)</source>
        <translation>%1 é grande demais (no máximo %2 MiB)</translation>
    </message>
    <message>
        <source>%1 を読み込めません</source>
        <translation>Não é possível ler %1</translation>
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
        <translation>Software livre sob a licença MIT.</translation>
    </message>
    <message>
        <source>ランキングの保存先: %1</source>
        <translation>O ranking fica em: %1</translation>
    </message>
    <message>
        <source>キー操作</source>
        <translation>Teclas</translation>
    </message>
    <message>
        <source>F3: ゲーム開始</source>
        <translation>F3: iniciar uma partida</translation>
    </message>
    <message>
        <source>スペースか SHOT!! を押し続けて溜め、離して打つ</source>
        <translation>Segure Espaço ou SHOT!! para carregar, solte para tacar</translation>
    </message>
    <message>
        <source>F4: ボスが来た!! (ダブルクリックで戻る)</source>
        <translation>F4: lá vem o chefe!! (clique duplo para voltar)</translation>
    </message>
    <message>
        <source>インフォメーション</source>
        <translation>Informações</translation>
    </message>
    <message>
        <source>ジュンビハイイカ・・・</source>
        <translation>Em suas marcas...</translation>
    </message>
    <message numerus="yes">
        <source>ノコリ %n ビョウ</source>
        <translation>
            <numerusform>Falta %n segundo</numerusform>
            <numerusform>Faltam %n segundos</numerusform>
        </translation>
    </message>
    <message>
        <source>時間ギレデス</source>
        <translation>Acabou o tempo!</translation>
    </message>
    <message>
        <source>F3 デ ゲームヲ開始シマス</source>
        <translation>F3 inicia o jogo</translation>
    </message>
    <message>
        <source>F3 デ ゲ～ムヲ開始シマス</source>
        <translation>F3 inicia o jooogo</translation>
    </message>
    <message>
        <source>モード(&amp;M)</source>
        <translation>&amp;Modo</translation>
    </message>
    <message>
        <source>ゲーム開始(&amp;G)</source>
        <translation>Novo jo&amp;go</translation>
    </message>
    <message>
        <source>ボスが来た!!(&amp;B)...</source>
        <translation>Lá vem o chefe!! (&amp;B)...</translation>
    </message>
    <message>
        <source>終了(&amp;X)</source>
        <translation>Sair (&amp;X)</translation>
    </message>
    <message>
        <source>オプション(&amp;O)</source>
        <translation>&amp;Opções</translation>
    </message>
    <message>
        <source>効果音を鳴らす(&amp;S)</source>
        <translation>Efeitos &amp;sonoros</translation>
    </message>
    <message>
        <source>ヘルプ(&amp;H)</source>
        <translation>Ajuda (&amp;H)</translation>
    </message>
    <message>
        <source>インフォメーション(&amp;I)...</source>
        <translation>&amp;Informações...</translation>
    </message>
    <message>
        <source>順位 (爵位)</source>
        <translation>Posição (título)</translation>
    </message>
    <message>
        <source>VELQUAN ランキング</source>
        <translation>Ranking VELQUAN</translation>
    </message>
    <message>
        <source>スコア</source>
        <translation>Pontos</translation>
    </message>
    <message>
        <source>1位 (魔神)</source>
        <translation>1º (Arquidemônio)</translation>
    </message>
    <message>
        <source>2位 (魔王)</source>
        <translation>2º (Rei demônio)</translation>
    </message>
    <message>
        <source>3位 (魔将)</source>
        <translation>3º (Capanga)</translation>
    </message>
    <message>
        <source>4位 (悪魔)</source>
        <translation>4º (Diabinho)</translation>
    </message>
    <message>
        <source>5位 (人間)</source>
        <translation>5º (Mortal)</translation>
    </message>
    <message>
        <source>%1 位ニ ランクサレマシタ</source>
        <translation>Você ficou em %1º lugar!!</translation>
    </message>
    <message>
        <source> アナタノ名前 ：</source>
        <translation> Seu nome, campeão:</translation>
    </message>
    <message>
        <source>ナイスイン!! +100+%1 point</source>
        <translation>Na mosca!! +100+%1 pts</translation>
    </message>
    <message>
        <source>ナイスアプロ～チ!! +30+%1 point</source>
        <translation>Bela aproxima~ção!! +30+%1 pts</translation>
    </message>
    <message>
        <source>フ～ン!! %1 point</source>
        <translation>Aff~!! %1 pts</translation>
    </message>
    <message>
        <source>フルスクリーン(&amp;F)</source>
        <translation>Tela cheia (&amp;F)</translation>
    </message>
    <message>
        <source>カップ %1～%2 パーセント、グリーン %3～%4 パーセント</source>
        <translation>buraco de %1 a %2 por cento, green de %3 a %4 por cento</translation>
    </message>
</context>
</TS>
