#include "controls/shadolbl.h"
#include "platform/panel.h"
#include "platform/stringgrid.h"
#include "platform/textdraw.h"
#include "support/files.h"
#include "support/gamefixture.h"

#include <QApplication>
#include <QMenuBar>
#include <QTranslator>
#include <set>

namespace {

// Where a text shows: a column of the ranking, the status line up to "SCORE", the result up to
// the right-hand column, the name box's edit, or a menu or box that grows with its text.
enum TPlace { Column0, Column1, Column2, Status, Result, NameBox, Grows };

const struct {
    const char* source;
    TPlace place;
    const char* context = "TMainForm1";
} kShownTexts[] = {
    {"F3 デ ゲ～ムヲ開始シマス", Status},
    {"F3 デ ゲームヲ開始シマス", Status},
    {"ジュンビハイイカ・・・", Status},
    {"ノコリ %n ビョウ", Status},
    {"時間ギレデス", Status},
    {"ナイスイン!! +100+%1 point", Result},
    {"ナイスアプロ～チ!! +30+%1 point", Result},
    {"フ～ン!! %1 point", Result},
    {"順位 (爵位)", Column0},
    {"1位 (魔神)", Column0},
    {"2位 (魔王)", Column0},
    {"3位 (魔将)", Column0},
    {"4位 (悪魔)", Column0},
    {"5位 (人間)", Column0},
    {"VELQUAN ランキング", Column1},
    {"スコア", Column2},
    {"モード(&M)", Grows},
    {"オプション(&O)", Grows},
    {"ヘルプ(&H)", Grows},
    {"ゲーム開始(&G)", Grows},
    {"ボスが来た!!(&B)...", Grows},
    {"終了(&X)", Grows},
    {"効果音を鳴らす(&S)", Grows},
    {"インフォメーション(&I)...", Grows},
    {"インフォメーション", Grows},
    {"MIT ライセンスのフリーソフトウェアです。", Grows},
    {"ランキングの保存先: %1", Grows},
    {"キー操作", Grows},
    {"F3: ゲーム開始", Grows},
    {"スペースか SHOT!! を押し続けて溜め、離して打つ", Grows},
    {"F4: ボスが来た!! (ダブルクリックで戻る)", Grows},
    {"%1 位ニ ランクサレマシタ", NameBox},
    {" アナタノ名前 ：", NameBox},
    {"キャンセル", Grows, "TInputBoxDialog"},
    {"%1 に書き込めません", Grows, "Profile"},
    {"%1 はフォルダではありません", Grows, "Profile"},
    {"%1 は通常のファイルではありません", Grows, "Profile"},
    {"%1 は大きすぎます (%2 MiB まで)", Grows, "Profile"},
    {"%1 を読み込めません", Grows, "Profile"},
    {"'%1' は整数ではありません", Grows, "Convert"},
};

using TranslationsTest = GameFixture;

// Every English text fits its place at the window's fonts, a number in it at its widest, and
// keeps its numbers and Alt key. The table has a row for each text of the .ts file, and no more.
TEST_F(TranslationsTest, EveryEnglishTextFitsItsPlace)
{
    QTranslator qm;
    ASSERT_TRUE(qm.load(QStringLiteral(":/i18n/velquan_en.qm")) && QCoreApplication::installTranslator(&qm));
    WriteRankingFile(RankingWithScores({500, 400, 300, 200, 100}));
    CreateForm();
    form->show();
    std::set<std::string> rows;
    for (const auto& shown : kShownTexts) {
        const QString source = QString::fromUtf8(shown.source);
        const QString english = QCoreApplication::translate(shown.context, shown.source);
        const QString text = QString(english).replace(u'%', QStringLiteral("-99"));
        const auto end = [&](TShadowLabel* label) { return label->SetCaption(text), label->x() + label->width(); };
        SCOPED_TRACE(english.toStdString());
        rows.insert(std::string(shown.context) + shown.source);
        EXPECT_NE(english, source);
        EXPECT_EQ(english.count(u'%'), source.count(u'%'));
        EXPECT_EQ(english.section(u'&', 1).left(1).toUpper(), source.section(u'&', 1).left(1).toUpper());
        switch (shown.place) {
        case Status: EXPECT_LE(end(form->Label1), form->Label2->x()); break;
        case Result: EXPECT_LE(end(form->Label9), form->Panel6->x()); break;
        case NameBox: EXPECT_LE(TextWidth(QApplication::font("QLabel"), text), 280); break;
        case Grows: break;
        default: EXPECT_LE(2 + TextWidth(form->StringGrid1->font(), text), form->StringGrid1->ColWidths(shown.place));
        }
    }
    EXPECT_EQ(rows.size(), size_t(ReadBytes(VELQUAN_SOURCE_DIR "/translations/velquan_en.ts").count("<message")));
    // The menu bar does not grow: every title shows whole on it.
    for (QAction* title : form->menuBar()->actions())
        EXPECT_TRUE(form->menuBar()->rect().contains(form->menuBar()->actionGeometry(title)))
            << title->text().toStdString();
}

} // namespace
