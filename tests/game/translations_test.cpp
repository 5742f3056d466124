#include "controls/shadolbl.h"
#include "desktop/fonts.h"
#include "desktop/panel.h"
#include "desktop/stringgrid.h"
#include "desktop/textdraw.h"
#include "support/files.h"
#include "support/gamefixture.h"

#include <QApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QMenuBar>
#include <QRawFont>
#include <QScopeGuard>
#include <QTranslator>
#include <cstring>
#include <set>
#include <vector>

namespace {

// Where a text shows: a column of the ranking, the status line up to "SCORE", the result up to
// the right-hand column, the name box's edit, a menu or box that grows with its text, or only
// a screen reader's speech.
enum TPlace { Column0, Column1, Column2, Status, Result, NameBox, Grows, Spoken };

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
    {"フルスクリーン(&F)", Grows},
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
    {"カップ %1～%2 パーセント、グリーン %3～%4 パーセント", Spoken},
};

// The characters of a text that the font drawing it lacks, and so would draw as boxes; an
// accelerator's & is no character shown. The font is the one Qt resolves for text that starts in
// Latin, as every translated text does; a font that does no merging draws all of it in that one.
std::string Missing(const QFont& font, const QString& text)
{
    const QRawFont drawing = QRawFont::fromFont(font);
    QString missing;
    for (const char32_t character : QString(text).remove(u'&').toUcs4())
        if (!drawing.supportsCharacter(character))
            missing += QString::fromUcs4(&character, 1);
    return missing.toStdString();
}

// Every translation compiled into the game, by its language ("en", "pt_BR").
std::vector<std::string> Languages()
{
    std::vector<std::string> languages;
    for (const QString& file : QDir(QStringLiteral(":/i18n")).entryList({QStringLiteral("velquan_*.qm")}))
        languages.push_back(file.mid(int(strlen("velquan_"))).chopped(int(strlen(".qm"))).toStdString());
    return languages;
}

class TranslationsTest : public GameFixture, public ::testing::WithParamInterface<std::string> {};

// Every text of a translation fits its place at the fonts the window draws it with, a number in
// it at its widest and a counted one in each plural form, keeps its numbers and Alt key, and has
// every character in its font. The table has a row for each text of the .ts file, and no more.
TEST_P(TranslationsTest, EveryTextFitsItsPlaceInLettersItsFontHas)
{
    language = QString::fromStdString(GetParam());
    QTranslator qm;
    ASSERT_TRUE(qm.load(QStringLiteral(":/i18n/velquan_") + language) && QCoreApplication::installTranslator(&qm));
    const auto restoreFont = qScopeGuard([font = QGuiApplication::font()] { QGuiApplication::setFont(font); });
    InstallLanguageFont(language);
    WriteRankingFile(RankingWithScores({500, 400, 300, 200, 100}));
    CreateForm();
    form->show();
    std::set<std::string> rows;
    for (const auto& shown : kShownTexts) {
        const QString source = QString::fromUtf8(shown.source);
        const bool counted = source.contains(QStringLiteral("%n"));
        rows.insert(std::string(shown.context) + shown.source);
        for (int seconds = counted ? 0 : -1; seconds <= (counted ? 60 : -1); ++seconds) {
            const QString translated = QCoreApplication::translate(shown.context, shown.source, nullptr, seconds);
            const QString text = QString(translated).replace(u'%', QStringLiteral("-99"));
            const auto end = [&](TShadowLabel* label) { return label->SetCaption(text), label->x() + label->width(); };
            SCOPED_TRACE(translated.toStdString());
            EXPECT_NE(translated, source);
            EXPECT_EQ(translated.count(u'%'), counted ? 0 : source.count(u'%'));
            EXPECT_TRUE(!counted || translated.contains(QString::number(seconds)));
            EXPECT_EQ(translated.section(u'&', 1).left(1).toUpper(), source.section(u'&', 1).left(1).toUpper());
            // Menus and boxes draw with the application's font.
            const QFont font = shown.place == Status    ? form->Label1->font()
                               : shown.place == Result  ? form->Label9->font()
                               : shown.place <= Column2 ? form->StringGrid1->font()
                                                        : QApplication::font("QLabel");
            EXPECT_EQ(Missing(font, text), "");
            switch (shown.place) {
            case Status: EXPECT_LE(end(form->Label1), form->Label2->x()); break;
            case Result: EXPECT_LE(end(form->Label9), form->Panel6->x()); break;
            case NameBox: EXPECT_LE(TextWidth(font, text), 280); break;
            case Grows:
            case Spoken: break;
            default: EXPECT_LE(2 + TextWidth(font, text), form->StringGrid1->ColWidths(shown.place));
            }
        }
    }
    const QString ts = QStringLiteral(VELQUAN_SOURCE_DIR "/translations/velquan_%1.ts").arg(language);
    EXPECT_EQ(rows.size(), size_t(ReadBytes(ts).count("<message")));
    // The menu bar does not grow: every title shows whole on it.
    for (QAction* title : form->menuBar()->actions())
        EXPECT_TRUE(form->menuBar()->rect().contains(form->menuBar()->actionGeometry(title)))
            << title->text().toStdString();
    // Qt's own texts, a text field's menu and a box's buttons, speak the language too.
    const QString qt = QLibraryInfo::path(QLibraryInfo::TranslationsPath) + u'/';
    EXPECT_TRUE(language == u"en" || QTranslator().load(QStringLiteral("qtbase_") + language, qt)) << qt.toStdString();
}

INSTANTIATE_TEST_SUITE_P(Compiled, TranslationsTest, ::testing::ValuesIn(Languages()),
                         [](const ::testing::TestParamInfo<std::string>& info) { return info.param; });

} // namespace
