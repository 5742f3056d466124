#pragma once

#include "game/mainform.h"
#include "game/surface.h"
#include "services/random.h"
#include "support/fakes.h"

#include <QFile>
#include <QTemporaryDir>
#include <array>
#include <gtest/gtest.h>
#include <memory>

// A main window on fake services, its ranking file in a fresh temporary folder.
class GameFixture : public ::testing::Test {
protected:
    QTemporaryDir folder;
    TestClock clock;
    FakeSound sound;
    FakeShell shell;
    FakeInputBox inputBox;
    FakeMessageBox messageBox;
    TRandomGenerator random;
    std::unique_ptr<TMainForm1> form;
    // The translation's language the window is built for; empty for the game's own Japanese.
    QString language;
    // Where the window keeps the player's view settings; empty keeps nothing.
    QString settingsFile;

    QString RankingFile() const { return folder.filePath(QStringLiteral("VELQUAN.ini")); }

    // The window shows every message box, its controls' too, through messageBox.
    TGameServices Services()
    {
        return TGameServices{.clock = &clock,
                             .sound = &sound,
                             .shell = &shell,
                             .inputBox = &inputBox,
                             .messageBox = &messageBox,
                             .random = &random,
                             .rankingFile = RankingFile(),
                             .rankingSeed = {},
                             .homePage = {},
                             .language = language,
                             .settingsFile = settingsFile};
    }

    void WriteRankingFile(const QByteArray& bytes) const
    {
        QFile file(RankingFile());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }

    QByteArray RankingFileBytes() const
    {
        QFile file(RankingFile());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    // A ranking file with the given five scores, named A to E.
    static QByteArray RankingWithScores(const std::array<int, 5>& scores)
    {
        QByteArray text = "[RANK]\r\n";
        for (int rank = 1; rank <= 5; ++rank) {
            text += "NAME" + QByteArray::number(rank) + "=" + QByteArray(1, char('A' + rank - 1)) + "\r\n";
            text += "SCORE" + QByteArray::number(rank) + "=" + QByteArray::number(scores[size_t(rank - 1)]) + "\r\n";
        }
        return text;
    }

    void CreateForm() { form = std::make_unique<TMainForm1>(Services()); }

    // The putter picture last drawn on the window's surface, by its index; -1 for none.
    int DrawnPicture() const
    {
        const qint64 drawn = form->Surface()->Drawing()->LastPicture().cacheKey();
        for (size_t index = 0; index < form->ImageList1.size(); ++index)
            if (form->ImageList1[index].cacheKey() == drawn)
                return int(index);
        return -1;
    }
};
