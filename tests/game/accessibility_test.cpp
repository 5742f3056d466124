#include "controls/dxfcolorbutton.h"
#include "controls/dxflabel.h"
#include "controls/dxfprogressbar.h"
#include "controls/shadolbl.h"
#include "desktop/stringgrid.h"
#include "game/bossform.h"
#include "support/gamefixture.h"

#include <QAccessible>
#include <QAccessibleTableInterface>
#include <QAccessibleTextInterface>
#include <QAccessibleValueInterface>
#include <QPlainTextEdit>

namespace {

QAccessibleInterface* Of(QObject* object)
{
    return QAccessible::queryAccessibleInterface(object);
}

QString Name(QAccessibleInterface* iface)
{
    return iface ? iface->text(QAccessible::Name) : QStringLiteral("(none)");
}

} // namespace

// The tree as a tool reads it. Without a platform that serves a tool (the offscreen one
// serves none) Qt drops every change event before anyone can hear it, so the events are
// checked end to end on the accessibility bus (tests/e2e/screen_reader.sh); here the
// interfaces must read the new texts, values and states once they have changed.
class AccessibilityTest : public GameFixture {
protected:
    void SetUp() override
    {
        WriteRankingFile(RankingWithScores({1500, 1200, 900, 600, 300}));
        CreateForm();
        form->show();
    }
};

// Each text of the game area is there by role and name, in the window's tree.
TEST_F(AccessibilityTest, TheGameAreaReadsAsNamedControls)
{
    struct Expected {
        QWidget* control;
        QAccessible::Role role;
        QString name;
        QString description;
    };
    const std::vector<Expected> expected{
        {form->Label1, QAccessible::StaticText, QStringLiteral("F3 デ ゲ～ムヲ開始シマス"), {}},
        {form->Label2, QAccessible::StaticText, QStringLiteral("SCORE"), {}},
        {form->Label3, QAccessible::StaticText, QStringLiteral("0"), QStringLiteral("SCORE")},
        {form->Label4, QAccessible::StaticText, QStringLiteral("HIGH-SCORE"), {}},
        {form->Label5, QAccessible::StaticText, QStringLiteral("1500"), QStringLiteral("HIGH-SCORE")},
        {form->Label9, QAccessible::StaticText, QStringLiteral("NICE IN!! +0"), {}},
        {form->bCharge, QAccessible::Button, QStringLiteral("SHOT!!"), {}},
        {form->ProgressBar1, QAccessible::ProgressBar, QStringLiteral("POWER"), {}},
        {form->StringGrid1, QAccessible::Table, QStringLiteral("RANKING"), {}},
        {form->dxfLabel1, QAccessible::StaticText, QStringLiteral("GAME OVER"), {}},
    };
    QAccessibleInterface* window = Of(form.get());
    for (const Expected& one : expected) {
        QAccessibleInterface* iface = Of(one.control);
        ASSERT_NE(iface, nullptr) << one.name.toStdString();
        EXPECT_EQ(iface->role(), one.role) << one.name.toStdString();
        EXPECT_EQ(Name(iface), one.name);
        EXPECT_EQ(iface->text(QAccessible::Description), one.description) << one.name.toStdString();
        // Reachable from the window, each parent listing it among its children.
        QAccessibleInterface* up = iface;
        while (up && up != window) {
            QAccessibleInterface* parent = up->parent();
            ASSERT_NE(parent, nullptr) << one.name.toStdString();
            EXPECT_GE(parent->indexOfChild(up), 0) << one.name.toStdString();
            up = parent;
        }
        EXPECT_EQ(up, window) << one.name.toStdString();
    }
    // Hidden ones say so: the result message and the banner until they are shown.
    EXPECT_FALSE(Of(form->Label1)->state().invisible);
    EXPECT_FALSE(Of(form->StringGrid1)->state().invisible);
    EXPECT_TRUE(Of(form->Label9)->state().invisible);
    EXPECT_TRUE(Of(form->dxfLabel1)->state().invisible);
}

// The ranking is a table of six rows of three cells, the first row the headings.
TEST_F(AccessibilityTest, TheRankingIsATableWithHeadings)
{
    QAccessibleInterface* grid = Of(form->StringGrid1);
    QAccessibleTableInterface* table = grid->tableInterface();
    ASSERT_NE(table, nullptr);
    EXPECT_EQ(table->rowCount(), 6);
    EXPECT_EQ(table->columnCount(), 3);
    EXPECT_EQ(grid->childCount(), 18);
    EXPECT_EQ(table->columnDescription(2), QStringLiteral("スコア"));
    EXPECT_EQ(table->rowDescription(1), QStringLiteral("1位 (魔神)"));

    QAccessibleInterface* heading = table->cellAt(0, 1);
    EXPECT_EQ(Name(heading), QStringLiteral("VELQUAN ランキング"));
    EXPECT_EQ(heading->role(), QAccessible::ColumnHeader);
    QAccessibleInterface* score = table->cellAt(2, 2);
    EXPECT_EQ(Name(score), QStringLiteral("1200"));
    EXPECT_EQ(score->role(), QAccessible::Cell);
    EXPECT_EQ(score->parent(), grid);
    EXPECT_EQ(grid->indexOfChild(score), 8);
    EXPECT_EQ(grid->child(8), score);
    const QList<QAccessibleInterface*> headings = score->tableCellInterface()->columnHeaderCells();
    ASSERT_EQ(headings.size(), 1);
    EXPECT_EQ(Name(headings[0]), QStringLiteral("スコア"));
    EXPECT_EQ(table->cellAt(6, 0), nullptr);
    EXPECT_EQ(grid->child(18), nullptr);

    form->StringGrid1->SetCells(1, 5, QStringLiteral("new name"));
    EXPECT_EQ(Name(table->cellAt(5, 1)), QStringLiteral("new name"));
}

// Texts, the bar's value and the button's pressed state read as they are now.
TEST_F(AccessibilityTest, ChangesReadBack)
{
    form->N2Click();
    EXPECT_EQ(Name(Of(form->dxfLabel1)), QStringLiteral("GAME START"));
    EXPECT_TRUE(Of(form->StringGrid1)->state().invisible);
    form->Timer3Timer();
    EXPECT_EQ(Name(Of(form->Label1)), QStringLiteral("ノコリ 59 ビョウ"));

    QAccessibleInterface* button = Of(form->bCharge);
    EXPECT_FALSE(button->state().pressed);
    form->bCharge->KeyDown();
    EXPECT_TRUE(button->state().pressed);
    form->Timer1Timer();
    form->Timer1Timer();
    QAccessibleValueInterface* bar = Of(form->ProgressBar1)->valueInterface();
    ASSERT_NE(bar, nullptr);
    EXPECT_EQ(bar->currentValue(), QVariant(2));
    EXPECT_EQ(bar->maximumValue(), QVariant(20));
    EXPECT_EQ(bar->minimumValue(), QVariant(0));
    EXPECT_EQ(Of(form->ProgressBar1)->text(QAccessible::Value), form->ProgressBar1->PositionText());
    form->bCharge->KeyUp();
    EXPECT_FALSE(button->state().pressed);
    EXPECT_EQ(bar->currentValue(), QVariant(0)); // emptied after the shot

    ASSERT_NE(form->Score(), 0);
    EXPECT_EQ(Name(Of(form->Label3)), QString::number(form->Score()));
    EXPECT_EQ(Name(Of(form->Label9)), form->Label9->Caption());
    EXPECT_FALSE(Of(form->Label9)->state().invisible);
}

// The disguise screen is a plain text box whose text the tools read whole.
TEST_F(AccessibilityTest, TheDisguiseScreenReadsItsText)
{
    TBossForm1 boss;
    QAccessibleTextInterface* text = Of(boss.Memo1)->textInterface();
    ASSERT_NE(text, nullptr);
    const QString all = text->text(0, text->characterCount());
    EXPECT_TRUE(all.startsWith(QStringLiteral("QORVEX N-BASIC Version 2.4"))) << all.toStdString();
    EXPECT_TRUE(all.contains(QStringLiteral("Ready"))) << all.toStdString();
}
